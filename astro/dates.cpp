#include "dates.h"

#include "astronomy.h"

namespace astro {

namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

}  // namespace

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(int year, int month, int day) {
    return year >= 1 && year <= 65535 && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInMonth(year, month);
}

// The Julian Day Number counts days from a Monday, so the day after it is 1 mod 7 from a Sunday.
int Weekday(const CalendarDate& date) {
    return static_cast<int>((JulianDayNumber(date.year, date.month, date.day) + 1) % 7);
}

CalendarDate AddDays(const CalendarDate& date, int days) {
    return CivilDateOfJulianDay(JulianDayNumber(date.year, date.month, date.day) + days);
}

}  // namespace astro
