// The almanac: all rows of the huangdao table (1901-2050) as the database build makes them,
// reading the month table, and one day's entry.
#include "calendar/Almanac.h"
#include "tools/dbbuild/AlmanacRows.h"
#include "tools/dbbuild/DbBuild.h"

#include <benchmark/benchmark.h>

namespace {

const std::filesystem::path kMonthTable =
    orlenvo::dbbuild::AlmanacMonthTableFile(std::filesystem::path(ORLENVO_SOURCE_DIR) / "content");

const orlenvo::AlmanacMonthTable &MonthTable()
{
    static const orlenvo::AlmanacMonthTable table = orlenvo::dbbuild::ReadAlmanacMonthTable(kMonthTable);
    return table;
}

void BM_AlmanacRowsOfAllDays(benchmark::State &state)
{
    const orlenvo::AlmanacMonthTable &table = MonthTable();
    std::size_t rows = 0;
    for (auto _ : state) {
        const std::vector<orlenvo::AlmanacEntry> all = orlenvo::AlmanacRows(table);
        rows = all.size();
        benchmark::DoNotOptimize(all.data());
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * rows));
}
BENCHMARK(BM_AlmanacRowsOfAllDays)->Unit(benchmark::kMillisecond);

// What the database build pays once before the rows: reading and checking the 720-row table.
void BM_ReadAlmanacMonthTable(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(orlenvo::dbbuild::ReadAlmanacMonthTable(kMonthTable));
}
BENCHMARK(BM_ReadAlmanacMonthTable)->Unit(benchmark::kMillisecond);

void BM_AlmanacEntryOfOneDay(benchmark::State &state)
{
    const orlenvo::AlmanacMonthTable &table = MonthTable();
    const orlenvo::CalendarDate first = orlenvo::FirstAlmanacDate();
    int offset = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(orlenvo::AlmanacEntryOf(first + offset, table));
        offset = (offset + 97) % 54787;
    }
}
BENCHMARK(BM_AlmanacEntryOfOneDay);

}  // namespace

BENCHMARK_MAIN();
