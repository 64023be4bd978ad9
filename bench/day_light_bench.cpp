// The day's light of one date: the golden and blue hour's edges and the 289 samples of the Sun and
// the Moon, from a computed day; a polar night whose end is searched for weeks ahead, and a polar
// day near the pole whose sunset comes almost six months later.
#include <benchmark/benchmark.h>

#include "almanac/day_light.h"
#include "zones/zone_names_icu.h"

namespace {

void RunDayLight(benchmark::State& state, const astro::CalendarDate& date, double latitude,
                 double longitude) {
    const places::Observer observer{latitude, longitude,
                                    *zones::FindZone(zones::LoadZoneCatalogue("en"), "Europe/Berlin"), ""};
    const almanac::AlmanacDay day = *almanac::ComputeAlmanacDay(date, observer, {});
    for (auto _ : state) {
        benchmark::DoNotOptimize(almanac::ComputeDayLight(day, observer));
    }
}

void BM_DayLight(benchmark::State& state) { RunDayLight(state, {2024, 6, 21}, 52.52, 13.405); }
BENCHMARK(BM_DayLight)->Unit(benchmark::kMicrosecond);

void BM_DayLightOfAPolarNight(benchmark::State& state) { RunDayLight(state, {2024, 12, 1}, 78.22, 15.63); }
BENCHMARK(BM_DayLightOfAPolarNight)->Unit(benchmark::kMicrosecond);

void BM_DayLightOfAPolarDayNearThePole(benchmark::State& state) { RunDayLight(state, {2024, 4, 1}, 89.9, 0.0); }
BENCHMARK(BM_DayLightOfAPolarDayNearThePole)->Unit(benchmark::kMicrosecond);

}  // namespace
