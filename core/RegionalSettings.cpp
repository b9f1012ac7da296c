#include "core/RegionalSettings.h"

#include "core/Text.h"

#include <langinfo.h>

#include <clocale>

namespace orlenvo {

const std::array<RequiredLocaleValue, 5> kRequiredLocaleValues = {{
    {LocaleItem::LongDate, "yyyy'年'M'月'd'日'"},
    {LocaleItem::ShortDate, "yyyy-MM-dd"},
    {LocaleItem::TimeFormat, "H:mm:ss"},
    {LocaleItem::DateSeparator, "-"},
    {LocaleItem::TimeSeparator, ":"},
}};

std::string WindowsPictureFromStrftime(const std::string &pattern)
{
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%' || i + 1 == pattern.size()) {
            out += pattern[i];
            continue;
        }
        char c = pattern[++i];
        if ((c == 'E' || c == 'O' || c == '-') && i + 1 < pattern.size())
            c = pattern[++i];
        switch (c) {
        case 'Y': out += "yyyy"; break;
        case 'y': out += "yy"; break;
        case 'm': out += "MM"; break;
        case 'd': out += "dd"; break;
        case 'e': out += "d"; break;
        case 'b':
        case 'h': out += "MMM"; break;
        case 'B': out += "MMMM"; break;
        case 'a': out += "ddd"; break;
        case 'A': out += "dddd"; break;
        case 'H': out += "HH"; break;
        case 'k': out += "H"; break;
        case 'I': out += "hh"; break;
        case 'l': out += "h"; break;
        case 'M': out += "mm"; break;
        case 'S': out += "ss"; break;
        case 'p': out += "tt"; break;
        case 'D': out += "MM/dd/yy"; break;
        case 'F': out += "yyyy-MM-dd"; break;
        case 'T': out += "HH:mm:ss"; break;
        case 'r': out += "hh:mm:ss tt"; break;
        case 'R': out += "HH:mm"; break;
        case '%': out += '%'; break;
        default: break;
        }
    }
    return out;
}

namespace {

// First character of a picture that is neither a letter nor a quote.
std::string SeparatorOf(const std::string &picture, const char *fallback)
{
    for (char c : picture) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!letter && c != '\'' && c != ' ')
            return std::string(1, c);
    }
    return fallback;
}

}  // namespace

ProcessRegionalSettings::ProcessRegionalSettings()
{
    std::setlocale(LC_TIME, "");
    const std::string shortDate = WindowsPictureFromStrftime(nl_langinfo(D_FMT));
    const std::string time = WindowsPictureFromStrftime(nl_langinfo(T_FMT));
    values_[LocaleItem::ShortDate] = shortDate.empty() ? "M/d/yyyy" : shortDate;
    values_[LocaleItem::TimeFormat] = time.empty() ? "h:mm:ss tt" : time;
    values_[LocaleItem::LongDate] = "dddd, MMMM d, yyyy";
    values_[LocaleItem::DateSeparator] = SeparatorOf(values_[LocaleItem::ShortDate], "/");
    values_[LocaleItem::TimeSeparator] = SeparatorOf(values_[LocaleItem::TimeFormat], ":");
    std::setlocale(LC_TIME, "C");
}

std::string ProcessRegionalSettings::Read(LocaleItem item)
{
    return values_.at(item);
}

void ProcessRegionalSettings::Write(LocaleItem item, const std::string &value)
{
    values_[item] = value;
}

RegionalSettingsStore &RegionalSettings()
{
    static ProcessRegionalSettings store;
    return store;
}

int SynchroniseRegionalSettings(RegionalSettingsStore &store)
{
    // The platform reads into a buffer of 24 characters, terminator included.
    constexpr std::size_t kBufferChars = 23;
    int written = 0;
    try {
        for (const auto &[item, required] : kRequiredLocaleValues) {
            std::string current = store.Read(item);
            if (current.size() > kBufferChars)
                current.resize(kBufferChars);
            if (Trim(current) != required) {
                store.Write(item, required);
                ++written;
            }
        }
    } catch (...) {
        // Abandon the remaining items; start-up goes on.
    }
    return written;
}

}  // namespace orlenvo
