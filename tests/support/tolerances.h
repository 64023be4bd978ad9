// Tolerances of the reference-value tables, named for what they allow.
#pragma once

namespace test_tolerance {

// A published value rounded to n decimals lies within half a unit of its last digit of the exact
// one; the extra 2 % covers the rounding of the comparison itself.
constexpr double Decimals(int n) {
    double unit = 1.0;
    for (int i = 0; i < n; ++i) unit /= 10;
    return 0.51 * unit;
}

// Worked examples that the texts give as "about" a clock time: within a minute.
inline constexpr double kAboutOneMinuteHours = 1.0 / 60;
// Worked examples given as "about" an angle: within a tenth of a degree.
inline constexpr double kAboutTenthDegree = 0.1;
// The Moon's principal phases from the low-precision series against an almanac's to the minute:
// the series' quarter terms stop at a few thousandths of a day.
inline constexpr double kPhaseSeriesMinutes = 10.0;

}  // namespace test_tolerance
