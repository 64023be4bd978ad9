// Every number the main window shows for one date, place and time zone: the day report.
//
// Event times are wall-clock times of the selected zone as decimal hours of the selected date. The
// engine works with one offset for the whole day, the zone's offset at 12:00 UT; the instants at
// which the Sun's and the Moon's positions are taken come from each clock time by the zone's full
// rule, so on a day of a clock change the two can differ by the size of the change.
#pragma once

#include "astro/astronomy.h"
#include "places/observer.h"
#include "zones/time_zone_rule.h"

namespace report {

using zones::LocalDateTime;

struct DayEvent {
    double hours = 0.0;  // local decimal hours of the selected date; may lie outside 0 to 24
    bool occurs = false;
};

struct TwilightSpan {
    double begin = 0.0;  // local decimal hours, morning
    double end = 0.0;    // local decimal hours, evening
    bool occurs = false;
};

// Fields in the order they are computed. Fields of the engine's values (from sunrise to the
// twilights) carry values only when ephemerisValid is true; an azimuth, altitude or declination
// belonging to an event carries a value only when that event occurs, except sunDeclination, which
// is taken at 12:00 of the clock when the Sun does not culminate.
struct DayReport {
    astro::CalendarDate date;     // the selected date
    int weekday = 0;              // 0 = Sunday
    double utcOffsetHours = 0.0;  // the zone's clock minus UT at 12:00 UT of the date
    bool ephemerisValid = false;  // false outside the years 1901 to 2099

    DayEvent sunrise;
    DayEvent sunset;
    double sunriseAzimuth = 0.0;          // degrees from north through east
    double sunsetAzimuth = 0.0;           // degrees
    DayEvent sunCulmination;
    double sunCulminationAltitude = 0.0;  // degrees
    double sunDeclination = 0.0;          // degrees
    double equationOfTimeMinutes = 0.0;

    DayEvent moonrise;
    DayEvent moonset;
    double moonriseAzimuth = 0.0;          // degrees
    double moonsetAzimuth = 0.0;           // degrees
    DayEvent moonCulmination;
    double moonCulminationAltitude = 0.0;  // degrees
    double moonDeclination = 0.0;          // degrees, topocentric
    bool moonRiseRowFirst = true;

    double illuminatedFraction = 0.0;  // 0 to 1
    int phaseIndex = 0;                // 0 to 7
    bool southernHemisphere = false;
    double dayLengthHours = 0.0;
    TwilightSpan astronomicalTwilight;
    TwilightSpan nauticalTwilight;
    TwilightSpan civilTwilight;

    LocalDateTime nextNewMoon;   // the zone's clock
    LocalDateTime nextFullMoon;  // the zone's clock
    bool fullMoonFirst = false;  // the full Moon falls on an earlier UT calendar day
};

// Computes the report of the selected date for an observer (the place and its zone's rule). Refills
// the caller's DayEphemeris and the next phases (UT). Fields the engine cannot compute for the date
// keep the values the report held. Returns false, computing nothing, when the date does not exist.
bool ComputeDayReport(const astro::CalendarDate& date, const places::Observer& observer,
                      astro::DayEphemeris& ephemeris, astro::PhaseDates& phases, DayReport& report);

// The UT instant of an event time of the report (decimal hours of the date on the zone's clock),
// to the second, as the report takes it; false when the time is no finite number or the date is
// out of range.
bool EventInstant(const zones::TimeZoneInformation& rule, const astro::CalendarDate& date,
                  double hours, astro::CivilDateTime& universal);

}  // namespace report
