// The low-precision lunar series of Montenbruck and Pfleger ("Astronomy on the Personal Computer",
// the short Moon series), good to a few arcminutes; used by the hourly moonrise search.
#include <cmath>

#include "astronomy.h"
#include "constants.h"

namespace astro {

namespace c = constants;

namespace {

double Frac(double x) { return x - std::floor(x); }

}  // namespace

LowPrecisionMoonPosition LowPrecisionMoon(double T) {
    const double P = c::kTwoPiLowPrecision;
    const double L0 = Frac(0.606433 + 1336.855225 * T);      // mean longitude, revolutions
    const double l = P * Frac(0.374897 + 1325.55241 * T);    // Moon's mean anomaly
    const double ls = P * Frac(0.993133 + 99.997361 * T);    // Sun's mean anomaly
    const double D = P * Frac(0.827361 + 1236.853086 * T);   // elongation
    const double F = P * Frac(0.259086 + 1342.227825 * T);   // argument of latitude

    const double DL = 22640 * std::sin(l) - 4586 * std::sin(l - 2 * D) + 2370 * std::sin(2 * D) +
                      769 * std::sin(2 * l) - 668 * std::sin(ls) - 412 * std::sin(2 * F) -
                      212 * std::sin(2 * l - 2 * D) - 206 * std::sin(l + ls - 2 * D) +
                      192 * std::sin(l + 2 * D) - 165 * std::sin(ls - 2 * D) -
                      125 * std::sin(D) - 110 * std::sin(l + ls) + 148 * std::sin(l - ls) -
                      55 * std::sin(2 * F - 2 * D);
    const double S = F + (DL + 412 * std::sin(2 * F) + 541 * std::sin(ls)) / c::kArcsecondsPerRadian;
    const double H = F - 2 * D;
    const double Nb = -526 * std::sin(H) + 44 * std::sin(l + H) - 31 * std::sin(H - l) -
                      23 * std::sin(ls + H) + 11 * std::sin(H - ls) - 25 * std::sin(F - 2 * l) +
                      21 * std::sin(F - l);

    const double lMoon = P * Frac(L0 + DL / c::kArcsecondsPerRevolution);
    const double bMoon = (18520 * std::sin(S) + Nb) / c::kArcsecondsPerRadian;

    // Ecliptic to equatorial with the obliquity's cosine and sine of J2000 written out.
    const double CB = std::cos(bMoon);
    const double X = CB * std::cos(lMoon);
    const double V = CB * std::sin(lMoon);
    const double W = std::sin(bMoon);
    const double Y = 0.91748 * V - 0.39778 * W;
    const double Z = 0.39778 * V + 0.91748 * W;
    const double RHO = std::sqrt(1 - Z * Z);

    LowPrecisionMoonPosition result;
    result.decDeg = c::kRadiansToDegreesLowPrecision * std::atan(Z / RHO);
    result.raHours = c::kRadiansToHoursLowPrecision * std::atan(Y / (X + RHO));
    if (result.raHours < 0) result.raHours += 24;
    return result;
}

}  // namespace astro
