// Reading the almanac month table text.
#include "calendar/AlmanacTable.h"

#include "calendar/Almanac.h"

#include <array>

namespace orlenvo {

namespace {

constexpr int kPairs = 12 * 60;

// The index of `name` among count names given by nameOf, or -1.
template <typename NameOf>
int IndexOfName(std::string_view name, int count, NameOf nameOf)
{
    for (int i = 0; i < count; ++i)
        if (name == std::string_view(nameOf(i)))
            return i;
    return -1;
}

std::vector<std::string_view> Split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t end = text.find(separator);
        parts.push_back(text.substr(0, end));
        if (end == std::string_view::npos)
            return parts;
        text.remove_prefix(end + 1);
    }
}

AlmanacList ListOf(std::string_view field, const std::string &where)
{
    AlmanacList list;
    list.text = field;
    for (std::string_view item : Split(field, ' ')) {
        if (item.empty())
            throw AlmanacTableError(where + "an empty list, or items not separated by one blank");
        for (unsigned char c : item)
            if (c < 0x20 || c == 0x7F)
                throw AlmanacTableError(where + "a control character in an item");
        list.items.emplace_back(item);
    }
    return list;
}

}  // namespace

AlmanacMonthTable AlmanacMonthTable::Parse(std::string_view text)
{
    AlmanacMonthTable table;
    table.rows_.resize(kPairs);
    std::array<int, kPairs> lineOfPair{};  // 0: not seen yet
    int lineNumber = 0;
    for (std::string_view line : Split(text, '\n')) {
        ++lineNumber;
        if (line.empty() || line.front() == '#')
            continue;
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        const std::vector<std::string_view> fields = Split(line, '\t');
        if (fields.size() != 6)
            throw AlmanacTableError(where + "expected 6 fields separated by tabs, found " +
                                    std::to_string(fields.size()));
        const int month = IndexOfName(fields[0], 12, BranchName);
        if (month < 0)
            throw AlmanacTableError(where + "'" + std::string(fields[0]) + "' is not a branch");
        const int day = IndexOfName(fields[1], 60, [](int n) { return CycleName(n); });
        if (day < 0)
            throw AlmanacTableError(where + "'" + std::string(fields[1]) + "' is not a 干支 of the cycle");
        const int pair = month * 60 + day;
        if (lineOfPair[pair] != 0)
            throw AlmanacTableError(where + "the pair " + std::string(fields[0]) + " " + std::string(fields[1]) +
                                    " was already given on line " + std::to_string(lineOfPair[pair]));
        lineOfPair[pair] = lineNumber;
        table.rows_[pair] = {ListOf(fields[2], where), ListOf(fields[3], where), ListOf(fields[4], where),
                             ListOf(fields[5], where)};
    }
    for (int pair = 0; pair < kPairs; ++pair)
        if (lineOfPair[pair] == 0)
            throw AlmanacTableError("the pair " + std::string(BranchName(pair / 60)) + " " + CycleName(pair % 60) +
                                    " is missing");
    return table;
}

const AlmanacLists &AlmanacMonthTable::Of(int monthBranch, int dayCycle) const
{
    const int month = (monthBranch % 12 + 12) % 12;
    const int day = (dayCycle % 60 + 60) % 60;
    return rows_[static_cast<std::size_t>(month * 60 + day)];
}

}  // namespace orlenvo
