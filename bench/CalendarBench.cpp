// The lunar date code, day-cell label and almanac row of every day 1901-2050, and one fill of
// the calendar window.
#include "calendar/windows/DateWin.h"
#include "calendar/Almanac.h"
#include "calendar/CalendarLabels.h"
#include "calendar/LunarCalendar.h"

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
        static_cast<double>(dayCount),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
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
