// Dates of the next new and full Moon from the mean phases and the true-phase series of Meeus
// ("Astronomical Formulae for Calculators", phases of the Moon), with lunations counted from the new
// moon of 1900 January.
#include <cmath>
#include <tuple>

#include "astronomy.h"
#include "constants.h"
#include "degree_trig.h"

namespace astro {

namespace c = constants;
namespace deg = degrees;

double MeanPhaseDate(double s, double k) {
    const double t = (s - c::kPhaseTimeEpoch) / c::kDaysPerJulianCentury;
    const double t2 = t * t;
    return c::kPhaseEpoch + c::kSynodicMonthDays * k + 0.0001178 * t2 - 1.55e-07 * t2 * t +
           0.00033 * deg::Sin(166.56 + 132.87 * t - 0.009173 * t2);
}

namespace {

// The mean phase of lunation k plus a fraction of it, with the Sun's and the Moon's mean anomalies
// (m, mp) and the Moon's argument of latitude (f) at that time, degrees; t in Julian centuries.
struct PhaseArguments {
    double t, meanPhase, m, mp, f;
};

PhaseArguments ArgumentsOfPhase(double k, double selector) {
    const double kk = k + selector;
    const double t = kk / c::kLunationsPerJulianCentury;
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double meanPhase = c::kPhaseEpoch + c::kSynodicMonthDays * kk + 0.0001178 * t2 -
                             1.55e-07 * t3 + 0.00033 * deg::Sin(166.56 + 132.87 * t - 0.009173 * t2);
    return {t, meanPhase, 359.2242 + 29.10535608 * kk - 3.33e-05 * t2 - 3.47e-06 * t3,
            306.0253 + 385.81691806 * kk + 0.0107306 * t2 + 1.236e-05 * t3,
            21.2964 + 390.67050646 * kk - 0.0016528 * t2 - 2.39e-06 * t3};
}

}  // namespace

double TruePhaseDate(double k, double selector) {
    const auto [t, meanPhase, m, mp, f] = ArgumentsOfPhase(k, selector);
    const bool newOrFull = selector < 0.01 || std::fabs(selector - 0.5) < 0.01;
    // The series below holds for new and full Moon only; the quarters have their own.
    if (!newOrFull) return meanPhase;
    const double correction =
        (0.1734 - 0.000393 * t) * deg::Sin(m) + 0.0021 * deg::Sin(2 * m) -
        0.4068 * deg::Sin(mp) + 0.0161 * deg::Sin(2 * mp) - 0.0004 * deg::Sin(3 * mp) +
        0.0104 * deg::Sin(2 * f) - 0.0051 * deg::Sin(m + mp) - 0.0074 * deg::Sin(m - mp) +
        0.0004 * deg::Sin(2 * f + m) - 0.0004 * deg::Sin(2 * f - m) -
        0.0006 * deg::Sin(2 * f + mp) + 0.001 * deg::Sin(2 * f - mp) +
        0.0005 * deg::Sin(m + 2 * mp);
    return meanPhase + correction;
}

double TrueQuarterDate(double k, double selector) {
    const auto [t, meanPhase, m, mp, f] = ArgumentsOfPhase(k, selector);
    // The quarters' own series, then the term that tells the first quarter from the last.
    const double correction =
        (0.1721 - 0.0004 * t) * deg::Sin(m) + 0.0021 * deg::Sin(2 * m) -
        0.628 * deg::Sin(mp) + 0.0089 * deg::Sin(2 * mp) - 0.0004 * deg::Sin(3 * mp) +
        0.0079 * deg::Sin(2 * f) - 0.0119 * deg::Sin(m + mp) - 0.0047 * deg::Sin(m - mp) +
        0.0003 * deg::Sin(2 * f + m) - 0.0004 * deg::Sin(2 * f - m) -
        0.0006 * deg::Sin(2 * f + mp) + 0.0021 * deg::Sin(2 * f - mp) +
        0.0003 * deg::Sin(m + 2 * mp) + 0.0004 * deg::Sin(m - 2 * mp) - 0.0003 * deg::Sin(2 * m + mp);
    const double side = 0.0028 - 0.0004 * deg::Cos(m) + 0.0003 * deg::Cos(mp);
    return meanPhase + correction + (selector < 0.5 ? side : -side);
}

namespace {

CivilDateTime CivilDateTimeOfJulianDay(double jd) {
    const CalendarDate date = CivilDateOfJulianDay(jd);
    const double f = (jd + 0.5) - std::floor(jd + 0.5);
    const auto secs = static_cast<std::int32_t>(f * 86400);
    CivilDateTime result;
    result.year = date.year;
    result.month = date.month;
    result.day = date.day;
    result.hour = static_cast<std::uint16_t>(secs / 3600);
    result.minute = static_cast<std::uint16_t>((secs / 60) % 60);
    result.second = static_cast<std::uint16_t>(secs - (secs / 60) * 60);
    return result;
}

// A phase counts only when its calendar date is strictly later than the input date.
bool DateIsAfter(const CivilDateTime& phase, int year, int month, int day) {
    return std::tuple(int{phase.year}, int{phase.month}, int{phase.day}) >
           std::tuple(year, month, day);
}

struct PhaseSearch {
    int year, month, day;
    PhaseDates dates;
    bool newFound = false;
    bool fullFound = false;

    // Steps the mean new moons from 45 days before the date until two of them bracket the midnight
    // that ends the date, then takes the true phases of that lunation and of the next new moon.
    void Run(double j) {
        const double s = j + 0.5;
        double a = s - 45;
        const CalendarDate start = CivilDateOfJulianDay(a);
        double k1 = std::floor(((start.month - 1) * 0.08333333333333333 + start.year - 1900) *
                               c::kLunationsPerYear);
        double nt1 = MeanPhaseDate(a, k1);
        double k2 = k1;
        for (;;) {
            a = a + c::kSynodicMonthDays;
            k2 = k1 + 1;
            const double nt2 = MeanPhaseDate(a, k2);
            if (nt1 <= s && nt2 > s) break;
            nt1 = nt2;
            k1 = k2;
        }
        const CivilDateTime newMoon = CivilDateTimeOfJulianDay(TruePhaseDate(k1, 0.0));
        const CivilDateTime fullMoon = CivilDateTimeOfJulianDay(TruePhaseDate(k1, 0.5));
        const CivilDateTime nextNewMoon = CivilDateTimeOfJulianDay(TruePhaseDate(k2, 0.0));

        if (!newFound) {
            if (DateIsAfter(newMoon, year, month, day)) {
                dates.nextNewMoon = newMoon;
                newFound = true;
            } else if (DateIsAfter(nextNewMoon, year, month, day)) {
                dates.nextNewMoon = nextNewMoon;
                newFound = true;
            }
        }
        if (!fullFound && DateIsAfter(fullMoon, year, month, day)) {
            dates.nextFullMoon = fullMoon;
            fullFound = true;
        }
    }
};

}  // namespace

std::vector<PrincipalPhaseInstant> PrincipalPhasesBetween(double from, double until) {
    std::vector<PrincipalPhaseInstant> phases;
    // From the lunation before the first day to the one after the last, so no phase near an end is
    // missed; each phase is kept or not by its own instant.
    const double first = std::floor((from - c::kPhaseEpoch) / c::kSynodicMonthDays) - 1;
    const double last = std::ceil((until - c::kPhaseEpoch) / c::kSynodicMonthDays) + 1;
    for (double k = first; k <= last; ++k) {
        const double instants[] = {TruePhaseDate(k, 0.0), TrueQuarterDate(k, 0.25), TruePhaseDate(k, 0.5),
                                   TrueQuarterDate(k, 0.75)};
        for (int i = 0; i < 4; ++i) {
            if (instants[i] >= from && instants[i] < until) {
                phases.push_back({static_cast<PrincipalPhase>(i), CivilDateTimeOfJulianDay(instants[i])});
            }
        }
    }
    return phases;
}

PhaseDates FindNextPhases(int year, int month, int day) {
    PhaseSearch search{year, month, day, {}};
    const double j = JulianDayNumber(year, month, day);
    search.Run(j);
    // A phase that the first lunation has already passed lies in the next one.
    if (!search.newFound || !search.fullFound) search.Run(j + 29);
    return search.dates;
}

}  // namespace astro
