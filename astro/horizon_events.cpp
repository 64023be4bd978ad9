// Sunrise and sunset by the hour-angle method at local noon (Schlyter, "sunriset"), moonrise and
// moonset by an hourly search with quadratic interpolation of the Moon's altitude (Montenbruck and
// Pfleger, "Astronomy on the Personal Computer", rising and setting), and the length of the day.
#include <cmath>

#include "astronomy.h"
#include "constants.h"
#include "degree_trig.h"
#include "sun_day_number_model.h"

namespace astro {

namespace c = constants;
namespace deg = degrees;

HorizonEvents SunriseSunset(const CivilDateTime& dateTime, double latitudeDeg, double longitudeDeg) {
    // Day number of local noon at this longitude.
    const double d = DayNumber2000(dateTime) + 0.5 - longitudeDeg / 360;
    const double gmst0 = WrapToPeriod(818.9874 + 0.985647352 * d, 360);
    const double sidtime = WrapToPeriod(gmst0 + 180 + longitudeDeg, 360);

    const detail::SunOrbitState orbit = detail::SunOrbitAt(d);
    const double ra = deg::Atan2(orbit.ye, orbit.xs);
    const double dec =
        deg::Atan2(orbit.ze, std::sqrt(orbit.xs * orbit.xs + orbit.ye * orbit.ye));

    double hourAngle = sidtime - ra;
    hourAngle = hourAngle - 360 * std::floor(hourAngle / 360 + 0.5);
    const double tsouth = 12 - hourAngle / 15;

    const double altitude = c::kSunriseRefractionDeg - c::kSunSemiDiameterAtOneAuDeg / orbit.distanceAU;
    const double cost = (deg::Sin(altitude) - deg::Sin(latitudeDeg) * deg::Sin(dec)) /
                        (deg::Cos(latitudeDeg) * deg::Cos(dec));

    HorizonEvents events;
    double halfArcHours = 0.0;
    if (cost >= 1) {
        events.status = kBelowAllDay;
    } else if (cost <= -1) {
        halfArcHours = 12;
        events.status = kAboveAllDay;
    } else {
        halfArcHours = deg::Acos(cost) / 15;
        events.status = kRiseAndSet;
    }
    events.rise = tsouth - halfArcHours;
    events.set = tsouth + halfArcHours;
    return events;
}

double MoonSineAltitude(double mjd0, double hour, double longitudeDeg, double cosLatitude,
                        double sinLatitude) {
    const double mjd = mjd0 + hour / 24;
    const double T = (mjd - c::kMjdOfJ2000) / c::kDaysPerJulianCentury;
    const LowPrecisionMoonPosition moon = LowPrecisionMoon(T);
    const double gmst = GreenwichSiderealDegrees(mjd);
    const double tau =
        (gmst / 15 + longitudeDeg / 15 - moon.raHours) * 15 * c::kDegreesToRadiansHourlySearch;
    const double decRad = moon.decDeg * c::kDegreesToRadiansHourlySearch;
    return sinLatitude * std::sin(decRad) + cosLatitude * std::cos(decRad) * std::cos(tau);
}

HorizonEvents MoonriseMoonset(double mjd, double tzOffsetHours, double latitudeDeg,
                              double longitudeDeg) {
    const double sinh0 = std::sin(c::kMoonriseAltitudeRadians);
    const double latitudeRad = latitudeDeg * c::kDegreesToRadiansHourlySearch;
    const double sinLat = std::sin(latitudeRad);
    const double cosLat = std::cos(latitudeRad);
    const double mjd0 = mjd - tzOffsetHours / 24;  // local midnight, UT

    auto altitudeAbove = [&](double hour) {
        return MoonSineAltitude(mjd0, hour, longitudeDeg, cosLat, sinLat) - sinh0;
    };

    double yMinus = altitudeAbove(0);
    const bool aboveAtMidnight = yMinus > 0;
    bool riseFound = false;
    bool setFound = false;
    HorizonEvents events;

    // Windows of three hourly samples centred on hours 1, 3, ..., 23 cover the local day once.
    double hour = 1;
    while (!(riseFound && setFound)) {
        const double y0 = altitudeAbove(hour);
        const double yPlus = altitudeAbove(hour + 1);
        // Parabola through (-1, yMinus), (0, y0), (+1, yPlus).
        const double a = 0.5 * (yMinus + yPlus) - y0;
        const double b = 0.5 * (yPlus - yMinus);
        const double xe = b / (-2 * a);
        const double ye = (a * xe + b) * xe + y0;
        const double dis = b * b - 4 * a * y0;
        if (dis > 0) {
            const double dx = 0.5 * std::sqrt(dis) / std::fabs(a);
            double z1 = xe - dx;
            const double z2 = xe + dx;
            int roots = 0;
            if (std::fabs(z1) <= 1) ++roots;
            if (std::fabs(z2) <= 1) ++roots;
            if (z1 < -1) z1 = z2;
            if (roots == 1) {
                if (yMinus < 0) {
                    events.rise = hour + z1;
                    riseFound = true;
                } else {
                    events.set = hour + z1;
                    setFound = true;
                }
            } else if (roots == 2) {
                if (ye < 0) {
                    events.rise = hour + z2;
                    events.set = hour + z1;
                } else {
                    events.rise = hour + z1;
                    events.set = hour + z2;
                }
                riseFound = setFound = true;
            }
        }
        yMinus = yPlus;
        hour = hour + 2;
        if (!(hour < 25)) break;
    }

    if (riseFound || setFound) {
        events.status = kRiseAndSet;
        if (!riseFound) events.status = kNoRise;
        if (!setFound) events.status = kNoSet;
    } else {
        // Without crossings the sample at local midnight tells above from below.
        events.status = aboveAtMidnight ? kAboveAllDay : kBelowAllDay;
    }
    return events;
}

double DayLengthHours(const BodyEvents& sun) {
    if (sun.riseSetStatus == kAboveAllDay) return 24.0;
    if (sun.riseSetStatus == kBelowAllDay) return 0.0;
    const double diff = sun.set - sun.rise;
    return diff < 0 ? diff + 24 : diff;
}

}  // namespace astro
