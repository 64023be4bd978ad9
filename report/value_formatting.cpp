#include "value_formatting.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <cwchar>
#include <langinfo.h>
#include <string>

#include "resources/string_table.h"
#include "resources/string_ids.h"

namespace report {

namespace {


template <typename... Args>
std::wstring Printf(const wchar_t* format, Args... args) {
    wchar_t text[128];
    const int length = std::swprintf(text, sizeof text / sizeof text[0], format, args...);
    return length < 0 ? std::wstring() : std::wstring(text, static_cast<std::size_t>(length));
}

std::wstring Strftime(const wchar_t* format, const std::tm& moment) {
    wchar_t text[128];
    const std::size_t length = std::wcsftime(text, sizeof text / sizeof text[0], format, &moment);
    return std::wstring(text, length);
}

// A calendar tm of a date and time, with its weekday for locales whose formats show it.
std::tm CalendarTm(int year, int month, int day, int hour, int minute, int second) {
    std::tm moment{};
    moment.tm_year = year - 1900;
    moment.tm_mon = month - 1;
    moment.tm_mday = day;
    moment.tm_hour = hour;
    moment.tm_min = minute;
    moment.tm_sec = second;
    moment.tm_wday = astro::Weekday({static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month),
                                     static_cast<std::uint16_t>(day)});
    moment.tm_isdst = -1;
    return moment;
}

std::wstring Degrees(const wchar_t* format, double degrees) { return Printf(format, degrees); }

// The locale's date format with the year in four digits: some locales' short date writes two
// ("01/01/01" is both 1901 and 2001), which no almanac of two centuries can use.
const std::wstring& DateFormat() {
    thread_local std::string narrow;
    thread_local std::wstring wide;
    const char* format = nl_langinfo(D_FMT);
    if (format == nullptr || *format == '\0') format = "%x";
    if (narrow != format || wide.empty()) {
        narrow = format;
        wide.clear();
        for (std::size_t i = 0; i < narrow.size(); ++i) {
            if (narrow[i] == '%' && i + 1 < narrow.size()) {
                const char field = narrow[++i];
                wide += field == 'y' ? L"%Y" : field == 'D' ? L"%m/%d/%Y" : std::wstring{L'%', static_cast<wchar_t>(field)};
            } else {
                wide += static_cast<wchar_t>(static_cast<unsigned char>(narrow[i]));
            }
        }
    }
    return wide;
}

// A locale without morning and afternoon designators (German, Spanish, French) cannot write a
// 12-hour clock time unambiguously: 2:57 could be either. Such locales get the 24-hour clock.
bool LocaleHasDesignators() {
    const std::tm morning = CalendarTm(2000, 1, 1, 1, 0, 0);
    const std::tm afternoon = CalendarTm(2000, 1, 1, 13, 0, 0);
    const std::wstring am = Strftime(L"%p", morning);
    const std::wstring pm = Strftime(L"%p", afternoon);
    return !am.empty() && !pm.empty() && am != pm;
}

std::wstring Clock(const DayEvent& event, bool twelveHourClock) {
    return event.occurs ? FormatClockTime(event.hours, twelveHourClock) : kNoValue;
}

}  // namespace

ClockMinute RoundedClockTime(double hours) {
    // Whole days out first (fmod is exact), so that a time of the previous day shows its clock time.
    double time = std::fmod(hours, 24.0);
    if (time < 0) time += 24;
    long wholeHours = static_cast<long>(time);
    double minutes = (time - wholeHours) * 60;
    if (minutes >= 59.5) {
        wholeHours += 1;
        minutes -= 60;
    }
    return {static_cast<int>(wholeHours % 24), static_cast<int>(minutes + 0.5)};
}

std::wstring FormatClockTime(double hours, bool twelveHourClock) {
    if (!std::isfinite(hours)) return kNoValue;
    const ClockMinute clock = RoundedClockTime(hours);
    const std::tm moment = CalendarTm(2000, 1, 1, clock.hour, clock.minute, 0);
    return Strftime(twelveHourClock && LocaleHasDesignators() ? L"%-I:%M %p" : L"%-H:%M", moment);
}

long DayLengthSeconds(double hours) { return static_cast<long>(hours * 3600 + 0.5); }

std::wstring FormatDayLength(double hours) {
    const long total = DayLengthSeconds(hours);
    return Printf(L"%2ldh %02ldm %02lds", total / 3600, (total / 60) % 60, total % 60);
}

std::wstring FormatMonthYear(int year, int month) {
    return Strftime(L"%OB %Y", CalendarTm(year, month, 1, 0, 0, 0));
}

std::wstring FormatWeekdayDate(int year, int month, int day) {
    return Strftime((L"%a " + DateFormat()).c_str(), CalendarTm(year, month, day, 0, 0, 0));
}

int VisiblePercent(double illuminatedFraction) { return static_cast<int>(illuminatedFraction * 100 + 0.5); }

std::wstring FormatPhaseDate(const LocalDateTime& t) {
    if (t.IsZero()) return kNoValue;
    return Strftime((DateFormat() + L" - %X").c_str(), CalendarTm(t.year, t.month, t.day, t.hour, t.minute, t.second));
}

std::wstring FormatPickerDate(int year, int month, int day) {
    return Strftime(DateFormat().c_str(), CalendarTm(year, month, day, 0, 0, 0));
}

DayReportTexts FormatDayReport(const DayReport& r, const TextStyle& style) {
    const bool twelveHourClock = style.twelveHourClock;
    DayReportTexts texts;
    texts.date = FormatPickerDate(r.date.year, r.date.month, r.date.day);
    texts.nextNewMoon = FormatPhaseDate(r.nextNewMoon);
    texts.nextFullMoon = FormatPhaseDate(r.nextFullMoon);
    if (!r.ephemerisValid) return texts;

    texts.sunrise = Clock(r.sunrise, twelveHourClock);
    texts.sunset = Clock(r.sunset, twelveHourClock);
    texts.sunriseAzimuth = r.sunrise.occurs ? Degrees(L"%.0f\u00B0", r.sunriseAzimuth) : kNoValue;
    texts.sunsetAzimuth = r.sunset.occurs ? Degrees(L"%.0f\u00B0", r.sunsetAzimuth) : kNoValue;
    texts.sunCulmination =
        r.sunCulmination.occurs
            ? Clock(r.sunCulmination, twelveHourClock) + Degrees(L" (%.1f\u00B0)", r.sunCulminationAltitude)
            : kNoValue;
    texts.sunDeclination = Degrees(L"%.1f\u00B0", r.sunDeclination);
    texts.equationOfTime = Printf(L"%.2f min", r.equationOfTimeMinutes);

    texts.moonrise = Clock(r.moonrise, twelveHourClock);
    texts.moonset = Clock(r.moonset, twelveHourClock);
    texts.moonriseAzimuth = r.moonrise.occurs ? Degrees(L"%.0f\u00B0", r.moonriseAzimuth) : kNoValue;
    texts.moonsetAzimuth = r.moonset.occurs ? Degrees(L"%.0f\u00B0", r.moonsetAzimuth) : kNoValue;
    texts.moonCulmination =
        r.moonCulmination.occurs
            ? Clock(r.moonCulmination, twelveHourClock) +
                  Degrees(L" (%.1f\u00B0)", r.moonCulminationAltitude)
            : kNoValue;
    texts.moonDeclination =
        r.moonCulmination.occurs ? Degrees(L"%.1f\u00B0", r.moonDeclination) : kNoValue;

    texts.visibility = Printf(L"%d%%", VisiblePercent(r.illuminatedFraction));
    texts.phase = resources::PlainStringIn(style.languageCode, resources::kPhaseNameIds[r.phaseIndex & 7]);
    texts.dayLength = FormatDayLength(r.dayLengthHours);

    auto twilight = [&](const TwilightSpan& span, std::wstring& begin, std::wstring& end) {
        begin = span.occurs ? FormatClockTime(span.begin, twelveHourClock) : kNoValue;
        end = span.occurs ? FormatClockTime(span.end, twelveHourClock) : kNoValue;
    };
    twilight(r.astronomicalTwilight, texts.astronomicalTwilightBegin, texts.astronomicalTwilightEnd);
    twilight(r.nauticalTwilight, texts.nauticalTwilightBegin, texts.nauticalTwilightEnd);
    twilight(r.civilTwilight, texts.civilTwilightBegin, texts.civilTwilightEnd);
    return texts;
}

}  // namespace report
