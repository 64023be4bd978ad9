// The iCalendar writer for ten years of days at one place, every kind of event: what exporting a
// long span costs beyond computing it. The span is computed once, outside the timed loop.
#include <benchmark/benchmark.h>

#include "almanac/day_span.h"
#include "calendar/span_calendar.h"

namespace {

void BM_SpanCalendarTenYears(benchmark::State& state) {
    const places::Observer observer{52.52, 13.405, zones::FixedOffsetZone(1), "52.52, 13.405"};
    const auto days = almanac::ComputeSpan({{2020, 1, 1}, {2029, 12, 31}}, observer, {});
    const std::vector<std::string> events = {"sunrise", "sunset", "civil", "nautical", "astronomical",
                                             "moonrise", "moonset", "phases"};
    for (auto _ : state) {
        benchmark::DoNotOptimize(calendar::SpanCalendar(days, observer, events, {}));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(days.size()));
}
BENCHMARK(BM_SpanCalendarTenYears)->Unit(benchmark::kMillisecond);

}  // namespace
