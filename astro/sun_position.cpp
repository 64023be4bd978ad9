// The Sun's place by two low-precision models: the epoch-1990 model in radians (Duffett-Smith,
// "Practical Astronomy with your Calculator", the Sun's position section) and the day-number model
// in degrees (Schlyter, "How to compute planetary positions"), plus a two-term equation of time.
#include <cmath>

#include "astronomy.h"
#include "constants.h"
#include "degree_trig.h"
#include "sun_day_number_model.h"

namespace astro {

namespace c = constants;

SunPosition SunPositionAt(double t) {
    // Mean anomaly from the mean longitude at epoch 1990.0 and the longitude of perigee; not wrapped.
    const double M = (t - c::kEpoch1990) * c::kSunMeanMotion + c::kSunMeanLongitudeAtEpoch -
                     c::kSunPerigeeLongitude;
    // True anomaly to first order in the eccentricity.
    const double nu = M + c::kSunTwiceEccentricity * std::sin(M);
    const double lambda = WrapToPeriod(nu + c::kSunPerigeeLongitude, c::kTwoPi);
    const double beta = 0.0;
    // Distance in units of the semi-major axis.
    const double f = c::kSunOneMinusESquared / (1 + c::kSunEccentricity * std::cos(nu));

    SunPosition sun;
    sun.eclipticLongitude = lambda;
    sun.eclipticLatitude = beta;
    sun.meanAnomaly = M;
    sun.distanceKm = f * c::kAstronomicalUnitKm;
    sun.angularDiameter = c::kSunAngularDiameterAtMeanDistance / f;
    sun.horizontalParallax = c::kEarthEquatorialRadiusKm / sun.distanceKm;
    const EquatorialCoordinates equatorial =
        EclipticToEquatorial(lambda, beta, ObliquityCenturies(t));
    sun.rightAscension = equatorial.rightAscension;
    sun.declination = equatorial.declination;
    return sun;
}

namespace detail {

SunOrbitState SunOrbitAt(double d) {
    const double w = 282.9404 + 4.70935e-05 * d;  // longitude of perihelion, not wrapped
    const double e = 0.016709 - 1.151e-09 * d;
    const double M = WrapToPeriod(356.047 + 0.9856002585 * d, 360);
    const double L = WrapToPeriod(M + w, 360);
    // Eccentric anomaly: one step of Kepler's equation is enough for the Earth's orbit.
    const double E = M + e * c::kRadiansToDegrees * degrees::Sin(M) * (1 + e * degrees::Cos(M));
    const double x = degrees::Cos(E) - e;
    const double y = std::sqrt(1 - e * e) * degrees::Sin(E);
    const double r = std::sqrt(x * x + y * y);
    const double v = degrees::Atan2(y, x);
    const double lon = WrapToPeriod(v + w, 360);
    const double xs = r * degrees::Cos(lon);
    const double ys = r * degrees::Sin(lon);
    const double obliquity = ObliquityDayNumber(d);

    SunOrbitState state;
    state.xs = xs;
    state.ye = ys * degrees::Cos(obliquity);
    state.ze = ys * degrees::Sin(obliquity);
    state.distanceAU = r;
    state.meanAnomalyDeg = M;
    state.meanLongitudeDeg = L;
    return state;
}

}  // namespace detail

SunSkyPosition ComputeSunSkyPosition(const CivilDateTime& dateTime, double latitudeDeg,
                                     double longitudeDeg) {
    const double ut = dateTime.hour + dateTime.minute / 60.0 + dateTime.second / 3600.0;
    const double d = DayNumber2000(dateTime);
    const detail::SunOrbitState orbit = detail::SunOrbitAt(d);

    SunSkyPosition sky;
    sky.raDeg = WrapToPeriod(degrees::Atan2(orbit.ye, orbit.xs), 360);
    sky.decDeg = degrees::Asin(orbit.ze / orbit.distanceAU);
    const double gmst0 = WrapToPeriod(orbit.meanLongitudeDeg + 180, 360);
    // The hour angle is left unwrapped; the horizontal conversion only takes its sine and cosine.
    const double hourAngle = (gmst0 / 15 + ut + longitudeDeg / 15 - sky.raDeg / 15) * 15;
    const HorizontalCoordinates horizontal =
        HorizontalFromEquatorial(hourAngle, sky.decDeg, latitudeDeg);
    sky.altitudeDeg = horizontal.altitudeDeg;
    sky.azimuthDeg = horizontal.azimuthDeg;
    sky.distanceAU = orbit.distanceAU;
    sky.meanLongitudeDeg = orbit.meanLongitudeDeg;
    sky.meanAnomalyDeg = orbit.meanAnomalyDeg;
    return sky;
}

double EquationOfTimeHours(int dayOfYear) {
    const double N = dayOfYear;
    return -0.170869921174742 * std::sin(0.0336997028793971 * N + 0.465419984181394) -
           0.129890681040717 * std::sin(0.0178674832556871 * N - 0.167936777524864);
}

}  // namespace astro
