// The almanac over a span of days: a year of day reports with their texts for one place, and the
// CSV of ten years.
#include <benchmark/benchmark.h>

#include "almanac/day_span.h"
#include "almanac/span_csv.h"
#include "zones/zone_names_icu.h"

namespace {

places::Observer Berlin() {
    return {52.52, 13.405, *zones::FindZone(zones::LoadZoneCatalogue("en"), "Europe/Berlin"), "Berlin"};
}

void BM_YearOfDayReports(benchmark::State& state) {
    const places::Observer berlin = Berlin();
    for (auto _ : state) {
        benchmark::DoNotOptimize(almanac::ComputeSpan(almanac::YearSpan(2024), berlin, {}));
    }
}
BENCHMARK(BM_YearOfDayReports)->Unit(benchmark::kMillisecond);

void BM_TenYearsOfCsv(benchmark::State& state) {
    const std::vector<almanac::SpanDay> days =
        almanac::ComputeSpan({{2020, 1, 1}, {2029, 12, 31}}, Berlin(), {});
    for (auto _ : state) benchmark::DoNotOptimize(almanac::SpanCsv(days));
}
BENCHMARK(BM_TenYearsOfCsv)->Unit(benchmark::kMillisecond);

}  // namespace
