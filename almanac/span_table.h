// The table of a span of days, one row a day, in the interface language: what the terminal's
// table and the window's month table show.
#pragma once

#include <array>
#include <string>

#include "almanac/day_span.h"

namespace almanac {

// Date and weekday, sunrise, sunset, day length, civil dawn and dusk, moonrise, moonset, the visible
// part of the Moon, and the principal phase of the day with its time.
inline constexpr std::size_t kSpanTableColumns = 10;
using SpanTableCells = std::array<std::wstring, kSpanTableColumns>;

SpanTableCells SpanTableHeadings(const report::TextStyle& style);

struct SpanTableRow {
    astro::CalendarDate date;
    SpanTableCells cells;
    bool principalPhase = false;  // a new Moon, first quarter, full Moon or last quarter falls on it
};

// Every value is the text of the day's own report; the phase's time is on the zone's clock, cut to
// the minute so that it stays on its day.
SpanTableRow SpanTableRowOf(const SpanDay& day, const report::TextStyle& style);

// A principal phase's name with its time on the zone's clock, cut to the minute so that it stays on
// its day: "Full Moon 14:23".
std::wstring PrincipalPhaseText(const PhaseOnDay& phase, const report::TextStyle& style);

// The string id of a principal phase's name.
unsigned PrincipalPhaseNameId(astro::PrincipalPhase phase);

}  // namespace almanac
