#include "day_report.h"

#include <cmath>
#include <ctime>
#include <optional>
#include <tuple>

namespace report {

namespace {

zones::SystemTime DateOf(const DayReport& r) {
    zones::SystemTime date;
    date.wYear = r.year;
    date.wMonth = r.month;
    date.wDayOfWeek = r.weekday;
    date.wDay = r.day;
    return date;
}

// The date a whole number of days away.
zones::SystemTime ShiftDate(const zones::SystemTime& date, int days) {
    const std::int32_t jdn = astro::JulianDayNumber(date.wYear, date.wMonth, date.wDay) + days;
    const astro::CalendarDate shifted = astro::CivilDateOfJulianDay(jdn);
    zones::SystemTime result;
    result.wYear = shifted.year;
    result.wMonth = shifted.month;
    result.wDay = shifted.day;
    result.wDayOfWeek = static_cast<std::uint16_t>((jdn + 1) % 7);
    return result;
}

// The UT instant of a clock time of the selected date. A time outside 0 to 24 hours (a sunrise far
// from the zone's meridian) is a time of an earlier or later day: the date moves by whole days
// first, so that the instant is that of the real event.
bool EventInstant(const zones::TimeZoneInformation& rule, const zones::SystemTime& date,
                  double hours, astro::CivilDateTime& universal) {
    if (!std::isfinite(hours)) return false;
    const double days = std::floor(hours / 24);
    double timeOfDay = hours - days * 24;
    if (timeOfDay >= 24) timeOfDay = 0;  // a rounding step below a whole day
    return zones::LocalToUniversal(rule, ShiftDate(date, static_cast<int>(days)), timeOfDay,
                                    universal);
}

LocalDateTime ToLocalDateTime(const zones::SystemTime& t) {
    return LocalDateTime{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

bool RiseRowFirst(const DayEvent& rise, const DayEvent& set) {
    if (!rise.occurs) return !set.occurs;
    if (!set.occurs) return true;
    return set.hours > rise.hours;
}

}  // namespace

bool ComputeDayReport(std::int64_t selectedDate, double latitudeDeg, double longitudeDeg,
                      const zones::TimeZoneInformation& zoneRule, astro::DayEphemeris& ephemeris,
                      DayReport& report) {
    const std::time_t when = static_cast<std::time_t>(selectedDate);
    std::tm calendar{};
    if (localtime_r(&when, &calendar) == nullptr || calendar.tm_year + 1900 < 1 ||
        calendar.tm_year + 1900 > 65535) {
        return false;
    }
    DayReport r = report;
    r.year = static_cast<std::uint16_t>(calendar.tm_year + 1900);
    r.month = static_cast<std::uint16_t>(calendar.tm_mon + 1);
    r.day = static_cast<std::uint16_t>(calendar.tm_mday);
    r.weekday = static_cast<std::uint16_t>(calendar.tm_wday);
    const zones::SystemTime date = DateOf(r);
    r.utcOffsetHours = zones::GetUtcOffset(zoneRule, date);

    const astro::CivilDateTime civilDate{r.year, r.month, r.day, 0, 0, 0};
    r.ephemerisValid =
        astro::ComputeDayEphemeris(civilDate, r.utcOffsetHours, latitudeDeg, longitudeDeg, ephemeris);
    if (r.ephemerisValid) {
        const astro::BodyEvents& sun = ephemeris.sun;
        const astro::BodyEvents& moon = ephemeris.moon;
        auto sunAt = [&](const DayEvent& event) -> std::optional<astro::SunSkyPosition> {
            astro::CivilDateTime ut;
            if (!EventInstant(zoneRule, date, event.hours, ut)) return std::nullopt;
            return astro::ComputeSunSkyPosition(ut, latitudeDeg, longitudeDeg);
        };
        auto moonAt = [&](const DayEvent& event) -> std::optional<astro::MoonSkyPosition> {
            astro::CivilDateTime ut;
            if (!EventInstant(zoneRule, date, event.hours, ut)) return std::nullopt;
            return astro::ComputeMoonSkyPosition(ut, latitudeDeg, longitudeDeg);
        };
        // An azimuth exists only with its event; 0 otherwise.
        auto azimuthOf = [](const DayEvent& event, const auto& positionAt) {
            if (!event.occurs) return 0.0;
            const auto p = positionAt(event);
            return p ? p->azimuthDeg : 0.0;
        };

        // The Sun's azimuths and altitude belong to their events and exist only with them; its
        // declination is shown on every day, from 12:00 of the clock when it does not culminate.
        r.sunrise = {sun.rise, sun.riseValid};
        r.sunset = {sun.set, sun.setValid};
        r.sunriseAzimuth = azimuthOf(r.sunrise, sunAt);
        r.sunsetAzimuth = azimuthOf(r.sunset, sunAt);
        r.sunCulmination = {sun.transit, sun.transitValid};
        r.sunCulminationAltitude = 0;
        const DayEvent declinationTime = r.sunCulmination.occurs ? r.sunCulmination : DayEvent{12.0, true};
        if (const auto p = sunAt(declinationTime)) {
            if (r.sunCulmination.occurs) r.sunCulminationAltitude = p->altitudeDeg;
            r.sunDeclination = p->decDeg;
        }
        r.equationOfTimeMinutes = sun.equationOfTimeHours * 60;

        r.moonrise = {moon.rise, moon.riseValid};
        r.moonset = {moon.set, moon.setValid};
        r.moonriseAzimuth = azimuthOf(r.moonrise, moonAt);
        r.moonsetAzimuth = azimuthOf(r.moonset, moonAt);
        r.moonCulmination = {moon.transit, moon.transitValid};
        r.moonCulminationAltitude = r.moonDeclination = 0;
        if (r.moonCulmination.occurs) {
            if (const auto p = moonAt(r.moonCulmination)) {
                r.moonCulminationAltitude = p->altitudeDeg;
                r.moonDeclination = p->topoDecDeg;
            }
        }
        r.moonRiseRowFirst = RiseRowFirst(r.moonrise, r.moonset);

        r.illuminatedFraction = moon.illuminatedFraction;
        r.phaseIndex = moon.phaseIndex == 8 ? 0 : moon.phaseIndex;
        r.southernHemisphere = latitudeDeg < 0;
        r.dayLengthHours = astro::DayLengthHours(sun);
        r.astronomicalTwilight = {sun.astronomicalBegin, sun.astronomicalEnd, sun.astronomicalValid};
        r.nauticalTwilight = {sun.nauticalBegin, sun.nauticalEnd, sun.nauticalValid};
        r.civilTwilight = {sun.civilBegin, sun.civilEnd, sun.civilValid};
    }

    const astro::PhaseDates phases = astro::FindNextPhases(r.year, r.month, r.day);
    const astro::CivilDateTime& newMoon = phases.nextNewMoon;
    const astro::CivilDateTime& fullMoon = phases.nextFullMoon;
    r.fullMoonFirst = std::tuple(newMoon.year, newMoon.month, newMoon.day) >
                      std::tuple(fullMoon.year, fullMoon.month, fullMoon.day);
    r.nextNewMoon = ToLocalDateTime(zones::UniversalToLocal(zoneRule, newMoon));
    r.nextFullMoon = ToLocalDateTime(zones::UniversalToLocal(zoneRule, fullMoon));
    report = r;
    return true;
}

std::int64_t SelectedDateOf(int year, int month, int day) {
    std::tm noon{};
    noon.tm_year = year - 1900;
    noon.tm_mon = month - 1;
    noon.tm_mday = day;
    noon.tm_hour = 12;
    noon.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&noon));
}

}  // namespace report
