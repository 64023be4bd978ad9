// Greenwich mean sidereal time in the two forms the event routines use. The day-number models take
// their sidereal time from the Sun's mean longitude instead (GMST0 = L + 180 degrees).
#include <cmath>

#include "astronomy.h"
#include "constants.h"

namespace astro {

SiderealTimes GreenwichSiderealHours(double jd) {
    const double F = std::floor(jd - 0.5);
    const double T = (F + 0.5 - constants::kJ2000) / constants::kDaysPerJulianCentury;
    const double T0 = (T * 2.5862e-05 + 2400.051336) * T + 6.697374558;
    SiderealTimes result;
    result.gst = WrapToPeriod(T0 + ((jd - 0.5) - F) * 24 * 1.002737909, 24);
    result.gst0 = WrapToPeriod(T0, 24);
    return result;
}

double GreenwichSiderealDegrees(double mjd) {
    const double D = mjd - constants::kMjdOfJ2000;
    const double T = D / constants::kDaysPerJulianCentury;
    const double theta =
        T * 0.000387933 * T + (D * 360.98564736629 + 280.46061837) - T * T * T / 38710000;
    const double x = theta / 360;
    const auto n = static_cast<std::int32_t>(x > 0 ? std::floor(x) : std::ceil(x));
    double reduced = (x - n) * 360;
    if (reduced < 0) reduced = reduced + 360;
    return reduced;
}

}  // namespace astro
