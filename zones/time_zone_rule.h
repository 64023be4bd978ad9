// A time zone's rule in the form of the Windows TIME_ZONE_INFORMATION record, and the conversions
// between Universal Time and a zone's clock that the day report needs.
//
// A rule holds one pair of transitions that recurs every year: the change to daylight time
// (DaylightDate, given in standard clock time) and back (StandardDate, given in daylight clock
// time), each as "the n-th weekday of a month at a time of day". The gaps and repeats of those
// changes are decided in one place, ZoneLocalTimeToSystemTime: a clock time in the skipped hour and
// one in the repeated hour both count as daylight time.
#pragma once

#include <cstdint>

#include "astro/dates.h"

namespace zones {

// A calendar moment with the fields of the Windows SYSTEMTIME record, in that record's order. In a
// transition date of a rule with wYear 0, wDay is the week of the month (1 to 4, 5 = the last) and
// wDayOfWeek the weekday (0 = Sunday).
struct SystemTime {
    std::uint16_t wYear = 0;
    std::uint16_t wMonth = 0;      // 1 to 12; 0 in a transition date: no daylight time
    std::uint16_t wDayOfWeek = 0;  // 0 = Sunday
    std::uint16_t wDay = 0;
    std::uint16_t wHour = 0;
    std::uint16_t wMinute = 0;
    std::uint16_t wSecond = 0;
    std::uint16_t wMilliseconds = 0;

    friend bool operator==(const SystemTime&, const SystemTime&) = default;
};

// The rule of a zone. UT = local time + Bias + (StandardBias or DaylightBias), all in minutes.
struct TimeZoneInformation {
    std::int32_t Bias = 0;          // minutes, positive west of Greenwich
    SystemTime StandardDate;        // change to standard time, in daylight clock time
    std::int32_t StandardBias = 0;  // minutes added to Bias during standard time
    SystemTime DaylightDate;        // change to daylight time, in standard clock time
    std::int32_t DaylightBias = 0;  // minutes added to Bias during daylight time

    friend bool operator==(const TimeZoneInformation&, const TimeZoneInformation&) = default;
};

// True when the rule has daylight time at all.
bool HasDaylightTime(const TimeZoneInformation& rule);

// The platform's three conversions, as pure functions over a rule. Each returns false for a moment
// or rule whose fields are out of range, and then leaves its output alone.
bool SystemTimeToZoneLocalTime(const TimeZoneInformation& rule, const SystemTime& universal,
                               SystemTime& local);
bool ZoneLocalTimeToSystemTime(const TimeZoneInformation& rule, const SystemTime& local,
                               SystemTime& universal);
// 100-nanosecond intervals since 1601-01-01 00:00.
bool SystemTimeToFileTime(const SystemTime& moment, std::uint64_t& fileTime);

// A wall-clock moment of a zone. All fields zero: no moment could be computed.
struct LocalDateTime {
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t day = 0;
    std::uint16_t hour = 0;
    std::uint16_t minute = 0;
    std::uint16_t second = 0;

    bool IsZero() const { return year == 0 && month == 0 && day == 0; }
};

// The day report's conversions, over calendar dates and instants; SystemTime stays inside them.

// Hours by which the zone's clock is ahead of UT at 12:00 UT of the date (negative west of
// Greenwich); 0 when the date is not a valid one.
double GetUtcOffset(const TimeZoneInformation& rule, const astro::CalendarDate& date);

// A clock time of the date, in decimal hours from 0 up to 24, to UT. Hours, minutes and seconds are
// each truncated. Returns false when the date or the time is out of range.
bool LocalToUniversal(const TimeZoneInformation& rule, const astro::CalendarDate& date, double hours,
                      astro::CivilDateTime& universal);

// A UT moment to the zone's clock; all fields zero when the conversion fails.
LocalDateTime UniversalToLocal(const TimeZoneInformation& rule, const astro::CivilDateTime& universal);

// True when the zone's clocks are on daylight time at 12:00 UT of the date.
bool IsDaylightTime(const TimeZoneInformation& rule, const astro::CalendarDate& date);

}  // namespace zones
