// The Moon's topocentric place by the day-number model (Schlyter, "How to compute planetary
// positions"): Keplerian orbit with the twelve largest longitude, five latitude and two distance
// perturbations, then the parallax correction for an observer on the spheroid.
#include <cmath>

#include "astronomy.h"
#include "constants.h"
#include "degree_trig.h"

namespace astro {

namespace c = constants;
namespace deg = degrees;

namespace {

// Kepler's equation by Newton's method from a second-order start, in degrees.
double EccentricAnomalyDeg(double M) {
    const double e = c::kMoonEccentricity;
    const double k = c::kMoonEccentricityInDegrees;
    double E0 = M + k * deg::Sin(M) * (1 + e * deg::Cos(M));
    for (;;) {
        const double E1 = E0 - (E0 - k * deg::Sin(E0) - M) / (1 - e * deg::Cos(E0));
        if (std::fabs(E1 - E0) <= c::kKeplerTolerance) return E1;
        E0 = E1;
    }
}

// The parallax shift of the declination. At latitude 0 the formula is 0/0 (the geocentric latitude
// and the auxiliary angle g both vanish); there its limit is taken: sin(gclat) / sin(g) tends to
// cos(HA) because tan(g) = tan(gclat) / cos(HA).
double DeclinationParallaxDeg(double parallaxRho, double gclat, double hourAngle, double dec) {
    if (gclat == 0.0) {
        return parallaxRho * deg::Cos(hourAngle) * deg::Sin(0.0 - dec);
    }
    const double g = deg::Atan(deg::Tan(gclat) / deg::Cos(hourAngle));
    return parallaxRho * deg::Sin(gclat) * deg::Sin(g - dec) / deg::Sin(g);
}

}  // namespace

MoonSkyPosition ComputeMoonSkyPosition(const CivilDateTime& dateTime, double latitudeDeg,
                                       double longitudeDeg) {
    const double ut = dateTime.hour + dateTime.minute / 60.0 + dateTime.second / 3600.0;
    const double d = DayNumber2000(dateTime);
    const double obliquity = ObliquityDayNumber(d);

    const double N = WrapToPeriod(125.1228 - 0.0529538083 * d, 360);
    const double w = WrapToPeriod(318.0634 + 0.1643573223 * d, 360);
    const double M = WrapToPeriod(115.3654 + 13.0649929509 * d, 360);
    const double i = c::kMoonInclinationDeg;
    const double e = c::kMoonEccentricity;
    const double a = c::kMoonSemiMajorAxisEarthRadii;

    const double E = EccentricAnomalyDeg(M);
    const double x = a * (deg::Cos(E) - e);
    const double y = a * std::sqrt(c::kMoonOneMinusESquared) * deg::Sin(E);
    const double r = std::sqrt(x * x + y * y);
    const double v = WrapToPeriod(deg::Atan2(y, x), 360);
    const double u = v + w;

    const double xe = r * (deg::Cos(N) * deg::Cos(u) - deg::Sin(N) * deg::Sin(u) * deg::Cos(i));
    const double ye = r * (deg::Sin(N) * deg::Cos(u) + deg::Cos(N) * deg::Sin(u) * deg::Cos(i));
    const double ze = r * deg::Sin(u) * deg::Sin(i);
    const double lonEcl = WrapToPeriod(deg::Atan2(ye, xe), 360);
    const double latEcl = deg::Asin(ze / r);

    const SunSkyPosition sun = ComputeSunSkyPosition(dateTime, latitudeDeg, longitudeDeg);
    const double Ms = sun.meanAnomalyDeg;
    const double Ls = sun.meanLongitudeDeg;
    const double Lm = WrapToPeriod(N + w + M, 360);
    const double D = WrapToPeriod(Lm - Ls, 360);
    const double F = Lm - N;

    const double dLon = -1.274 * deg::Sin(M - 2 * D) + 0.658 * deg::Sin(2 * D) -
                        0.186 * deg::Sin(Ms) - 0.059 * deg::Sin(2 * M - 2 * D) -
                        0.057 * deg::Sin(M - 2 * D + Ms) + 0.053 * deg::Sin(M + 2 * D) +
                        0.046 * deg::Sin(2 * D - Ms) + 0.041 * deg::Sin(M - Ms) -
                        0.035 * deg::Sin(D) - 0.031 * deg::Sin(M + Ms) -
                        0.015 * deg::Sin(2 * F - 2 * D) + 0.011 * deg::Sin(M - 4 * D);
    const double dLat = -0.173 * deg::Sin(F - 2 * D) - 0.055 * deg::Sin(M - F - 2 * D) -
                        0.046 * deg::Sin(M + F - 2 * D) + 0.033 * deg::Sin(F + 2 * D) +
                        0.017 * deg::Sin(2 * M + F);
    const double dR = -0.58 * deg::Cos(M - 2 * D) - 0.46 * deg::Cos(2 * D);

    const double lambda = lonEcl + dLon;
    const double beta = latEcl + dLat;
    const double dist = r + dR;

    const double X = deg::Cos(lambda) * deg::Cos(beta);
    const double Y = deg::Sin(lambda) * deg::Cos(beta);
    const double Z = deg::Sin(beta);
    const double Ye = Y * deg::Cos(obliquity) - Z * deg::Sin(obliquity);
    const double Ze = Y * deg::Sin(obliquity) + Z * deg::Cos(obliquity);
    const double ra = WrapToPeriod(deg::Atan2(Ye, X), 360);
    const double dec = deg::Asin(Ze);

    const double gmst0 = WrapToPeriod(Ls + 180, 360);
    const double hourAngle = WrapToPeriod((gmst0 / 15 + ut + longitudeDeg / 15) * 15 - ra, 360);

    // Geocentric latitude and distance from the Earth's centre of the observer, and the parallax.
    const double gclat = latitudeDeg - 0.1924 * deg::Sin(2 * latitudeDeg);
    const double rho = 0.99833 + 0.00167 * deg::Cos(2 * latitudeDeg);
    const double mpar = deg::Asin(1 / dist);

    MoonSkyPosition sky;
    sky.topoRaDeg = ra - mpar * rho * deg::Cos(gclat) * deg::Sin(hourAngle) / deg::Cos(dec);
    sky.topoDecDeg = dec - DeclinationParallaxDeg(mpar * rho, gclat, hourAngle, dec);
    // The geocentric hour angle is combined with the topocentric declination.
    const HorizontalCoordinates horizontal =
        HorizontalFromEquatorial(hourAngle, sky.topoDecDeg, latitudeDeg);
    sky.altitudeDeg = horizontal.altitudeDeg;
    sky.azimuthDeg = horizontal.azimuthDeg;
    sky.distanceEarthRadii = dist;
    sky.meanLongitudeDeg = Lm;
    sky.meanAnomalyDeg = M;
    return sky;
}

}  // namespace astro
