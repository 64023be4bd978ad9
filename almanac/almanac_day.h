// The almanac of one day: what the window and the command-line report show for a date, a place
// and a zone, computed in one call.
#pragma once

#include <optional>
#include <string>

#include "astro/astronomy.h"
#include "places/observer.h"
#include "report/day_report.h"
#include "report/text_style.h"
#include "report/value_formatting.h"

namespace almanac {

struct AlmanacDay {
    astro::DayEphemeris ephemeris;
    astro::PhaseDates phases;  // the next new and full Moon, UT
    report::DayReport report;  // report.ephemerisValid: false for years the engine does not compute
    report::DayReportTexts texts;
    std::wstring zoneLabel;    // the name of the time in force; empty when the zone has none
};

// The day of a date for an observer, computed afresh. For a year the engine does not compute
// (outside 1901 to 2099) the day holds the date, the phases and their texts only, and
// report.ephemerisValid is false. Nothing when the date does not exist.
std::optional<AlmanacDay> ComputeAlmanacDay(const astro::CalendarDate& date, const places::Observer& observer,
                                            const report::TextStyle& style);

// What a window shows after `shown` when it computed `fresh`: where the engine gave no values for
// the fresh day's year, those it showed stay beside the fresh date and phases.
AlmanacDay KeepShownValues(const AlmanacDay& shown, AlmanacDay fresh);

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
