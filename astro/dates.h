// The program's calendar vocabulary: a civil calendar date, and an instant in Universal Time. A
// wall-clock time of a time zone is a third thing (zones::LocalDateTime); every conversion between
// it and these names the zone rule it uses.
#pragma once

#include <compare>
#include <cstdint>

namespace astro {

// An instant: a calendar date and time of day in Universal Time.
struct CivilDateTime {
    std::uint16_t year = 0;    // Gregorian year
    std::uint16_t month = 0;   // 1 to 12
    std::uint16_t day = 0;     // 1 to 31
    std::uint16_t hour = 0;    // 0 to 23
    std::uint16_t minute = 0;  // 0 to 59
    std::uint16_t second = 0;  // 0 to 59
};

// A civil calendar date without time of day or zone: the date a person picks.
struct CalendarDate {
    std::uint16_t year = 0;   // Gregorian year
    std::uint16_t month = 0;  // 1 to 12
    std::uint16_t day = 0;    // 1 to 31

    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
    friend auto operator<=>(const CalendarDate&, const CalendarDate&) = default;
};

// Days in a month of the proleptic Gregorian calendar.
int DaysInMonth(int year, int month);

// True for a date that exists, years 1 to 65535.
bool IsValidDate(int year, int month, int day);

// 0 = Sunday, proleptic Gregorian calendar.
int Weekday(const CalendarDate& date);

// The date a whole number of days away.
CalendarDate AddDays(const CalendarDate& date, int days);

}  // namespace astro
