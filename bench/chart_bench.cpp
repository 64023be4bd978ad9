// The day's chart: its layout from a computed day, and the whole chart drawn to an 800x400 PNG.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "chart/chart_drawing.h"
#include "zones/zone_names_icu.h"

namespace {

struct BerlinDay {
    places::Observer observer{52.52, 13.405, *zones::FindZone(zones::LoadZoneCatalogue("en"), "Europe/Berlin"), ""};
    almanac::AlmanacDay day = *almanac::ComputeAlmanacDay({2026, 3, 20}, observer, {});
    almanac::DayLight light = almanac::ComputeDayLight(day, observer);
};

void BM_ChartLayout(benchmark::State& state) {
    const BerlinDay berlin;
    for (auto _ : state) {
        benchmark::DoNotOptimize(chart::MakeDayChart(berlin.day, berlin.light, berlin.observer.zone, {}));
    }
}
BENCHMARK(BM_ChartLayout)->Unit(benchmark::kMicrosecond);

void BM_ChartToPng800x400(benchmark::State& state) {
    const BerlinDay berlin;
    const chart::DayChart drawn = chart::MakeDayChart(berlin.day, berlin.light, berlin.observer.zone, {});
    const std::string path = (std::filesystem::temp_directory_path() / "almanaxium_chart_bench.png").string();
    for (auto _ : state) {
        if (!chart::WriteDayChartFile(path, 800, 400, drawn).empty()) state.SkipWithError("not written");
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_ChartToPng800x400)->Unit(benchmark::kMillisecond);

}  // namespace
