// One whole day report, and reading the time-zone catalogue as the window does at its start.
#include <benchmark/benchmark.h>

#include <ctime>
#include <vector>

#include "zones/time_zone_catalogue.h"
#include "zones/zone_names_icu.h"
#include "report/day_report.h"
#include "report/value_formatting.h"

namespace {

// The Brandenburg Gate on Berlin's clock.
places::Observer Berlin() {
    places::Observer observer;
    observer.latitudeDeg = 52.5161564;
    observer.longitudeDeg = 13.3775096;
    observer.zone.rule = zones::ReadZoneFileRule(std::string(zones::kSystemZoneInfoFolder) + "/Europe/Berlin")->rule;
    return observer;
}

void BM_ComputeDayReport(benchmark::State& state) {
    const places::Observer observer = Berlin();
    std::vector<astro::CalendarDate> days;
    for (int day = 0; day < 366; ++day) days.push_back(astro::AddDays({2024, 1, 1}, day));
    astro::DayEphemeris ephemeris;
    astro::PhaseDates phases;
    report::DayReport dayReport;
    std::size_t i = 0;
    for (auto _ : state) {
        report::ComputeDayReport(days[i], observer, ephemeris, phases, dayReport);
        benchmark::DoNotOptimize(dayReport);
        i = (i + 1) % days.size();
    }
}
BENCHMARK(BM_ComputeDayReport);

void BM_FormatDayReport(benchmark::State& state) {
    astro::DayEphemeris ephemeris;
    astro::PhaseDates phases;
    report::DayReport dayReport;
    report::ComputeDayReport({2024, 6, 25}, Berlin(), ephemeris, phases, dayReport);
    for (auto _ : state) benchmark::DoNotOptimize(report::FormatDayReport(dayReport, {}));
}
BENCHMARK(BM_FormatDayReport);

void BM_LoadTimeZones(benchmark::State& state) {
    for (auto _ : state) {
        std::vector<zones::TimeZoneEntry> catalogue;
        zones::LoadTimeZones(catalogue, zones::kSystemZoneInfoFolder, zones::IcuZoneNames("de"));
        benchmark::DoNotOptimize(catalogue);
    }
}
BENCHMARK(BM_LoadTimeZones)->Unit(benchmark::kMillisecond);

}  // namespace
