// Obliquity of the ecliptic and the coordinate conversions shared by the models.
#include <cmath>

#include "astronomy.h"
#include "constants.h"
#include "degree_trig.h"

namespace astro {

double ObliquityCenturies(double jd) {
    const double T = (jd - constants::kJ2000) / constants::kDaysPerJulianCentury;
    const double degrees =
        ((T * 0.00181 - 0.0006) * T - 46.815) * T / 3600 + 23.439291666666666;
    return degrees * constants::kDegreesToRadians;
}

double ObliquityDayNumber(double d) { return 23.4393 - 3.563e-07 * d; }

EquatorialCoordinates EclipticToEquatorial(double longitude, double latitude, double obliquity) {
    EquatorialCoordinates result;
    result.rightAscension = WrapToPeriod(
        std::atan2(std::sin(longitude) * std::cos(obliquity) -
                       std::tan(latitude) * std::sin(obliquity),
                   std::cos(longitude)),
        constants::kTwoPi);
    result.declination =
        std::asin(std::sin(latitude) * std::cos(obliquity) +
                  std::cos(latitude) * std::sin(obliquity) * std::sin(longitude));
    return result;
}

HorizontalCoordinates HorizontalFromEquatorial(double hourAngleDeg, double declinationDeg,
                                               double latitudeDeg) {
    const double x = degrees::Cos(hourAngleDeg) * degrees::Cos(declinationDeg);
    const double y = degrees::Sin(hourAngleDeg) * degrees::Cos(declinationDeg);
    const double z = degrees::Sin(declinationDeg);
    const double xh = x * degrees::Sin(latitudeDeg) - z * degrees::Cos(latitudeDeg);
    const double zh = x * degrees::Cos(latitudeDeg) + z * degrees::Sin(latitudeDeg);
    HorizontalCoordinates result;
    result.azimuthDeg = WrapToPeriod(degrees::Atan2(y, xh) + 180, 360);
    result.altitudeDeg = degrees::Asin(zh);
    return result;
}

}  // namespace astro
