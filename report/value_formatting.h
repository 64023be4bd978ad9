// The texts of the main window's value fields. Numbers, dates and the morning/afternoon designator
// follow the process locale (a German interface prints decimal commas); the clock follows the
// user's 12- or 24-hour setting. A value that does not exist is "-".
#pragma once

#include <string>

#include "day_report.h"
#include "text_style.h"

namespace report {

inline constexpr const wchar_t* kNoValue = L"-";

// A time in decimal hours of the selected date as a clock time, rounded to the minute. Whole days
// are taken out: 25.25 hours is 1:15, and a negative time is the previous day's clock time. The
// 12-hour clock needs the locale's morning and afternoon designators; without them the 24-hour
// clock is used.
std::wstring FormatClockTime(double hours, bool twelveHourClock);

// "%2dh %02dm %02ds", rounded to the second.
std::wstring FormatDayLength(double hours);

// The clock time that FormatClockTime shows, as numbers: hour 0 to 23 and minute.
struct ClockMinute {
    int hour = 0;
    int minute = 0;
};
ClockMinute RoundedClockTime(double hours);

// The whole seconds that FormatDayLength shows.
long DayLengthSeconds(double hours);

// The locale's month name and the year, "%OB %Y" (the name as it stands alone, where the
// language has a form of its own for that).
std::wstring FormatMonthYear(int year, int month);

// The locale's abbreviated weekday and date, "%a %x" with the year in four digits (as every date
// text here writes it).
std::wstring FormatWeekdayDate(int year, int month, int day);

// The percentage of the Moon's disc lit, as the visibility text shows it.
int VisiblePercent(double illuminatedFraction);

// The locale's date and time, "%x - %X" with a four-digit year; "-" for the all-zero moment.
std::wstring FormatPhaseDate(const LocalDateTime& moment);

// The locale's date, "%x" with a four-digit year.
std::wstring FormatPickerDate(int year, int month, int day);

// The text of every value field of the report.
struct DayReportTexts {
    std::wstring date;
    std::wstring sunrise, sunset, sunriseAzimuth, sunsetAzimuth;
    std::wstring sunCulmination, sunDeclination, equationOfTime;
    std::wstring moonrise, moonset, moonriseAzimuth, moonsetAzimuth;
    std::wstring moonCulmination, moonDeclination;
    std::wstring visibility, phase, dayLength;
    std::wstring astronomicalTwilightBegin, astronomicalTwilightEnd;
    std::wstring nauticalTwilightBegin, nauticalTwilightEnd;
    std::wstring civilTwilightBegin, civilTwilightEnd;
    std::wstring nextNewMoon, nextFullMoon;
};

// The texts of a report. When the engine declined the date, the texts of its values (sunrise to the
// twilights) are left empty: the window keeps what it showed before.
DayReportTexts FormatDayReport(const DayReport& report, const TextStyle& style);

}  // namespace report
