// The day page of a date over the rules of content/almanac/day-page.txt.
#include "calendar/DayPage.h"

#include "calendar/BuiltInTables.h"
#include "calendar/Sexagenary.h"
#include "calendar/TableLines.h"

#include <cmath>
#include <cstdio>
#include <map>
#include <vector>

namespace orlenvo {

namespace {

// clang-format off
constexpr const char *kHourNames[13] = {
    "早子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥", "晚子",
};
constexpr const char *kDirections[8] = {"正北", "东北", "正东", "东南", "正南", "西南", "正西", "西北"};
// clang-format on

int StemIndex(std::string_view name)
{
    return IndexOfName(name, 10, StemName);
}

int BranchIndex(std::string_view name)
{
    return IndexOfName(name, 12, BranchName);
}

int CycleIndex(std::string_view name)
{
    return IndexOfName(name, 60, [](int n) { return CycleName(n); });
}

bool IsDirection(std::string_view name)
{
    return IndexOfName(name, 8, [](int n) { return kDirections[n]; }) >= 0;
}

// Rows of one section, by the line they stand on.
struct Section {
    std::size_t fields;  // fields after the section name
    int rows;
    std::vector<std::pair<int, std::vector<std::string_view>>> lines;
};

}  // namespace

DayPageRules DayPageRules::Parse(std::string_view text, std::string file)
{
    std::map<std::string_view, Section> sections = {
        {"值神", {2, 12, {}}}, {"青龙", {2, 12, {}}}, {"五鼠遁", {2, 10, {}}},
        {"方位", {6, 10, {}}}, {"宿", {2, 28, {}}},   {"宿起", {2, 1, {}}},
    };
    TableReader reader(text, std::move(file));
    std::string_view row;
    while (reader.NextRow(row)) {
        std::vector<std::string_view> fields = SplitFields(row, '\t');
        const auto section = sections.find(fields.front());
        if (section == sections.end())
            reader.Fail("'" + std::string(fields.front()) + "' is not a section of the table");
        if (fields.size() != section->second.fields + 1)
            reader.Fail("expected " + std::to_string(section->second.fields) +
                        " fields after the section name, found " + std::to_string(fields.size() - 1));
        fields.erase(fields.begin());
        section->second.lines.emplace_back(reader.LineNumber(), std::move(fields));
    }
    for (const auto &[name, section] : sections)
        if (int(section.lines.size()) != section.rows)
            reader.FailTable("the section " + std::string(name) + " has " + std::to_string(section.lines.size()) +
                             " rows instead of " + std::to_string(section.rows));

    DayPageRules rules;
    auto fail = [&](int line, const std::string &why) { throw TableError(reader.File(), line, why); };
    // 值神: name and 黄道/黑道, in the order of the cycle.
    for (std::size_t i = 0; i < 12; ++i) {
        const auto &[line, f] = sections["值神"].lines[i];
        if (f[0].empty() || (f[1] != "黄道" && f[1] != "黑道"))
            fail(line, "expected a name and 黄道 or 黑道");
        for (std::size_t j = 0; j < i; ++j)
            if (rules.godNames_[j] == f[0])
                fail(line, "the name " + std::string(f[0]) + " repeats");
        rules.godNames_[i] = f[0];
        rules.yellowPath_[i] = f[1] == "黄道";
    }
    // 青龙: governing branch and the branch 青龙 falls on.
    std::array<bool, 12> seenBranch{};
    for (const auto &[line, f] : sections["青龙"].lines) {
        const int governing = BranchIndex(f[0]);
        const int branch = BranchIndex(f[1]);
        if (governing < 0 || branch < 0 || seenBranch[governing])
            fail(line, "expected two branches, the first not given before");
        seenBranch[governing] = true;
        rules.greenDragonBranch_[governing] = branch;
    }
    // 五鼠遁: day stem and the 干支 of its 子 hour.
    std::array<bool, 10> seenStem{};
    for (const auto &[line, f] : sections["五鼠遁"].lines) {
        const int stem = StemIndex(f[0]);
        const int cycle = CycleIndex(f[1]);
        if (stem < 0 || cycle < 0 || BranchOfCycle(cycle) != 0 || seenStem[stem])
            fail(line, "expected a stem not given before and a 子 干支");
        seenStem[stem] = true;
        rules.ratHour_[stem] = cycle;
    }
    // 方位: day stem and five directions.
    seenStem = {};
    for (const auto &[line, f] : sections["方位"].lines) {
        const int stem = StemIndex(f[0]);
        if (stem < 0 || seenStem[stem])
            fail(line, "expected a stem not given before");
        seenStem[stem] = true;
        for (std::size_t spirit = 0; spirit < 5; ++spirit) {
            if (!IsDirection(f[spirit + 1]))
                fail(line, "'" + std::string(f[spirit + 1]) + "' is not one of the eight directions");
            rules.directions_[stem][spirit] = f[spirit + 1];
        }
    }
    // 宿: the 28 mansions in order, each 吉 or 凶; 宿起: a date and its mansion.
    for (std::size_t i = 0; i < 28; ++i) {
        const auto &[line, f] = sections["宿"].lines[i];
        if (f[0].empty() || (f[1] != "吉" && f[1] != "凶"))
            fail(line, "expected a name and 吉 or 凶");
        rules.mansionNames_[i] = f[0];
        rules.mansionLuck_[i] = f[1];
    }
    const auto &[anchorLine, anchor] = sections["宿起"].lines.front();
    const std::optional<GregorianDate> anchorDate = IsoDateField(anchor[0]);
    rules.mansionAnchor_ = anchorDate && anchorDate->year >= kFirstTableYear && anchorDate->year <= kLastTableYear
                               ? EncodeDate(*anchorDate)
                               : -1;
    rules.mansionAnchorIndex_ = IndexOfName(anchor[1], 28, [&](int n) { return rules.mansionNames_[n].c_str(); });
    if (rules.mansionAnchor_ < 0 || rules.mansionAnchorIndex_ < 0)
        fail(anchorLine, "expected a date of 1901-2050 and a mansion");
    return rules;
}

int DayPageRules::GodOf(int governingBranch, int branch) const
{
    return CyclePosition(branch - greenDragonBranch_[CyclePosition(governingBranch, 12)], 12);
}

const std::string &DayPageRules::GodName(int god) const
{
    return godNames_[CyclePosition(god, 12)];
}

bool DayPageRules::IsYellowPath(int god) const
{
    return yellowPath_[CyclePosition(god, 12)];
}

int DayPageRules::RatHourCycle(int dayStem) const
{
    return ratHour_[CyclePosition(dayStem, 10)];
}

const std::string &DayPageRules::Direction(int dayStem, int spirit) const
{
    return directions_[CyclePosition(dayStem, 10)][CyclePosition(spirit, 5)];
}

int DayPageRules::MansionOf(CalendarDate date) const
{
    const double days = std::fmod(std::floor(date) - mansionAnchor_ + mansionAnchorIndex_, 28.0);
    return CyclePosition(static_cast<int>(days), 28);
}

const std::string &DayPageRules::MansionName(int mansion) const
{
    return mansionNames_[CyclePosition(mansion, 28)];
}

const std::string &DayPageRules::MansionLuck(int mansion) const
{
    return mansionLuck_[CyclePosition(mansion, 28)];
}

const DayPageRules &BuiltInDayPageRules()
{
    static const DayPageRules rules = DayPageRules::Parse(DayPageTableText());
    return rules;
}

DayPage DayPageOf(CalendarDate date, const DayPageRules &rules)
{
    DayPage page;
    page.details = DayDetailsOf(date);
    page.pillars = PillarsOf(date);
    const int dayStem = StemOfCycle(page.pillars.day);
    const int dayBranch = BranchOfCycle(page.pillars.day);
    page.god = rules.GodOf(BranchOfCycle(page.pillars.month), dayBranch);
    page.yellowPath = rules.IsYellowPath(page.god);
    page.mansion = rules.MansionOf(date);
    for (int spirit = 0; spirit < 5; ++spirit)
        page.directions[spirit] = rules.Direction(dayStem, spirit);

    const int ratHour = rules.RatHourCycle(dayStem);
    for (int row = 0; row < 13; ++row) {
        HourRow &hour = page.hours[row];
        hour.name = kHourNames[row];
        hour.firstHour = row == 0 ? 0 : row == 12 ? 23 : 2 * row - 1;
        hour.lastHour = row == 0 ? 0 : row == 12 ? 23 : 2 * row;
        // 晚子 is the next day's 子 hour: the stems and the 值神 of the hour that opens the next day.
        hour.cycle = row == 12 ? rules.RatHourCycle(dayStem + 1) : CyclePosition(ratHour + row, 60);
        hour.god = rules.GodOf(row == 12 ? dayBranch + 1 : dayBranch, row % 12);
        hour.yellowPath = rules.IsYellowPath(hour.god);
        hour.clash = ClashText(hour.cycle);
    }
    return page;
}

int HourRowOf(int clockHour)
{
    const int hour = CyclePosition(clockHour, 24);
    return hour == 23 ? 12 : (hour + 1) / 2;
}

std::string HourSpanText(const HourRow &row)
{
    char text[32];
    std::snprintf(text, sizeof text, "%02d:00–%02d:59", row.firstHour, row.lastHour);
    return text;
}

}  // namespace orlenvo
