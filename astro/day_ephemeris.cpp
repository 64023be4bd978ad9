// One local date's Sun and Moon events at one place: the interpolation supplies the culminations
// and twilights, the hour-angle method sunrise and sunset, the hourly search moonrise and moonset.
#include "astronomy.h"
#include "constants.h"

namespace astro {

namespace c = constants;

bool ComputeDayEphemeris(const CivilDateTime& date, double tzOffsetHours, double latitudeDeg,
                         double longitudeDeg, DayEphemeris& ephemeris) {
    // The calendar formulas hold from 1901 to 2099 only; the unsigned 16-bit difference also
    // refuses years before 1901.
    if (static_cast<std::uint16_t>(date.year - 1901) > 198) {
        ephemeris.valid = false;
        return false;
    }

    const double jd0 = JulianDayOfDate(date.year, date.month, date.day);
    const double t = EphemerisInstant(jd0, date.hour, date.minute, date.second);
    const SunPosition sunNow = SunPositionAt(t);
    const MoonPosition moonNow = MoonPositionAt(sunNow, t);
    const double latitude = latitudeDeg * c::kDegreesToRadians;
    const double longitude = longitudeDeg * c::kDegreesToRadians;

    BodyEvents sun = SunEventsForDay(jd0, longitude, latitude, tzOffsetHours);
    sun.equationOfTimeHours = EquationOfTimeHours(DayOfYear(jd0, date.year));

    BodyEvents moon = MoonEventsForDay(jd0, longitude, latitude, tzOffsetHours);
    moon.phaseIndex = moonNow.phaseIndex;
    moon.illuminatedFraction = moonNow.illuminatedFraction;

    const HorizonEvents sunHorizon = SunriseSunset(date, latitudeDeg, longitudeDeg);
    sun.riseSetStatus = sunHorizon.status;
    if (sunHorizon.status == kAboveAllDay || sunHorizon.status == kBelowAllDay) {
        sun.riseValid = sun.setValid = false;
    } else {
        sun.rise = tzOffsetHours + sunHorizon.rise;
        sun.set = tzOffsetHours + sunHorizon.set;
        sun.riseValid = sun.setValid = true;
    }

    const HorizonEvents moonHorizon = MoonriseMoonset(
        ModifiedJulianDay(date.year, date.month, date.day), tzOffsetHours, latitudeDeg, longitudeDeg);
    moon.riseSetStatus = moonHorizon.status;
    if (moonHorizon.status == kAboveAllDay || moonHorizon.status == kBelowAllDay) {
        moon.riseValid = moon.setValid = false;
    } else {
        moon.riseValid = moonHorizon.status != kNoRise;
        moon.setValid = moonHorizon.status != kNoSet;
        moon.rise = moonHorizon.rise;
        moon.set = moonHorizon.set;
    }

    ephemeris.sun = sun;
    ephemeris.moon = moon;
    ephemeris.valid = true;
    return true;
}

}  // namespace astro
