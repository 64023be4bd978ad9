// Calendar conversions and day counts. The engine keeps three independent day counts (the Julian
// Day without century correction, the Modified Julian Day and the day number from 2000 January 0.0);
// each model uses its own, and their small disagreements are part of the models' results.
#include <cmath>

#include "astronomy.h"
#include "constants.h"

namespace astro {

namespace {

// Conversion of a double to a 32-bit integer toward zero and back, as the Julian Day formula takes it.
double TruncateToInt32(double x) { return static_cast<double>(static_cast<std::int32_t>(x)); }

}  // namespace

double WrapToPeriod(double x, double p) {
    double wrapped = x - std::floor(x / p) * p;
    // Two roundings can leave the half-open range: x / p of a subnormal x underflows to -0, leaving
    // x itself; and a tiny negative x plus p rounds to exactly p. Both are the angle 0.
    if (wrapped < 0) wrapped += p;
    if (wrapped >= p) wrapped -= p;
    return wrapped;
}

double JulianDayOfDate(int year, int month, int day) {
    int y = year;
    int m = month;
    if (month <= 2) {
        y = year - 1;
        m = month + 12;
    }
    return TruncateToInt32((y - 1900) * 365.25) + 2414956.5 + TruncateToInt32((m + 1) * 30.6001) +
           day;
}

double EphemerisInstant(double jd0, int hour, int minute, int second) {
    return jd0 + (hour + minute / 60.0 + second / 3600.0) / 24.0 + constants::kDeltaTDays;
}

int DayOfYear(double jd0, int year) {
    // 1 January by the Julian Day formula with y = year - 1 and m = 13 (428 = trunc(14 * 30.6001)).
    const double firstOfJanuary = TruncateToInt32((year - 1 - 1900) * 365.25) + 2414956.5 + 428 + 1;
    return static_cast<int>(static_cast<std::int32_t>(jd0 - firstOfJanuary + 1));
}

double ModifiedJulianDay(int year, int month, int day) {
    double y = year;
    double m = month;
    if (month <= 2) {
        y = year - 1;
        m = month + 12;
    }
    const double b = std::floor(y / 400) - std::floor(y / 100) + std::floor(y * 0.25);
    return 365 * y - 679004 + b + std::floor(30.6001 * (m + 1)) + day;
}

double DayNumber2000(const CivilDateTime& dateTime) {
    const int Y = dateTime.year;
    const int M = dateTime.month;
    const int D = dateTime.day;
    const int wholeDays = 367 * Y - (7 * (Y + (M + 9) / 12)) / 4 + (275 * M) / 9 + D - 730530;
    const double fraction =
        (dateTime.hour + dateTime.minute / 60.0 + dateTime.second / 3600.0) / 24.0;
    return wholeDays + fraction;
}

std::int32_t JulianDayNumber(int year, int month, int day) {
    const std::int32_t y = month <= 2 ? year - 1 : year;
    const std::int32_t c = y / 100;
    const std::int32_t ya = y - 100 * c;
    const std::int32_t k = month <= 2 ? (153 * month + 1379) / 5 : (153 * month - 457) / 5;
    return (146097 * c) / 4 + (1461 * ya) / 4 + k + day + 1721119;
}

CalendarDate CivilDateOfJulianDay(double jd) {
    const double j = (std::floor(jd + 0.5) - 1721119) * 4;
    const double cent = std::floor((j - 1) / 146097);
    double e = std::floor((j - (146097 * cent + 1)) * 0.25);
    const double x = 4 * e + 3;
    const double yr = std::floor(x / 1461);
    e = std::floor((x - 1461 * yr + 4) * 0.25);
    const double mo = std::floor((5 * e - 3) / 153);
    const double dy = std::floor((5 * e - (153 * mo + 3) + 5) / 5);

    double year = 100 * cent + yr;
    double month = 0;
    if (mo < 10) {
        month = mo + 3;
    } else {
        month = mo - 9;
        year = year + 1;
    }
    auto toField = [](double v) {
        return static_cast<std::uint16_t>(static_cast<std::int32_t>(v));
    };
    return CalendarDate{toField(year), toField(month), toField(dy)};
}

}  // namespace astro
