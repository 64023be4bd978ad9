// Day counts, calendar conversions, sidereal times and coordinate conversions.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "astro/astronomy.h"
#include "support/tolerances.h"

namespace {

using test_tolerance::Decimals;

TEST(WrapToPeriod, FloorsNegativeValuesIntoThePeriod) {
    // A truncating wrap would leave -30 negative.
    EXPECT_DOUBLE_EQ(astro::WrapToPeriod(-30, 360), 330);
    EXPECT_DOUBLE_EQ(astro::WrapToPeriod(-360, 360), 0);
    EXPECT_DOUBLE_EQ(astro::WrapToPeriod(725, 360), 5);
    EXPECT_DOUBLE_EQ(astro::WrapToPeriod(25.5, 24), 1.5);
    EXPECT_DOUBLE_EQ(astro::WrapToPeriod(-0.5, 24), 23.5);
}

TEST(WrapToPeriod, ResultStaysBelowThePeriodForTinyNegatives) {
    // x - floor(x / p) * p rounds to exactly p here; the wrap must still give a value below p.
    for (const double p : {24.0, 360.0, 6.283185307179586}) {
        for (const double x : {-1e-17, -1e-300, -std::numeric_limits<double>::denorm_min(),
                               -p * 1e-17, -0.0}) {
            const double wrapped = astro::WrapToPeriod(x, p);
            EXPECT_GE(wrapped, 0.0) << "x=" << x << " p=" << p;
            EXPECT_LT(wrapped, p) << "x=" << x << " p=" << p;
        }
    }
}

TEST(WrapToPeriod, SweepStaysInRange) {
    for (double x = -1000.0; x < 1000.0; x += 0.37) {
        const double wrapped = astro::WrapToPeriod(x, 24);
        ASSERT_GE(wrapped, 0.0) << x;
        ASSERT_LT(wrapped, 24.0) << x;
        ASSERT_NEAR(std::remainder(wrapped - x, 24.0), 0.0, 1e-9) << x;
    }
}

struct JulianDayCase {
    int year, month, day;
    double jd0;
};

TEST(JulianDayOfDate, ReferenceDates) {
    const JulianDayCase cases[] = {
        {2000, 1, 1, 2451544.5}, {2018, 6, 21, 2458290.5}, {1901, 1, 1, 2415385.5},
        {2099, 12, 31, 2488068.5}, {2000, 3, 1, 2451604.5}, {2018, 5, 2, 2458240.5},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(astro::JulianDayOfDate(c.year, c.month, c.day), c.jd0)
            << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST(JulianDayOfDate, ConsecutiveDaysDifferByOne) {
    // Month lengths come out of the 30.6001 factor; a slip would show as a jump at a month start.
    for (int year : {1901, 1999, 2000, 2024, 2099}) {
        double previous = astro::JulianDayOfDate(year, 1, 1) - 1;
        for (int month = 1; month <= 12; ++month) {
            static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
            const bool leap = year % 4 == 0;
            const int days = kDays[month - 1] + (month == 2 && leap ? 1 : 0);
            for (int day = 1; day <= days; ++day) {
                const double jd = astro::JulianDayOfDate(year, month, day);
                ASSERT_EQ(jd - previous, 1.0) << year << "-" << month << "-" << day;
                previous = jd;
            }
        }
    }
}

TEST(EphemerisInstant, AddsTimeOfDayAndDeltaT) {
    EXPECT_NEAR(astro::EphemerisInstant(2451544.5, 0, 0, 0), 2451544.500752315, Decimals(9));
    EXPECT_NEAR(astro::EphemerisInstant(2451544.5, 12, 30, 36) - 2451544.5,
                (12 + 30 / 60.0 + 36 / 3600.0) / 24 + 65.0 / 86400, 1e-9);
}

TEST(DayOfYear, ReferenceDates) {
    struct Case {
        int year, month, day, expected;
    };
    const Case cases[] = {{2018, 6, 21, 172}, {2000, 3, 1, 61},  {2000, 12, 31, 366},
                          {2001, 1, 1, 1},    {2001, 12, 31, 365}, {1901, 1, 1, 1},
                          {2099, 12, 31, 365}, {2000, 2, 29, 60}};
    for (const auto& c : cases) {
        const double jd0 = astro::JulianDayOfDate(c.year, c.month, c.day);
        EXPECT_EQ(astro::DayOfYear(jd0, c.year), c.expected)
            << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST(ModifiedJulianDay, ReferenceDatesAndAgreementWithJulianDay) {
    EXPECT_EQ(astro::ModifiedJulianDay(2018, 6, 21), 58290);
    EXPECT_EQ(astro::ModifiedJulianDay(2000, 1, 1), 51544);
    EXPECT_EQ(astro::ModifiedJulianDay(2000, 2, 29), 51603);
    // Within 1901 to 2099 the century terms cancel and both day counts agree.
    for (int year = 1901; year <= 2099; year += 7) {
        for (int month = 1; month <= 12; month += 1) {
            EXPECT_EQ(astro::ModifiedJulianDay(year, month, 15),
                      astro::JulianDayOfDate(year, month, 15) - 2400000.5)
                << year << "-" << month;
        }
    }
}

TEST(DayNumber2000, ReferenceInstants) {
    EXPECT_EQ(astro::DayNumber2000({2000, 1, 1, 0, 0, 0}), 1.0);
    EXPECT_EQ(astro::DayNumber2000({2018, 6, 21, 12, 0, 0}), 6747.5);
    EXPECT_EQ(astro::DayNumber2000({1999, 12, 31, 0, 0, 0}), 0.0);
    EXPECT_NEAR(astro::DayNumber2000({2000, 1, 1, 6, 30, 36}), 1 + (6.5 + 0.01) / 24, 1e-12);
    // Integer divisions of the month terms: the last day of February and the first of March.
    EXPECT_EQ(astro::DayNumber2000({2000, 3, 1, 0, 0, 0}) -
                  astro::DayNumber2000({2000, 2, 29, 0, 0, 0}),
              1.0);
    EXPECT_EQ(astro::DayNumber2000({2099, 12, 31, 0, 0, 0}) -
                  astro::DayNumber2000({1901, 1, 1, 0, 0, 0}),
              astro::JulianDayOfDate(2099, 12, 31) - astro::JulianDayOfDate(1901, 1, 1));
}

TEST(JulianDayNumber, ReferenceDates) {
    EXPECT_EQ(astro::JulianDayNumber(2000, 1, 1), 2451545);
    EXPECT_EQ(astro::JulianDayNumber(1901, 1, 1), 2415386);
    EXPECT_EQ(astro::JulianDayNumber(2099, 12, 31), 2488069);
    EXPECT_EQ(astro::JulianDayNumber(2018, 3, 1) - astro::JulianDayNumber(2018, 2, 28), 1);
    EXPECT_EQ(astro::JulianDayNumber(2000, 3, 1) - astro::JulianDayNumber(2000, 2, 28), 2);
    EXPECT_EQ(astro::JulianDayNumber(1900, 3, 1) - astro::JulianDayNumber(1900, 2, 28), 1);
}

TEST(CivilDateOfJulianDay, ReferenceDatesAndRoundTrip) {
    auto expectDate = [](double jd, int year, int month, int day) {
        const astro::CalendarDate date = astro::CivilDateOfJulianDay(jd);
        EXPECT_EQ(date.year, year) << "jd " << jd;
        EXPECT_EQ(date.month, month) << "jd " << jd;
        EXPECT_EQ(date.day, day) << "jd " << jd;
    };
    expectDate(2451545.0, 2000, 1, 1);
    expectDate(2458240.5, 2018, 5, 2);  // midnight belongs to the day that begins there
    expectDate(2458240.4999, 2018, 5, 1);
    expectDate(2451604.5, 2000, 3, 1);
    expectDate(2451603.5, 2000, 2, 29);
    for (int jdn = 2415386; jdn <= 2488069; jdn += 37) {
        const astro::CalendarDate date = astro::CivilDateOfJulianDay(jdn);
        ASSERT_EQ(astro::JulianDayNumber(date.year, date.month, date.day), jdn);
    }
}

TEST(GreenwichSiderealHours, AtAndAfterMidnight) {
    const astro::SiderealTimes midnight = astro::GreenwichSiderealHours(2451544.5);
    EXPECT_NEAR(midnight.gst0, 6.66451964580288, 1e-12);
    EXPECT_DOUBLE_EQ(midnight.gst, midnight.gst0);
    // Six solar hours later the sidereal clock has gained 6 * 1.002737909 hours.
    const astro::SiderealTimes morning = astro::GreenwichSiderealHours(2451544.75);
    EXPECT_DOUBLE_EQ(morning.gst0, midnight.gst0);
    EXPECT_NEAR(morning.gst, midnight.gst0 + 6 * 1.002737909, 1e-9);
}

TEST(GreenwichSiderealDegrees, ReferenceAndRange) {
    EXPECT_NEAR(astro::GreenwichSiderealDegrees(51544.0), 99.9678, Decimals(4));
    EXPECT_NEAR(astro::GreenwichSiderealDegrees(51544.0) / 15, 6.6645, Decimals(4));
    // Dates before 2000 make the angle negative before reduction.
    for (double mjd = 15385.0; mjd < 88069.0; mjd += 123.37) {
        const double theta = astro::GreenwichSiderealDegrees(mjd);
        ASSERT_GE(theta, 0.0) << mjd;
        ASSERT_LT(theta, 360.0) << mjd;
    }
    // The two sidereal formulas agree to a fraction of a second of time.
    for (double mjd = 20000.5; mjd < 80000.0; mjd += 997.0) {
        const double hours = astro::GreenwichSiderealHours(mjd + 2400000.5).gst;
        const double degrees = astro::GreenwichSiderealDegrees(mjd);
        EXPECT_NEAR(std::remainder(degrees / 15 - hours, 24.0), 0.0, 1e-4) << mjd;
    }
}

TEST(Obliquity, BothForms) {
    EXPECT_NEAR(astro::ObliquityCenturies(2451545.0), 23.439291666666666 * 0.017453292519943295,
                1e-15);
    EXPECT_DOUBLE_EQ(astro::ObliquityDayNumber(0.0), 23.4393);
    EXPECT_NEAR(astro::ObliquityDayNumber(36525.0), 23.4393 - 0.0130139, 1e-6);
    // A century later the obliquity has fallen by 46.8 arcseconds.
    EXPECT_NEAR((astro::ObliquityCenturies(2451545.0) - astro::ObliquityCenturies(2488070.0)) /
                    0.017453292519943295 * 3600,
                46.81379, 1e-5);
}

TEST(EclipticToEquatorial, EquinoxAndSolstice) {
    const double epsilon = 23.44 * 0.017453292519943295;
    const astro::EquatorialCoordinates equinox = astro::EclipticToEquatorial(0, 0, epsilon);
    EXPECT_NEAR(equinox.rightAscension, 0, 1e-15);
    EXPECT_NEAR(equinox.declination, 0, 1e-15);
    const astro::EquatorialCoordinates solstice =
        astro::EclipticToEquatorial(1.5707963267948966, 0, epsilon);
    EXPECT_NEAR(solstice.rightAscension, 1.5707963267948966, 1e-12);
    EXPECT_NEAR(solstice.declination, epsilon, 1e-12);
    // Longitude 270 degrees gives a right ascension in [0, 2 pi), not -pi/2.
    const astro::EquatorialCoordinates winter =
        astro::EclipticToEquatorial(3 * 1.5707963267948966, 0, epsilon);
    EXPECT_NEAR(winter.rightAscension, 3 * 1.5707963267948966, 1e-12);
    EXPECT_NEAR(winter.declination, -epsilon, 1e-12);
}

TEST(HorizontalFromEquatorial, MeridianAndHorizon) {
    // On the meridian south of the zenith: azimuth 180, altitude 90 - latitude + declination.
    const astro::HorizontalCoordinates south = astro::HorizontalFromEquatorial(0, 10, 50);
    EXPECT_NEAR(south.azimuthDeg, 180, 1e-9);
    EXPECT_NEAR(south.altitudeDeg, 50, 1e-9);
    // In the southern hemisphere the culmination lies north (azimuth 0, not 360).
    const astro::HorizontalCoordinates north = astro::HorizontalFromEquatorial(0, -10, -50);
    EXPECT_NEAR(north.altitudeDeg, 50, 1e-9);
    EXPECT_TRUE(north.azimuthDeg < 1e-9 || north.azimuthDeg > 360 - 1e-9) << north.azimuthDeg;
    // A body on the celestial equator sets due west at hour angle 90 degrees.
    const astro::HorizontalCoordinates west = astro::HorizontalFromEquatorial(90, 0, 40);
    EXPECT_NEAR(west.azimuthDeg, 270, 1e-9);
    EXPECT_NEAR(west.altitudeDeg, 0, 1e-9);
    const astro::HorizontalCoordinates east = astro::HorizontalFromEquatorial(-90, 0, 40);
    EXPECT_NEAR(east.azimuthDeg, 90, 1e-9);
}

}  // namespace
