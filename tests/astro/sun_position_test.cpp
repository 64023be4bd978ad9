// The Sun by the epoch-1990 model, by the day-number model, and the equation of time.
#include <gtest/gtest.h>

#include "astro/astronomy.h"
#include "support/tolerances.h"

namespace {

using test_tolerance::Decimals;
constexpr double kRadToDeg = 57.29577951308232;

TEST(SunPositionAt, ReferenceValuesAtJ2000) {
    const astro::SunPosition sun = astro::SunPositionAt(2451545.0);
    EXPECT_NEAR(sun.eclipticLongitude, 4.8937108, Decimals(7));
    EXPECT_NEAR(sun.eclipticLongitude * kRadToDeg, 280.38898, Decimals(5));
    EXPECT_EQ(sun.eclipticLatitude, 0.0);
    EXPECT_NEAR(sun.meanAnomaly, 62.791667, Decimals(6));
    EXPECT_NEAR(sun.distanceKm, 147100345, Decimals(0));
    EXPECT_NEAR(sun.angularDiameter, 0.0094629, Decimals(7));
    EXPECT_NEAR(sun.horizontalParallax, 4.3359e-05, 0.51e-9);
    EXPECT_NEAR(sun.rightAscension, 4.9096159, Decimals(7));
    EXPECT_NEAR(sun.declination, -0.4019961, Decimals(7));
    EXPECT_NEAR(sun.declination * kRadToDeg, -23.03268, Decimals(5));
}

TEST(SunPositionAt, Solstices) {
    // 2018-06-21 00:00 UT plus Delta T: the Sun stands near the June solstice.
    const astro::SunPosition june = astro::SunPositionAt(2458290.500752315);
    EXPECT_NEAR(june.declination * kRadToDeg, 23.44, 0.01);
    EXPECT_NEAR(june.eclipticLongitude * kRadToDeg, 90, 0.5);
    EXPECT_NEAR(june.rightAscension * 12 / 3.141592653589793, 6, 0.05);
    EXPECT_NEAR(astro::SunPositionAt(2451544.500752315).declination * kRadToDeg, -23.07, 0.01);
    const double may29 = astro::JulianDayOfDate(2018, 5, 29) + 0.0007523148148148148;
    EXPECT_NEAR(astro::SunPositionAt(may29).declination * kRadToDeg, 21.58, 0.01);
}

TEST(SunPositionAt, EclipticLatitudeIsExactlyZeroAndRangesHold) {
    for (double t = 2415385.5; t < 2488069.5; t += 101.3) {
        const astro::SunPosition sun = astro::SunPositionAt(t);
        ASSERT_EQ(sun.eclipticLatitude, 0.0) << t;
        ASSERT_GE(sun.eclipticLongitude, 0.0);
        ASSERT_LT(sun.eclipticLongitude, 6.283185307179586);
        ASSERT_GE(sun.rightAscension, 0.0);
        ASSERT_LT(sun.rightAscension, 6.283185307179586);
        ASSERT_GT(sun.distanceKm, 147.0e6);
        ASSERT_LT(sun.distanceKm, 152.2e6);
    }
}

TEST(ComputeSunSkyPosition, ReferenceValuesAtJ2000NoonOnTheNullMeridian) {
    const astro::SunSkyPosition sky = astro::ComputeSunSkyPosition({2000, 1, 1, 12, 0, 0}, 0, 0);
    EXPECT_NEAR(sky.raDeg, 281.29212, Decimals(5));
    EXPECT_NEAR(sky.decDeg, -23.03327, Decimals(5));
    EXPECT_NEAR(sky.distanceAU, 0.9833071, Decimals(7));
    EXPECT_NEAR(sky.meanLongitudeDeg, 280.46587, Decimals(5));
    EXPECT_NEAR(sky.meanAnomalyDeg, 357.52540, Decimals(5));
    EXPECT_NEAR(sky.altitudeDeg, 66.95272, Decimals(5));
    EXPECT_NEAR(sky.azimuthDeg, 178.05744, Decimals(5));
}

TEST(ComputeSunSkyPosition, CulminationInBothHemispheresAndWestOfGreenwich) {
    const astro::SunSkyPosition berlin =
        astro::ComputeSunSkyPosition({2018, 6, 21, 11, 8, 0}, 52.5, 13.4);
    EXPECT_NEAR(berlin.altitudeDeg, 61, 0.1);
    EXPECT_NEAR(berlin.azimuthDeg, 180, 0.5);

    // South of the Sun's declination the culmination lies due north.
    const astro::SunSkyPosition sydney =
        astro::ComputeSunSkyPosition({2018, 6, 21, 2, 0, 0}, -33.9, 151.2);
    EXPECT_TRUE(sydney.azimuthDeg < 5 || sydney.azimuthDeg > 355) << sydney.azimuthDeg;
    EXPECT_NEAR(sydney.altitudeDeg, 90 - 33.9 - 23.44, 0.3);

    // West of Greenwich the hour angle falls by the longitude: New York culminates near 16:58 UT.
    const astro::SunSkyPosition newYork =
        astro::ComputeSunSkyPosition({2018, 6, 21, 16, 58, 0}, 40.7, -74.0);
    EXPECT_NEAR(newYork.azimuthDeg, 180, 1.0);
    EXPECT_NEAR(newYork.altitudeDeg, 90 - 40.7 + 23.44, 0.1);
}

TEST(EquationOfTimeHours, ReferenceDays) {
    EXPECT_NEAR(astro::EquationOfTimeHours(1), -0.062, Decimals(3));
    EXPECT_NEAR(astro::EquationOfTimeHours(1) * 60, -3.7, Decimals(1));
    EXPECT_NEAR(astro::EquationOfTimeHours(307), 0.275, Decimals(3));
    EXPECT_NEAR(astro::EquationOfTimeHours(307) * 60, 16.5, Decimals(1));
    EXPECT_NEAR(astro::EquationOfTimeHours(172), -0.0268, Decimals(4));
}

}  // namespace
