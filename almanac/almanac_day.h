// The almanac of one day: what the window and the command-line report show for a date, a place
// and a zone, computed in one call.
#pragma once

#include <string>

#include "almanac/day_zone.h"
#include "astro/astronomy.h"
#include "report/day_report.h"
#include "report/value_formatting.h"

namespace almanac {

// What a person asks for: a date, a place and a zone (a catalogue key, or a fixed offset).
struct DayRequest {
    astro::CalendarDate date;
    double latitudeDeg = 0.0;   // north positive
    double longitudeDeg = 0.0;  // east positive
    std::string zoneKey;        // an IANA name of the catalogue; unused with an offset
    std::optional<double> offsetHours;  // local time minus UT
};

struct AlmanacDay {
    astro::DayEphemeris ephemeris;
    astro::PhaseDates phases;  // the next new and full Moon, UT
    report::DayReport report;
    report::DayReportTexts texts;
    std::wstring zoneLabel;    // the name of the time in force on the date
};

// Recomputes the day in place. Values the engine cannot give for the date (outside 1901 to 2099)
// keep what the day held, as the window keeps showing them. Returns false, changing nothing, when
// the date does not exist.
bool ComputeAlmanacDay(const astro::CalendarDate& date, double latitudeDeg, double longitudeDeg,
                       const DayZone& zone, bool twelveHourClock, AlmanacDay& day);

// The years the engine computes, and so the dates the window offers.
inline constexpr astro::CalendarDate kFirstDate{1901, 1, 1};
inline constexpr astro::CalendarDate kLastDate{2099, 12, 31};

// The day before and after, held at the ends of the years the engine computes; a day that the
// computer's zone skipped is passed over.
astro::CalendarDate PreviousDay(const astro::CalendarDate& date);
astro::CalendarDate NextDay(const astro::CalendarDate& date);

// Today's date on the computer's own clock.
astro::CalendarDate Today();

// The present instant, UT, to the second.
astro::CivilDateTime NowUt();

}  // namespace almanac
