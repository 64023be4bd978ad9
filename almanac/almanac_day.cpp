#include "almanac_day.h"

#include <ctime>

namespace almanac {

std::optional<AlmanacDay> ComputeAlmanacDay(const astro::CalendarDate& date, const places::Observer& observer,
                                            const report::TextStyle& style) {
    AlmanacDay day;
    if (!report::ComputeDayReport(date, observer, day.ephemeris, day.phases, day.report)) return std::nullopt;
    day.texts = report::FormatDayReport(day.report, style);
    day.zoneLabel = observer.zone.LabelOn(date).value_or(std::wstring());
    return day;
}

AlmanacDay KeepShownValues(const AlmanacDay& shown, AlmanacDay fresh) {
    if (fresh.report.ephemerisValid) return fresh;
    AlmanacDay kept = shown;
    report::DayReport& r = kept.report;
    const report::DayReport& f = fresh.report;
    r.date = f.date;
    r.weekday = f.weekday;
    r.utcOffsetHours = f.utcOffsetHours;
    r.ephemerisValid = false;
    r.nextNewMoon = f.nextNewMoon;
    r.nextFullMoon = f.nextFullMoon;
    r.fullMoonFirst = f.fullMoonFirst;
    kept.ephemeris.valid = false;
    kept.phases = fresh.phases;
    kept.texts.date = fresh.texts.date;
    kept.texts.nextNewMoon = fresh.texts.nextNewMoon;
    kept.texts.nextFullMoon = fresh.texts.nextFullMoon;
    kept.zoneLabel = fresh.zoneLabel;
    return kept;
}

namespace {

// Whether the day began at all on this computer's clock. A zone that moved across the date line
// skipped a whole day (Pacific/Apia has no 2011-12-30), and a date picker, which holds local times,
// cannot show it: it would show a neighbour beside the skipped day's values. Noon stands for the
// day, as no ordinary change of the clock reaches it.
bool LocalDayExists(const astro::CalendarDate& date) {
    std::tm noon{};
    noon.tm_year = date.year - 1900;
    noon.tm_mon = date.month - 1;
    noon.tm_mday = date.day;
    noon.tm_hour = 12;
    noon.tm_isdst = -1;
    if (std::mktime(&noon) == static_cast<std::time_t>(-1)) return true;
    return noon.tm_mday == date.day && noon.tm_mon == date.month - 1;
}

// A step of whole days that passes over days the computer's zone skipped.
astro::CalendarDate Step(const astro::CalendarDate& date, int days) {
    astro::CalendarDate next = astro::AddDays(date, days);
    for (int skipped = 0; skipped < 2 && !LocalDayExists(next) && next > kFirstDate && next < kLastDate; ++skipped) {
        next = astro::AddDays(next, days);
    }
    return next;
}

}  // namespace

astro::CalendarDate PreviousDay(const astro::CalendarDate& date) {
    return date <= kFirstDate ? date : Step(date, -1);
}

astro::CalendarDate NextDay(const astro::CalendarDate& date) {
    return date >= kLastDate ? date : Step(date, 1);
}

astro::CalendarDate Today() {
    const std::time_t now = std::time(nullptr);
    std::tm calendar{};
    localtime_r(&now, &calendar);
    return astro::CalendarDate{static_cast<std::uint16_t>(calendar.tm_year + 1900),
                               static_cast<std::uint16_t>(calendar.tm_mon + 1),
                               static_cast<std::uint16_t>(calendar.tm_mday)};
}

astro::CivilDateTime NowUt() {
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    return {static_cast<std::uint16_t>(utc.tm_year + 1900), static_cast<std::uint16_t>(utc.tm_mon + 1),
            static_cast<std::uint16_t>(utc.tm_mday), static_cast<std::uint16_t>(utc.tm_hour),
            static_cast<std::uint16_t>(utc.tm_min), static_cast<std::uint16_t>(utc.tm_sec)};
}

}  // namespace almanac
