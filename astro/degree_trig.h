// Trigonometry in degrees for the day-number models, which state every angle in degrees.
#pragma once

#include <cmath>

#include "constants.h"

namespace astro::degrees {

inline double Sin(double x) { return std::sin(x * constants::kDegreesToRadians); }
inline double Cos(double x) { return std::cos(x * constants::kDegreesToRadians); }
inline double Tan(double x) { return std::tan(x * constants::kDegreesToRadians); }
inline double Asin(double x) { return std::asin(x) * constants::kRadiansToDegrees; }
inline double Acos(double x) { return std::acos(x) * constants::kRadiansToDegrees; }
inline double Atan(double x) { return std::atan(x) * constants::kRadiansToDegrees; }
inline double Atan2(double y, double x) { return std::atan2(y, x) * constants::kRadiansToDegrees; }

}  // namespace astro::degrees
