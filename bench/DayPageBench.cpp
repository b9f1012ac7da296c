// The day page beside the almanac row: one day's page and one day's almanac entry, all 54,787 days of
// each, reading the day-page table; and opening the day page window beside opening the almanac window
// and looking a day up (offscreen, over the built QorvFile.dll).
#include "calendar/Almanac.h"
#include "calendar/BuiltInTables.h"
#include "calendar/DayPage.h"
#include "calendar/windows/DayPage.h"
#include "calendar/windows/huangdao.h"
#include "core/RegionalSettings.h"
#include "data/KnowledgeDb.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

using namespace orlenvo;

constexpr int kDays = 54787;

void DayPageOfOneDay(benchmark::State &state)
{
    const DayPageRules &rules = BuiltInDayPageRules();
    int offset = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(DayPageOf(kFirstTableDate + offset, rules));
        offset = (offset + 97) % kDays;
    }
}
BENCHMARK(DayPageOfOneDay);

void AlmanacEntryOfOneDay(benchmark::State &state)
{
    const AlmanacMonthTable &table = BuiltInAlmanacMonthTable();
    int offset = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(AlmanacEntryOf(kFirstTableDate + offset, table));
        offset = (offset + 97) % kDays;
    }
}
BENCHMARK(AlmanacEntryOfOneDay);

template <typename Of>
void EveryDay(benchmark::State &state, Of of)
{
    for (auto _ : state)
        for (CalendarDate date = kFirstTableDate; date <= kLastTableDate; date += 1)
            benchmark::DoNotOptimize(of(date));
    state.SetItemsProcessed(state.iterations() * kDays);
}

void DayPageOfEveryDay(benchmark::State &state)
{
    const DayPageRules &rules = BuiltInDayPageRules();
    EveryDay(state, [&](CalendarDate date) { return DayPageOf(date, rules).god; });
}
BENCHMARK(DayPageOfEveryDay)->Unit(benchmark::kMillisecond);

void AlmanacEntryOfEveryDay(benchmark::State &state)
{
    const AlmanacMonthTable &table = BuiltInAlmanacMonthTable();
    EveryDay(state, [&](CalendarDate date) { return AlmanacEntryOf(date, table).yi.size(); });
}
BENCHMARK(AlmanacEntryOfEveryDay)->Unit(benchmark::kMillisecond);

// What the first page pays once.
void ParseDayPageTable(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(DayPageRules::Parse(DayPageTableText()));
}
BENCHMARK(ParseDayPageTable)->Unit(benchmark::kMicrosecond);

// Opening a window as its command does, until its first paint, and closing it.
template <typename Open>
void OpenWindow(benchmark::State &state, Open open)
{
    for (auto _ : state) {
        QWidget *window = open();
        QCoreApplication::processEvents();
        window->grab();  // the first paint
        delete window;
    }
}

void OpenDayPageWindow(benchmark::State &state)
{
    OpenWindow(state, [] { return calendar::OpenDayPage(nullptr, EncodeDate(2026, 2, 17)); });
}
BENCHMARK(OpenDayPageWindow)->Unit(benchmark::kMillisecond);

void OpenAlmanacWindowAndLookUp(benchmark::State &state)
{
    OpenWindow(state, [] {
        calendar::TFormHuangdao *window = calendar::OpenAlmanacWindow(nullptr);
        window->ShowDay(2026, 2, 17);
        return window;
    });
}
BENCHMARK(OpenAlmanacWindowAndLookUp)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SynchroniseRegionalSettings(RegionalSettings());
    OverrideProgramFolder(ORLENVO_BIN_DIR);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
