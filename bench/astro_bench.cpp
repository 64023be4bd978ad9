// The engine's two entry points over a year of consecutive days in Berlin.
#include <benchmark/benchmark.h>

#include <vector>

#include "astro/astronomy.h"

namespace {

constexpr double kBerlinLatitude = 52.5161564;
constexpr double kBerlinLongitude = 13.3775096;

std::vector<astro::CivilDateTime> DaysOf2024() {
    std::vector<astro::CivilDateTime> days;
    for (int jdn = astro::JulianDayNumber(2024, 1, 1); jdn <= astro::JulianDayNumber(2024, 12, 31);
         ++jdn) {
        const astro::CalendarDate d = astro::CivilDateOfJulianDay(jdn);
        days.push_back({d.year, d.month, d.day, 0, 0, 0});
    }
    return days;
}

// Berlin's offset: +2 from the last Sunday of March to the last Sunday of October, else +1.
double BerlinOffset(const astro::CivilDateTime& d) {
    return (d.month > 3 && d.month < 10) || (d.month == 3 && d.day >= 31) ||
                   (d.month == 10 && d.day < 27)
               ? 2.0
               : 1.0;
}

void BM_ComputeDayEphemeris(benchmark::State& state) {
    const std::vector<astro::CivilDateTime> days = DaysOf2024();
    astro::DayEphemeris ephemeris;
    std::size_t i = 0;
    for (auto _ : state) {
        const astro::CivilDateTime& day = days[i];
        astro::ComputeDayEphemeris(day, BerlinOffset(day), kBerlinLatitude, kBerlinLongitude,
                                   ephemeris);
        benchmark::DoNotOptimize(ephemeris);
        i = (i + 1) % days.size();
    }
}
BENCHMARK(BM_ComputeDayEphemeris);

void BM_FindNextPhases(benchmark::State& state) {
    const std::vector<astro::CivilDateTime> days = DaysOf2024();
    std::size_t i = 0;
    for (auto _ : state) {
        const astro::CivilDateTime& day = days[i];
        benchmark::DoNotOptimize(astro::FindNextPhases(day.year, day.month, day.day));
        i = (i + 1) % days.size();
    }
}
BENCHMARK(BM_FindNextPhases);

}  // namespace
