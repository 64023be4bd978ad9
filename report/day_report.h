// Every number the main window shows for one date, place and time zone: the day report.
//
// Event times are wall-clock times of the selected zone as decimal hours of the selected date. The
// engine works with one offset for the whole day, the zone's offset at 12:00 UT; the instants at
// which the Sun's and the Moon's positions are taken come from each clock time by the zone's full
// rule, so on a day of a clock change the two can differ by the size of the change.
#pragma once

#include <cstdint>

#include "astro/astronomy.h"
#include "zones/time_zone_rule.h"

namespace report {

// A wall-clock moment of the selected zone. All fields zero: no moment could be computed.
struct LocalDateTime {
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t day = 0;
    std::uint16_t hour = 0;
    std::uint16_t minute = 0;
    std::uint16_t second = 0;

    bool IsZero() const { return year == 0 && month == 0 && day == 0; }
};

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
    std::uint16_t year = 0;     // calendar date of the selected date, computer's own calendar
    std::uint16_t month = 0;
    std::uint16_t day = 0;
    std::uint16_t weekday = 0;  // 0 = Sunday
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

// Computes the report of the selected date (seconds since 1970-01-01 00:00 UTC, whose calendar date
// is taken in the computer's own time zone), a place in degrees and a zone rule. Refills the
// caller's DayEphemeris. Returns false, computing nothing, when the date has no calendar date.
bool ComputeDayReport(std::int64_t selectedDate, double latitudeDeg, double longitudeDeg,
                      const zones::TimeZoneInformation& zoneRule, astro::DayEphemeris& ephemeris,
                      DayReport& report);

// A selected date for a calendar day: its 12:00 in the computer's own time zone, a moment whose
// date no clock change moves.
std::int64_t SelectedDateOf(int year, int month, int day);

}  // namespace report
