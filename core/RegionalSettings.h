// The five date and time values of the regional settings that the program relies on.
#pragma once

#include <array>
#include <map>
#include <string>

namespace orlenvo {

// Numbered as the Windows LCTYPE constants of the same items.
enum class LocaleItem : int {
    LongDate = 32,
    ShortDate = 31,
    TimeFormat = 4099,
    DateSeparator = 29,
    TimeSeparator = 30,
};

struct RequiredLocaleValue {
    LocaleItem item;
    const char *value;
};

// The values start-up enforces, in the order it enforces them.
extern const std::array<RequiredLocaleValue, 5> kRequiredLocaleValues;

// Where the values live. Windows: GetLocaleInfoA / SetLocaleInfoA on the system-default
// locale. Linux has no system-wide store: the program keeps its own (ProcessRegionalSettings).
class RegionalSettingsStore {
public:
    virtual ~RegionalSettingsStore() = default;
    // Both may throw; the synchronisation treats any exception as a failure.
    virtual std::string Read(LocaleItem item) = 0;
    virtual void Write(LocaleItem item, const std::string &value) = 0;
};

// In-memory store of this process, filled from the C library's locale on creation.
class ProcessRegionalSettings final : public RegionalSettingsStore {
public:
    ProcessRegionalSettings();
    std::string Read(LocaleItem item) override;
    void Write(LocaleItem item, const std::string &value) override;

private:
    std::map<LocaleItem, std::string> values_;
};

// The store the running program reads its date formats from.
RegionalSettingsStore &RegionalSettings();

// Start-up step: reads each item (at most 23 characters), trims it, and writes the required
// value only where it differs (exactly, case-sensitively). A failure abandons the remaining
// items silently. Returns how many items were written.
int SynchroniseRegionalSettings(RegionalSettingsStore &store);

// Converts a strftime pattern ("%Y-%m-%d") into the Windows picture form ("yyyy-MM-dd").
std::string WindowsPictureFromStrftime(const std::string &pattern);

}  // namespace orlenvo
