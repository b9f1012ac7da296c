// Reading the almanac month table text.
#include "calendar/AlmanacTable.h"

#include "calendar/Almanac.h"
#include "calendar/TableLines.h"

#include <array>

namespace orlenvo {

namespace {

constexpr int kPairs = 12 * 60;

AlmanacList ListOf(std::string_view field, const TableReader &reader)
{
    AlmanacList list;
    list.text = field;
    for (std::string_view item : SplitFields(field, ' ')) {
        if (item.empty())
            reader.Fail("an empty list, or items not separated by one blank");
        for (unsigned char c : item)
            if (c < 0x20 || c == 0x7F)
                reader.Fail("a control character in an item");
        list.items.emplace_back(item);
    }
    return list;
}

}  // namespace

AlmanacMonthTable AlmanacMonthTable::Parse(std::string_view text, std::string file)
{
    AlmanacMonthTable table;
    table.rows_.resize(kPairs);
    std::array<int, kPairs> lineOfPair{};  // 0: not seen yet
    TableReader reader(text, std::move(file));
    for (std::string_view row; reader.NextRow(row);) {
        const std::vector<std::string_view> fields = SplitFields(row, '\t');
        if (fields.size() != 6)
            reader.Fail("expected 6 fields separated by tabs, found " + std::to_string(fields.size()));
        const int month = IndexOfName(fields[0], 12, BranchName);
        if (month < 0)
            reader.Fail("'" + std::string(fields[0]) + "' is not a branch");
        const int day = IndexOfName(fields[1], 60, [](int n) { return CycleName(n); });
        if (day < 0)
            reader.Fail("'" + std::string(fields[1]) + "' is not a 干支 of the cycle");
        const int pair = month * 60 + day;
        if (lineOfPair[pair] != 0)
            reader.Fail("the pair " + std::string(fields[0]) + " " + std::string(fields[1]) +
                        " was already given on line " + std::to_string(lineOfPair[pair]));
        lineOfPair[pair] = reader.LineNumber();
        table.rows_[pair] = {ListOf(fields[2], reader), ListOf(fields[3], reader), ListOf(fields[4], reader),
                             ListOf(fields[5], reader)};
    }
    for (int pair = 0; pair < kPairs; ++pair)
        if (lineOfPair[pair] == 0)
            reader.FailTable("the pair " + std::string(BranchName(pair / 60)) + " " + CycleName(pair % 60) +
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
