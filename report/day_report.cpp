#include "day_report.h"

#include <cmath>
#include <optional>
#include <tuple>

namespace report {

// A time outside 0 to 24 hours (a sunrise far from the zone's meridian) is a time of an earlier or
// later day: the date moves by whole days first, so that the instant is that of the real event.
bool EventInstant(const zones::TimeZoneInformation& rule, const astro::CalendarDate& date,
                  double hours, astro::CivilDateTime& universal) {
    if (!std::isfinite(hours)) return false;
    const double days = std::floor(hours / 24);
    double timeOfDay = hours - days * 24;
    if (timeOfDay >= 24) timeOfDay = 0;  // a rounding step below a whole day
    return zones::LocalToUniversal(rule, astro::AddDays(date, static_cast<int>(days)), timeOfDay,
                                   universal);
}

namespace {

bool RiseRowFirst(const DayEvent& rise, const DayEvent& set) {
    if (!rise.occurs) return !set.occurs;
    if (!set.occurs) return true;
    return set.hours > rise.hours;
}

}  // namespace

bool ComputeDayReport(const astro::CalendarDate& date, const places::Observer& observer,
                      astro::DayEphemeris& ephemeris, astro::PhaseDates& phases, DayReport& report) {
    const double latitudeDeg = observer.latitudeDeg;
    const double longitudeDeg = observer.longitudeDeg;
    const zones::TimeZoneInformation& zoneRule = observer.zone.rule;
    if (!astro::IsValidDate(date.year, date.month, date.day)) return false;
    DayReport r = report;
    r.date = date;
    r.weekday = astro::Weekday(date);
    r.utcOffsetHours = zones::GetUtcOffset(zoneRule, date);

    const astro::CivilDateTime civilDate{date.year, date.month, date.day, 0, 0, 0};
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

    phases = astro::FindNextPhases(date.year, date.month, date.day);
    const astro::CivilDateTime& newMoon = phases.nextNewMoon;
    const astro::CivilDateTime& fullMoon = phases.nextFullMoon;
    r.fullMoonFirst = std::tuple(newMoon.year, newMoon.month, newMoon.day) >
                      std::tuple(fullMoon.year, fullMoon.month, fullMoon.day);
    r.nextNewMoon = zones::UniversalToLocal(zoneRule, newMoon);
    r.nextFullMoon = zones::UniversalToLocal(zoneRule, fullMoon);
    report = r;
    return true;
}

}  // namespace report
