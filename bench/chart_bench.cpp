// The day's chart: its layout from a computed day, and the whole chart drawn to an 800x400 PNG.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "chart/chart_drawing.h"

namespace {

struct BerlinDay {
    almanac::DayZone zone = *almanac::FindZone(almanac::LoadZoneCatalogue("en"), "Europe/Berlin");
    almanac::AlmanacDay day;
    almanac::DayLight light;
    BerlinDay() {
        almanac::ComputeAlmanacDay({2026, 3, 20}, 52.52, 13.405, zone, false, day);
        light = almanac::ComputeDayLight(day, 52.52, 13.405, zone);
    }
};

void BM_ChartLayout(benchmark::State& state) {
    const BerlinDay berlin;
    for (auto _ : state) {
        benchmark::DoNotOptimize(chart::MakeDayChart(berlin.day, berlin.light, berlin.zone, false));
    }
}
BENCHMARK(BM_ChartLayout)->Unit(benchmark::kMicrosecond);

void BM_ChartToPng800x400(benchmark::State& state) {
    const BerlinDay berlin;
    const chart::DayChart drawn = chart::MakeDayChart(berlin.day, berlin.light, berlin.zone, false);
    const std::string path = (std::filesystem::temp_directory_path() / "almanaxium_chart_bench.png").string();
    for (auto _ : state) {
        if (!chart::WriteDayChartFile(path, 800, 400, drawn).empty()) state.SkipWithError("not written");
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_ChartToPng800x400)->Unit(benchmark::kMillisecond);

}  // namespace
