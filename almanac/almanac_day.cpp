#include "almanac_day.h"

#include <ctime>

namespace almanac {

bool ComputeAlmanacDay(const astro::CalendarDate& date, double latitudeDeg, double longitudeDeg,
                       const DayZone& zone, bool twelveHourClock, AlmanacDay& day) {
    AlmanacDay next = day;
    if (!report::ComputeDayReport(date, latitudeDeg, longitudeDeg, zone.rule, next.ephemeris,
                                  next.phases, next.report)) {
        return false;
    }
    const report::DayReportTexts texts = report::FormatDayReport(next.report, twelveHourClock);
    // The texts of values the engine did not compute stay as they were.
    if (next.report.ephemerisValid) {
        next.texts = texts;
    } else {
        next.texts.date = texts.date;
        next.texts.nextNewMoon = texts.nextNewMoon;
        next.texts.nextFullMoon = texts.nextFullMoon;
    }
    next.zoneLabel = zone.LabelOn(date);
    day = std::move(next);
    return true;
}

astro::CalendarDate PreviousDay(const astro::CalendarDate& date) {
    return date <= kFirstDate ? date : astro::AddDays(date, -1);
}

astro::CalendarDate NextDay(const astro::CalendarDate& date) {
    return date >= kLastDate ? date : astro::AddDays(date, 1);
}

astro::CalendarDate Today() {
    const std::time_t now = std::time(nullptr);
    std::tm calendar{};
    localtime_r(&now, &calendar);
    return astro::CalendarDate{static_cast<std::uint16_t>(calendar.tm_year + 1900),
                               static_cast<std::uint16_t>(calendar.tm_mon + 1),
                               static_cast<std::uint16_t>(calendar.tm_mday)};
}

}  // namespace almanac
