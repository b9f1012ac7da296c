// Reading the line-based text tables of content/almanac.
#pragma once

#include <cstddef>
#include <string_view>

namespace orlenvo {

// Calls visit(lineNumber, line) for each line of text, numbered from 1; lines end in LF, the last may not.
template <typename Visit>
void ForEachLine(std::string_view text, Visit visit)
{
    for (int lineNumber = 1; !text.empty(); ++lineNumber) {
        const std::size_t end = text.find('\n');
        visit(lineNumber, text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
}

// The value of 1 to 4 decimal digits, or -1 for anything else.
inline int FieldNumber(std::string_view text)
{
    if (text.empty() || text.size() > 4)
        return -1;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace orlenvo
