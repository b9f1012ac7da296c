// The lunar date code, day-cell label and almanac row of every day 1901-2050, one fill of the
// calendar window, and what a fill computes per month: the cells' texts alone (as before the day
// details) beside the cells' texts with every day's details, tooltip lines and good-day test; and
// reading each compiled-in table.
#include "calendar/Almanac.h"
#include "calendar/BuiltInTables.h"
#include "calendar/CalendarLabels.h"
#include "calendar/DayDetails.h"
#include "calendar/LunarCalendar.h"
#include "calendar/windows/DateWin.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

using namespace orlenvo;

// Runs `of` on every day 1901-2050 once per iteration; counts seconds per day.
template <typename Of>
void EveryDay(benchmark::State &state, Of of)
{
    const CalendarDate first = EncodeDate(1901, 1, 1);
    const CalendarDate last = EncodeDate(2050, 12, 31);
    const auto dayCount = static_cast<std::int64_t>(last - first) + 1;
    for (auto _ : state) {
        for (CalendarDate date = first; date <= last; date += 1.0)
            benchmark::DoNotOptimize(of(date));
    }
    state.SetItemsProcessed(state.iterations() * dayCount);
    // Seconds per day, printed by the library in its time unit.
    state.counters["per_day"] = benchmark::Counter(
        static_cast<double>(dayCount), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void LunarDateCodeOfEveryDay(benchmark::State &state)
{
    EveryDay(state, [](CalendarDate date) { return LunarDateCodeOf(date); });
}
BENCHMARK(LunarDateCodeOfEveryDay)->Unit(benchmark::kMicrosecond);

// The label of every day cell, and the computed almanac row of every day.
void DayCellLabelOfEveryDay(benchmark::State &state)
{
    EveryDay(state, [](CalendarDate date) { return DayCellLabel(date).text.size(); });
}
BENCHMARK(DayCellLabelOfEveryDay)->Unit(benchmark::kMicrosecond);

void AlmanacEntryOfEveryDay(benchmark::State &state)
{
    EveryDay(state, [](CalendarDate date) { return AlmanacEntryOf(date).nn.size(); });
}
BENCHMARK(AlmanacEntryOfEveryDay)->Unit(benchmark::kMicrosecond);

void FillMonth(benchmark::State &state)
{
    calendar::TFRM_Date window;
    const CalendarDate dates[2] = {EncodeDate(2008, 2, 7), EncodeDate(2000, 1, 31)};
    int i = 0;
    for (auto _ : state)
        window.FillMonth(dates[i++ & 1]);
}
BENCHMARK(FillMonth)->Unit(benchmark::kMicrosecond);

// The 31 days of August 2008 and of January 2000.
template <typename Day>
void EachDayOfTwoMonths(benchmark::State &state, Day day)
{
    const CalendarDate firsts[2] = {EncodeDate(2008, 8, 1), EncodeDate(2000, 1, 1)};
    int i = 0;
    for (auto _ : state) {
        const CalendarDate first = firsts[i++ & 1];
        for (int d = 0; d < 31; ++d)
            day(first + d);
    }
}

void MonthCellTexts(benchmark::State &state)
{
    EachDayOfTwoMonths(state, [](CalendarDate date) {
        benchmark::DoNotOptimize(DayCellLabel(date));
        benchmark::DoNotOptimize(ConstellationOf(date));
    });
}
BENCHMARK(MonthCellTexts)->Unit(benchmark::kMicrosecond);

void MonthCellTextsWithDetailsAndMarks(benchmark::State &state)
{
    const GoodDayQuery marriage{"嫁娶", 0};
    EachDayOfTwoMonths(state, [&](CalendarDate date) {
        benchmark::DoNotOptimize(DayCellLabel(date));
        benchmark::DoNotOptimize(ConstellationOf(date));
        const DayDetails details = DayDetailsOf(date);
        benchmark::DoNotOptimize(DayDetailLines(details));
        benchmark::DoNotOptimize(IsGoodDay(details, marriage));
    });
}
BENCHMARK(MonthCellTextsWithDetailsAndMarks)->Unit(benchmark::kMicrosecond);

// What the calendar's first month pays once for each compiled-in table: the solar-term moments
// (from which the term days are derived), the holidays and the almanac month table.
void ReadBuiltInTable(benchmark::State &state)
{
    for (auto _ : state) {
        switch (state.range(0)) {
        case 0: benchmark::DoNotOptimize(ParseSolarTermMoments(SolarTermMomentsText())); break;
        case 1: benchmark::DoNotOptimize(ParseHolidayTable(HolidayTableText())); break;
        default: benchmark::DoNotOptimize(AlmanacMonthTable::Parse(MonthTableText())); break;
        }
    }
}
BENCHMARK(ReadBuiltInTable)->ArgName("terms_holidays_months")->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
