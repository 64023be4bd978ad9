#include "day_span.h"

#include <algorithm>

namespace almanac {

DaySpan MonthSpan(int year, int month) {
    const auto y = static_cast<std::uint16_t>(year);
    const auto m = static_cast<std::uint16_t>(month);
    return {{y, m, 1}, {y, m, static_cast<std::uint16_t>(astro::DaysInMonth(year, month))}};
}

DaySpan YearSpan(int year) {
    const auto y = static_cast<std::uint16_t>(year);
    return {{y, 1, 1}, {y, 12, 31}};
}

std::string SpanFault(const DaySpan& span) {
    if (span.last < span.first) return "the span ends before it begins";
    if (span.first < kFirstDate || kLastDate < span.last) {
        return "the span reaches beyond the years 1901 to 2099, which the almanac computes";
    }
    return std::string();
}

namespace {

double JulianDayOfMidnight(const astro::CalendarDate& date) {
    return astro::JulianDayOfDate(date.year, date.month, date.day);
}

astro::CalendarDate DateOf(const zones::LocalDateTime& when) { return {when.year, when.month, when.day}; }

}  // namespace

std::vector<SpanDay> ComputeSpan(const DaySpan& span, const places::Observer& observer,
                                 const report::TextStyle& style) {
    std::vector<SpanDay> days;
    if (!SpanFault(span).empty()) return days;
    // The phases of the span's UT days and one more on each side: a zone's clock is at most a
    // day away from UT.
    std::vector<PhaseOnDay> phases;
    for (const astro::PrincipalPhaseInstant& instant :
         astro::PrincipalPhasesBetween(JulianDayOfMidnight(span.first) - 1, JulianDayOfMidnight(span.last) + 2)) {
        phases.push_back({instant.phase, zones::UniversalToLocal(observer.zone.rule, instant.when), instant.when});
    }
    auto phase = phases.begin();
    for (astro::CalendarDate date = span.first;; date = astro::AddDays(date, 1)) {
        SpanDay spanDay;
        // Every date of a span exists: a day is never missing.
        spanDay.day = ComputeAlmanacDay(date, observer, style).value_or(AlmanacDay());
        phase = std::find_if(phase, phases.end(), [&](const PhaseOnDay& p) { return DateOf(p.when) >= date; });
        if (phase != phases.end() && DateOf(phase->when) == date) spanDay.phase = *phase;
        days.push_back(std::move(spanDay));
        if (!(date < span.last)) break;
    }
    return days;
}

}  // namespace almanac
