// Exporting every solar term of 1901-2050 (3600 events): written as iCalendar with libical beside
// the same events written as plain text lines, and the day set alone.
#include "calendar/CalendarExport.h"
#include "calendar/ICalendarFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

using namespace orlenvo;

void TermEvents(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(SolarTermEvents(kFirstTableYear, kLastTableYear));
    state.SetItemsProcessed(state.iterations() * 3600);
}
BENCHMARK(TermEvents)->Unit(benchmark::kMillisecond);

void TermsAsICalendar(benchmark::State &state)
{
    const std::vector<CalendarEvent> events = SolarTermEvents(kFirstTableYear, kLastTableYear);
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = ICalendarText("Orlenvo 1901-2050", events, 0);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(events.size()));
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(TermsAsICalendar)->Unit(benchmark::kMillisecond);

// The same fields, one line per event: UID, start, summary, description.
void TermsAsPlainText(benchmark::State &state)
{
    const std::vector<CalendarEvent> events = SolarTermEvents(kFirstTableYear, kLastTableYear);
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string text;
        for (const CalendarEvent &e : events) {
            char start[32];
            std::snprintf(start, sizeof start, "%04d%02d%02dT%02d%02d00Z", e.start.year, e.start.month, e.start.day,
                          e.hour, e.minute);
            text += e.uid + '\t' + start + '\t' + e.summary + '\t' + e.description + '\n';
        }
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(events.size()));
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(TermsAsPlainText)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
