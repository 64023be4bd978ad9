// The almanac over a span of days: a year of day reports with their texts for one place, and the
// CSV of ten years.
#include <benchmark/benchmark.h>

#include "almanac/day_span.h"
#include "almanac/span_csv.h"

namespace {

almanac::DayZone Berlin() {
    return *almanac::FindZone(almanac::LoadZoneCatalogue("en"), "Europe/Berlin");
}

void BM_YearOfDayReports(benchmark::State& state) {
    const almanac::DayZone zone = Berlin();
    for (auto _ : state) {
        benchmark::DoNotOptimize(almanac::ComputeSpan(almanac::YearSpan(2024), 52.52, 13.405, zone, false));
    }
}
BENCHMARK(BM_YearOfDayReports)->Unit(benchmark::kMillisecond);

void BM_TenYearsOfCsv(benchmark::State& state) {
    const std::vector<almanac::SpanDay> days =
        almanac::ComputeSpan({{2020, 1, 1}, {2029, 12, 31}}, 52.52, 13.405, Berlin(), false);
    for (auto _ : state) benchmark::DoNotOptimize(almanac::SpanCsv(days));
}
BENCHMARK(BM_TenYearsOfCsv)->Unit(benchmark::kMillisecond);

}  // namespace
