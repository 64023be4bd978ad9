// The day-number Sun model's orbit, shared by the Sun's sky position and the hour-angle sunrise.
#pragma once

namespace astro::detail {

// The Sun's geocentric rectangular place of the day-number model at the day number d.
struct SunOrbitState {
    double xs = 0.0;                // equatorial x, AU
    double ye = 0.0;                // equatorial y, AU
    double ze = 0.0;                // equatorial z, AU
    double distanceAU = 0.0;        // r
    double meanAnomalyDeg = 0.0;    // M, degrees [0, 360)
    double meanLongitudeDeg = 0.0;  // L, degrees [0, 360)
};

SunOrbitState SunOrbitAt(double d);

}  // namespace astro::detail
