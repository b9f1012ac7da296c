// The almanac: all rows of the huangdao table (1901-2050) as the database build makes them,
// and one day's entry.
#include "calendar/Almanac.h"
#include "tools/dbbuild/AlmanacRows.h"

#include <benchmark/benchmark.h>

namespace {

void BM_AlmanacRowsOfAllDays(benchmark::State &state)
{
    std::size_t rows = 0;
    for (auto _ : state) {
        const std::vector<orlenvo::AlmanacRow> all = orlenvo::AlmanacRows();
        rows = all.size();
        benchmark::DoNotOptimize(all.data());
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * rows));
}
BENCHMARK(BM_AlmanacRowsOfAllDays)->Unit(benchmark::kMillisecond);

void BM_AlmanacEntryOfOneDay(benchmark::State &state)
{
    const orlenvo::CalendarDate first = orlenvo::FirstAlmanacDate();
    int offset = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(orlenvo::AlmanacEntryOf(first + offset));
        offset = (offset + 97) % 54787;
    }
}
BENCHMARK(BM_AlmanacEntryOfOneDay);

}  // namespace

BENCHMARK_MAIN();
