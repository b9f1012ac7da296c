// The online banner without a window: the banner list store, its fields, the start-up
// sequence of fetches and the rotation step of each timer tick.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orlenvo {

// Paths of the two documents on the maker's server.
inline constexpr std::string_view kBannerListPath = "/Chinese/CPC/loginfo.html";
inline constexpr std::string_view kBannerFlagPath = "/Chinese/SysInfo/logFlagVeltor.htm";

// First interval of the banner timer, in milliseconds.
inline constexpr int kBannerFirstInterval = 1000;

// Time allowed for one fetch, from the request to the last byte, and for the whole banner
// start-up. A fetch that takes longer is abandoned and counts as failed, so a server that
// never answers cannot hold back the main window.
inline constexpr int kFetchTimeoutMs = 4000;
// A longer body is abandoned as soon as more arrives, and counts as failed.
inline constexpr std::int64_t kMaxBodyBytes = std::int64_t(1) << 20;
// Largest picture the pictures-only view decodes, in pixels.
inline constexpr std::int64_t kMaxPicturePixels = 2000 * 2000;

// The banner list document as received, split into lines at CR LF, LF or CR.
// A final empty line (text that ends in a line break) is not counted.
class BannerStore {
public:
    BannerStore() = default;
    explicit BannerStore(std::string text);

    const std::string &Text() const { return text_; }
    int LineCount() const { return static_cast<int>(lines_.size()); }
    // Line i, or an empty text when i is outside the store.
    std::string Line(int i) const;

private:
    std::string text_;
    std::vector<std::string> lines_;
};

// Field n (0 active flag, 1 display time, 2 address) of line i of the store.
std::string BannerField(const BannerStore &store, int i, int n);
// The same over one line of text.
std::string BannerLineField(std::string_view line, int n);

// Character `pos` of the flag document as a decimal digit; throws ConvertError when the
// document is shorter or the character is not a digit.
int FlagDigit(std::string_view document, std::size_t pos);

// Which HTTP client a fetch goes through.
enum class BannerClient { IdHTTP1, IdHTTP2 };

// Fetches a document and returns its body as UTF-8 text; throws on any failure.
using BannerFetch = std::function<std::string(BannerClient client, std::string_view path)>;

struct BannerDocuments {
    std::string list;      // what the list fetch put into the store, empty when it failed
    int bannerSwitch = 0;  // second character of the flag document, 0 on any failure
};

// The start-up fetches, in order: the list, the flag document for its first character and
// the flag document again for its second. The first failure ends the sequence.
BannerDocuments FetchBannerDocuments(const BannerFetch &fetch);

// What one timer tick asks of the window.
struct BannerTick {
    enum class Timer { Keep, SetInterval, Stop };

    bool navigate = false;  // let the browser show `address`
    std::string address;
    Timer timer = Timer::Keep;
    int intervalMs = 0;  // with Timer::SetInterval
};

// The banner state kept by the main window and the rotation step.
class BannerRotation {
public:
    // Fills the state from the documents of start-up.
    void Start(const BannerDocuments &documents);

    // Whether start-up hides the browser: an empty store or the switch at 0.
    bool HideAtStart() const { return lastIndex_ < 0 || bannerSwitch_ == 0; }

    // One tick of the banner timer.
    BannerTick Tick();

    const BannerStore &Store() const { return store_; }
    int Index() const { return index_; }
    int LastIndex() const { return lastIndex_; }
    int Switch() const { return bannerSwitch_; }

private:
    BannerStore store_;
    int index_ = 0;
    int lastIndex_ = -1;
    int bannerSwitch_ = 0;
};

}  // namespace orlenvo
