#include "banner/BannerCore.h"

#include "core/Text.h"

#include <cstdint>
#include <limits>

namespace orlenvo {

namespace {

// The text after the first ">", or the whole text when it holds none.
std::string_view AfterFirstMark(std::string_view text)
{
    const std::size_t mark = text.find('>');
    return mark == std::string_view::npos ? text : text.substr(mark + 1);
}

// The text before the first ">", or an empty text when it holds none.
std::string_view BeforeFirstMark(std::string_view text)
{
    const std::size_t mark = text.find('>');
    return mark == std::string_view::npos ? std::string_view{} : text.substr(0, mark);
}

}  // namespace

BannerStore::BannerStore(std::string text) : text_(std::move(text))
{
    const std::string_view all = text_;
    std::size_t start = 0;
    while (start < all.size()) {
        const std::size_t end = all.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines_.emplace_back(all.substr(start));
            break;
        }
        lines_.emplace_back(all.substr(start, end - start));
        start = end + 1;
        if (all[end] == '\r' && start < all.size() && all[start] == '\n')
            ++start;
    }
}

std::string BannerStore::Line(int i) const
{
    if (i < 0 || i >= LineCount())
        return {};
    return lines_[static_cast<std::size_t>(i)];
}

std::string BannerLineField(std::string_view line, int n)
{
    const std::string trimmed = Trim(line);
    const std::string_view text = trimmed;
    switch (n) {
    case 0: return std::string(BeforeFirstMark(text));
    case 1: return std::string(BeforeFirstMark(AfterFirstMark(text)));
    case 2: return Trim(AfterFirstMark(AfterFirstMark(text)));
    default: return {};
    }
}

std::string BannerField(const BannerStore &store, int i, int n)
{
    return BannerLineField(store.Line(i), n);
}

int FlagDigit(std::string_view document, std::size_t pos)
{
    if (pos >= document.size())
        throw ConvertError("");
    return StrToInt(document.substr(pos, 1));
}

BannerDocuments FetchBannerDocuments(const BannerFetch &fetch)
{
    BannerDocuments documents;
    try {
        documents.list = fetch(BannerClient::IdHTTP1, kBannerListPath);
        (void)FlagDigit(fetch(BannerClient::IdHTTP2, kBannerFlagPath), 0);
        documents.bannerSwitch = FlagDigit(fetch(BannerClient::IdHTTP2, kBannerFlagPath), 1);
    } catch (...) {
        // Any failure leaves the banner off; nothing is reported.
        documents.bannerSwitch = 0;
    }
    return documents;
}

void BannerRotation::Start(const BannerDocuments &documents)
{
    store_ = BannerStore(documents.list);
    bannerSwitch_ = documents.bannerSwitch;
    index_ = 0;
    lastIndex_ = store_.LineCount() - 1;
}

BannerTick BannerRotation::Tick()
{
    BannerTick tick;
    if (Trim(store_.Text()).empty() || bannerSwitch_ == 0)
        return tick;

    int found = -1;
    for (int i = index_; i <= lastIndex_; ++i) {
        if (BannerField(store_, i, 0) == "1") {
            found = i;
            break;
        }
    }
    if (found < 0)
        return tick;
    index_ = found;

    // A display time that is not a number skips its line: a remote document must not be
    // able to raise an error on every tick.
    bool timeValid = true;
    std::int64_t seconds = 0;
    try {
        seconds = StrToInt(BannerField(store_, found, 1));
    } catch (const ConvertError &) {
        timeValid = false;
    }

    if (timeValid) {
        tick.navigate = true;
        tick.address = BannerField(store_, found, 2);
        if (seconds <= 0) {
            tick.timer = BannerTick::Timer::Stop;
        } else {
            constexpr std::int64_t kMaxInterval = std::numeric_limits<int>::max();
            tick.timer = BannerTick::Timer::SetInterval;
            tick.intervalMs = static_cast<int>(seconds > kMaxInterval / 1000 ? kMaxInterval : seconds * 1000);
        }
    }

    // The index returns to 0 when it reaches the last index (not the line count).
    ++index_;
    if (index_ == lastIndex_)
        index_ = 0;
    return tick;
}

}  // namespace orlenvo
