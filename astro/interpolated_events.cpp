// Rise, transit, set and twilight of a moving body by interpolating between two positions a fixed
// span apart (Duffett-Smith, "Practical Astronomy with your Calculator", rising and setting of the
// Sun and the Moon). The day ephemeris takes the culminations and twilights from here.
#include <cmath>

#include "astronomy.h"
#include "constants.h"

namespace astro {

namespace c = constants;

SiderealRiseSet SiderealRiseSetFor(double longitude, double latitude, double altitude,
                                   double rightAscension, double declination) {
    const double cosH = (std::sin(altitude) - std::sin(declination) * std::sin(latitude)) /
                        (std::cos(declination) * std::cos(latitude));
    const double H = std::acos(cosH);
    SiderealRiseSet result;
    // acos is NaN when the body stays above or below the altitude all day (|cosH| > 1, or 0/0).
    if (std::isnan(H)) return result;
    result.valid = true;
    result.transitGst = WrapToPeriod((rightAscension - longitude) * c::kRadiansToHours, 24);
    result.riseGst =
        WrapToPeriod((rightAscension - H - longitude) * c::kRadiansToHours + 24, 24);
    result.setGst = WrapToPeriod((H + rightAscension - longitude) * c::kRadiansToHours, 24);
    return result;
}

RiseTransitSet InterpolateRiseSet(double jd0, double ra1, double dec1, double ra2, double dec2,
                                  double longitude, double latitude, double angularDiameter,
                                  double horizontalParallax, double span, double altitude) {
    // At the horizon the body's centre is lowered by refraction and raised by its semi-diameter and
    // parallax; at twilight altitudes no correction applies.
    double x = 0.0;
    if (altitude == 0.0) {
        x = angularDiameter * 0.5 - horizontalParallax + c::kStandardRefraction;
    }

    const SiderealRiseSet first = SiderealRiseSetFor(longitude, latitude, altitude, ra1, dec1);
    const SiderealRiseSet second = SiderealRiseSetFor(longitude, latitude, altitude, ra2, dec2);
    RiseTransitSet result;
    if (!first.valid || !second.valid) return result;

    enum { kTransit, kRise, kSet };
    double s1[3] = {first.transitGst, first.riseGst, first.setGst};
    double s2[3] = {second.transitGst, second.riseGst, second.setGst};
    for (int e = 0; e < 3; ++e) {
        if (s1[e] > s2[e] && std::fabs(s1[e] - s2[e]) > 18) s2[e] = s2[e] + 24;
    }

    const double gst0 = GreenwichSiderealHours(jd0).gst0;
    // The Greenwich sidereal time of local mean midnight opens the sidereal day whose events are
    // the date's: each pair moves by whole sidereal days until its first time lies in
    // [theta, theta + 24). Theta itself is not wrapped into 0 to 24, since east of Greenwich it
    // can lie below 0 and west of it at 24 or above, and a wrapped theta picks the events of the
    // neighbouring date.
    const double theta = gst0 - longitude * c::kRadiansToDegrees / 15 * c::kSolarToSidereal;
    for (int e = 0; e < 3; ++e) {
        while (s1[e] < theta) {
            s1[e] = s1[e] + 24;
            s2[e] = s2[e] + 24;
        }
        while (s1[e] >= theta + 24) {
            s1[e] = s1[e] - 24;
            s2[e] = s2[e] - 24;
        }
    }

    // Time the body's disc needs to rise through the correction angle x. With x = 0 there is
    // nothing to rise through, so no correction is computed, even at latitudes where the angle
    // psi between path and horizon is undefined.
    double deltaT = 0.0;
    if (x != 0.0) {
        const double meanDeclination = (dec1 + dec2) * 0.5;
        const double psi = std::acos(std::sin(latitude) / std::cos(meanDeclination));
        const double y = std::asin(std::sin(x) / std::sin(psi));
        deltaT = y * c::kSecondsOfTimePerDegreeOverDegree / std::cos(meanDeclination) / 3600;
    }

    const double k = c::kSiderealHoursPerSpanDay * span;
    double T[3];
    for (int e = 0; e < 3; ++e) {
        T[e] = (k * s1[e] - gst0 * (s2[e] - s1[e])) / (k + s1[e] - s2[e]);
    }

    result.valid = true;
    result.transit = (T[kTransit] - gst0) * c::kSiderealToSolar;
    result.rise = (T[kRise] - deltaT - gst0) * c::kSiderealToSolar;
    result.set = (T[kSet] + deltaT - gst0) * c::kSiderealToSolar;
    return result;
}

namespace {

// The Sun's positions at 00:00 UT of the day and 24 hours later.
struct SunDayPositions {
    SunPosition first;
    SunPosition second;
};

SunDayPositions SunPositionsOfDay(double jd0) {
    return SunDayPositions{SunPositionAt(jd0), SunPositionAt(jd0 + 1)};
}

RiseTransitSet SunInterpolation(double jd0, const SunDayPositions& p, double longitude,
                                double latitude, double altitude) {
    return InterpolateRiseSet(jd0, p.first.rightAscension, p.first.declination,
                              p.second.rightAscension, p.second.declination, longitude, latitude,
                              p.first.angularDiameter, p.first.horizontalParallax, 1.0, altitude);
}

double StartOfUtDay(double jd) { return std::floor(jd - 0.5) + 0.5; }

// The Sun's horizon events of a UT day, without any day-boundary step.
RiseTransitSet SunBaseEvents(double jd, double longitude, double latitude) {
    const double jd0 = StartOfUtDay(jd);
    return SunInterpolation(jd0, SunPositionsOfDay(jd0), longitude, latitude, 0.0);
}

// The Moon's horizon events of a UT day from positions twelve hours apart, without any day-boundary
// step.
RiseTransitSet MoonBaseEvents(double jd, double longitude, double latitude) {
    const double jd0 = StartOfUtDay(jd);
    const MoonPosition m1 = MoonPositionAt(SunPositionAt(jd0), jd0);
    const MoonPosition m2 = MoonPositionAt(SunPositionAt(jd0 + 0.5), jd0 + 0.5);
    return InterpolateRiseSet(jd0, m1.rightAscension, m1.declination, m2.rightAscension,
                              m2.declination, longitude, latitude, m1.angularDiameter,
                              m1.horizontalParallax, 0.5, 0.0);
}

// The crossings of one altitude from the day's two positions; every twilight and every other
// altitude of the day's light goes through here.
SunAltitudeCrossings SunCrossings(double jd0, const SunDayPositions& p, double longitude,
                                  double latitude, double altitude, double tz) {
    const RiseTransitSet crossing = SunInterpolation(jd0, p, longitude, latitude, altitude);
    SunAltitudeCrossings crossings;
    if (!crossing.valid) return crossings;
    crossings.valid = true;
    crossings.morning = WrapToPeriod(crossing.rise + tz, 24);
    crossings.evening = WrapToPeriod(crossing.set + tz, 24);
    return crossings;
}

}  // namespace

SunAltitudeCrossings SunCrossingsOfAltitude(double jd, double longitude, double latitude,
                                            double altitude, double tzOffsetHours) {
    const double jd0 = StartOfUtDay(jd);
    return SunCrossings(jd0, SunPositionsOfDay(jd0), longitude, latitude, altitude, tzOffsetHours);
}

BodyEvents SunEventsForDay(double jd, double longitude, double latitude, double tzOffsetHours) {
    const double tz = tzOffsetHours;
    const double jd0 = StartOfUtDay(jd);
    const SunDayPositions positions = SunPositionsOfDay(jd0);
    const RiseTransitSet base = SunInterpolation(jd0, positions, longitude, latitude, 0.0);

    BodyEvents sun;
    sun.valid = sun.riseValid = sun.transitValid = sun.setValid = base.valid;
    double* const events[3] = {&sun.rise, &sun.transit, &sun.set};
    sun.rise = base.rise;
    sun.transit = base.transit;
    sun.set = base.set;

    if (base.valid) {
        // Events of the UT day that fall outside the local day are taken from a neighbouring UT
        // day; the Sun's times change so little from day to day that no flag changes. A neighbour
        // without a crossing has nothing to give, so the event keeps its own value.
        if (tz > 0) {
            const double lim = 24 - tz;
            if (sun.rise >= lim || sun.transit >= lim || sun.set >= lim) {
                const RiseTransitSet next = SunBaseEvents(jd + 1, longitude, latitude);
                const double replacement[3] = {next.rise, next.transit, next.set};
                for (int e = 0; e < 3; ++e) {
                    if (*events[e] >= lim && next.valid) *events[e] = replacement[e];
                }
            }
        } else if (tz < 0) {
            if (sun.rise < -tz || sun.transit < -tz || sun.set < -tz) {
                const RiseTransitSet previous = SunBaseEvents(jd - 1, longitude, latitude);
                const double replacement[3] = {previous.rise, previous.transit, previous.set};
                for (int e = 0; e < 3; ++e) {
                    if (*events[e] < -tz && previous.valid) *events[e] = replacement[e];
                }
            }
        }
        sun.transit = WrapToPeriod(sun.transit + tz, 24);
        sun.rise = WrapToPeriod(sun.rise + tz, 24);
        sun.set = WrapToPeriod(sun.set + tz, 24);
    }

    const SunAltitudeCrossings civil =
        SunCrossings(jd0, positions, longitude, latitude, c::kCivilTwilightAltitude, tz);
    sun.civilValid = civil.valid;
    sun.civilBegin = civil.morning;
    sun.civilEnd = civil.evening;
    const SunAltitudeCrossings nautical =
        SunCrossings(jd0, positions, longitude, latitude, c::kNauticalTwilightAltitude, tz);
    sun.nauticalValid = nautical.valid;
    sun.nauticalBegin = nautical.morning;
    sun.nauticalEnd = nautical.evening;
    const SunAltitudeCrossings astronomical =
        SunCrossings(jd0, positions, longitude, latitude, c::kAstronomicalTwilightAltitude, tz);
    sun.astronomicalValid = astronomical.valid;
    sun.astronomicalBegin = astronomical.morning;
    sun.astronomicalEnd = astronomical.evening;
    return sun;
}

BodyEvents MoonEventsForDay(double jd, double longitude, double latitude, double tzOffsetHours) {
    const double tz = tzOffsetHours;
    const RiseTransitSet base = MoonBaseEvents(jd, longitude, latitude);

    BodyEvents moon;
    moon.valid = moon.riseValid = moon.transitValid = moon.setValid = base.valid;
    moon.rise = base.rise;
    moon.transit = base.transit;
    moon.set = base.set;

    // Transit, rise and set, in the order the day-boundary step visits them.
    double* const values[3] = {&moon.transit, &moon.rise, &moon.set};
    bool* const flags[3] = {&moon.transitValid, &moon.riseValid, &moon.setValid};

    if (base.valid) {
        // The Moon's events move by about 50 minutes a day, so an event outside the local day is
        // replaced only by a neighbour's event that does fall inside it; otherwise the local day has
        // none. A neighbour without a crossing has none to give.
        if (tz > 0) {
            const double lim = 24 - tz;
            const RiseTransitSet previous = MoonBaseEvents(jd - 1, longitude, latitude);
            const double replacement[3] = {previous.transit, previous.rise, previous.set};
            for (int e = 0; e < 3; ++e) {
                if (*values[e] >= lim || *values[e] < -tz) {
                    *flags[e] = previous.valid && replacement[e] >= lim;
                    if (*flags[e]) *values[e] = replacement[e];
                }
            }
        } else if (tz < 0) {
            if (moon.rise < -tz || moon.set < -tz || moon.transit < -tz) {
                const RiseTransitSet next = MoonBaseEvents(jd + 1, longitude, latitude);
                const double replacement[3] = {next.transit, next.rise, next.set};
                for (int e = 0; e < 3; ++e) {
                    if (*values[e] < -tz) {
                        *flags[e] = next.valid && replacement[e] <= -tz;
                        if (*flags[e]) *values[e] = replacement[e];
                    }
                }
            }
        }
    }

    for (int e = 0; e < 3; ++e) {
        if (*flags[e]) *values[e] = WrapToPeriod(*values[e] + tz, 24);
    }
    return moon;
}

}  // namespace astro
