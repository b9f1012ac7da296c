#include "core/Simplified.h"

#include <algorithm>
#include <vector>

namespace orlenvo {

namespace {

const SimplifiedRow *Find(std::string_view key)
{
    const SimplifiedRow *end = kSimplifiedRows + kSimplifiedRowCount;
    const SimplifiedRow *row = std::lower_bound(
        kSimplifiedRows, end, key, [](const SimplifiedRow &r, std::string_view k) { return r.traditional < k; });
    return row != end && row->traditional == key ? row : nullptr;
}

}  // namespace

std::size_t NextUtf8Character(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead >= 0xF0 && lead <= 0xF7 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    std::size_t end = at + 1;
    while (end < at + length && end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        ++end;
    return end;
}

std::string ToSimplified(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    std::vector<std::size_t> ends;
    std::size_t at = 0;
    while (at < utf8.size()) {
        // The ends of the next characters, as many as the longest key holds.
        ends.clear();
        for (std::size_t end = at; ends.size() < kSimplifiedLongestKey && end < utf8.size();) {
            end = NextUtf8Character(utf8, end);
            ends.push_back(end);
        }
        // The longest key that starts here, down to the single character.
        const SimplifiedRow *row = nullptr;
        std::size_t count = ends.size();
        while (count > 0 && (row = Find(utf8.substr(at, ends[count - 1] - at))) == nullptr)
            --count;
        if (row != nullptr) {
            out += row->simplified;
            at = ends[count - 1];
        } else {
            out += utf8.substr(at, ends[0] - at);
            at = ends[0];
        }
    }
    return out;
}

}  // namespace orlenvo
