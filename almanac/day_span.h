// The almanac over a span of days: the span asked for, every day of it computed, and the days on
// which the Moon reaches one of its four principal phases.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "almanac/almanac_day.h"

namespace almanac {

// The first and the last day of a span, both included.
struct DaySpan {
    astro::CalendarDate first;
    astro::CalendarDate last;
};

DaySpan MonthSpan(int year, int month);
DaySpan YearSpan(int year);

// Why the engine cannot give a span, in one line; empty when it can.
std::string SpanFault(const DaySpan& span);

// A principal phase on the zone's clock, and its instant, which a calendar file gives in UT.
struct PhaseOnDay {
    astro::PrincipalPhase phase;
    zones::LocalDateTime when;
    astro::CivilDateTime universal;
};

struct SpanDay {
    AlmanacDay day;
    std::optional<PhaseOnDay> phase;  // a principal phase whose instant falls on this day
};

// Every day of a span whose SpanFault is empty, each the almanac of that date alone.
std::vector<SpanDay> ComputeSpan(const DaySpan& span, const places::Observer& observer,
                                 const report::TextStyle& style);

}  // namespace almanac
