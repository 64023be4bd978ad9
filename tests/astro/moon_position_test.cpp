// The Moon by the epoch-1990 model, by the day-number model and by the low-precision series.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/astronomy.h"
#include "support/tolerances.h"

namespace {

using test_tolerance::Decimals;
constexpr double kRadToDeg = 57.29577951308232;

TEST(MoonPositionAt, ReferenceValuesAtJ2000) {
    const astro::MoonPosition moon =
        astro::MoonPositionAt(astro::SunPositionAt(2451545.0), 2451545.0);
    EXPECT_NEAR(moon.eclipticLongitude, 3.8945087, Decimals(7));
    EXPECT_NEAR(moon.eclipticLongitude * kRadToDeg, 223.13891, Decimals(5));
    EXPECT_NEAR(moon.eclipticLatitude, 0.0889152, Decimals(7));
    EXPECT_NEAR(moon.eclipticLatitude * kRadToDeg, 5.09447, Decimals(5));
    EXPECT_NEAR(moon.trueOrbitalLongitude, 845.84078, Decimals(5));
    EXPECT_NEAR(moon.distanceKm, 400217.07, Decimals(2));
    EXPECT_NEAR(moon.angularDiameter, 0.0086852, Decimals(7));
    EXPECT_NEAR(moon.horizontalParallax, 0.0159371, Decimals(7));
    EXPECT_NEAR(moon.elongation, 5.2834217, Decimals(7));
    EXPECT_NEAR(moon.elongation * kRadToDeg, 302.7178, Decimals(4));
    EXPECT_NEAR(moon.illuminatedFraction, 0.2297494, Decimals(7));
    EXPECT_EQ(moon.phaseIndex, 7);
    EXPECT_NEAR(moon.rightAscension, 3.8789921, Decimals(7));
    EXPECT_NEAR(moon.declination, -0.1905946, Decimals(7));
}

struct PhaseCase {
    int year, month, day;
    double fraction;
    int phaseIndex;
    double elongationDeg;
};

TEST(MoonPositionAt, PhasesAtTheEphemerisInstantOfListedDates) {
    const PhaseCase cases[] = {
        {2018, 5, 15, 0.003, 8, 353.3}, {2018, 5, 22, 0.483, 2, 88.0},
        {2018, 5, 29, 0.996, 4, 173.1}, {2018, 6, 6, 0.575, 6, 261.4},
        {2018, 6, 21, 0.561, 2, 97.0},  {2000, 1, 1, 0.271, 7, 297.2},
    };
    for (const auto& c : cases) {
        const double t =
            astro::EphemerisInstant(astro::JulianDayOfDate(c.year, c.month, c.day), 0, 0, 0);
        const astro::MoonPosition moon = astro::MoonPositionAt(astro::SunPositionAt(t), t);
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
        EXPECT_NEAR(moon.illuminatedFraction, c.fraction, Decimals(3));
        EXPECT_EQ(moon.phaseIndex, c.phaseIndex);
        EXPECT_NEAR(moon.elongation * kRadToDeg, c.elongationDeg, Decimals(1));
    }
}

TEST(MoonPositionAt, PhaseIndexFollowsTheElongationThroughALunation) {
    // Across a lunation the index steps 0/8 -> 1 -> 2 -> ... -> 7 -> 8 and never skips.
    const double start = astro::JulianDayOfDate(2018, 5, 15);
    int previous = -1;
    int changes = 0;
    for (double t = start; t < start + 29.5; t += 0.05) {
        const astro::MoonPosition moon = astro::MoonPositionAt(astro::SunPositionAt(t), t);
        ASSERT_GE(moon.phaseIndex, 0);
        ASSERT_LE(moon.phaseIndex, 8);
        const double fraction = (1 - std::cos(moon.elongation)) * 0.5;
        ASSERT_DOUBLE_EQ(moon.illuminatedFraction, fraction);
        if (previous >= 0 && moon.phaseIndex != previous) {
            ++changes;
            ASSERT_TRUE(moon.phaseIndex == previous + 1 || (previous == 8 && moon.phaseIndex == 1) ||
                        (previous == 8 && moon.phaseIndex == 0))
                << previous << " -> " << moon.phaseIndex << " at " << t;
        }
        previous = moon.phaseIndex;
    }
    EXPECT_GE(changes, 8);
}

TEST(ComputeMoonSkyPosition, ReferenceValuesAtJ2000NoonInBerlin) {
    const astro::MoonSkyPosition sky =
        astro::ComputeMoonSkyPosition({2000, 1, 1, 12, 0, 0}, 52.5, 13.4);
    EXPECT_NEAR(sky.topoRaDeg, 221.94443, Decimals(5));
    EXPECT_NEAR(sky.topoDecDeg, -11.63512, Decimals(5));
    EXPECT_NEAR(sky.distanceEarthRadii, 63.05775, Decimals(5));
    EXPECT_NEAR(sky.meanLongitudeDeg, 218.31619, Decimals(5));
    EXPECT_NEAR(sky.meanAnomalyDeg, 134.96289, Decimals(5));
    EXPECT_NEAR(sky.altitudeDeg, 1.73700, Decimals(5));
    EXPECT_NEAR(sky.azimuthDeg, 248.22478, Decimals(5));
}

TEST(ComputeMoonSkyPosition, AtTheMoonriseOfTheHourlySearch) {
    const astro::MoonSkyPosition sky =
        astro::ComputeMoonSkyPosition({2018, 6, 21, 12, 8, 51}, 52.5, 13.4);
    EXPECT_NEAR(sky.altitudeDeg, -0.5, 0.15);
    EXPECT_NEAR(sky.azimuthDeg, 92, 1.0);
}

TEST(ComputeMoonSkyPosition, EquatorIsFiniteAndContinuous) {
    // At latitude 0 the parallax formula of the declination is 0/0; its limit must join the values
    // just north and south of the equator.
    const astro::CivilDateTime instants[] = {{2000, 1, 1, 12, 0, 0},  {2018, 6, 21, 3, 30, 0},
                                             {2018, 6, 21, 18, 0, 0}, {2031, 11, 2, 7, 45, 10},
                                             {2099, 12, 31, 23, 59, 59}};
    for (const auto& when : instants) {
        for (const double lon : {-171.8, 0.0, 13.4, 151.2}) {
            const astro::MoonSkyPosition at0 = astro::ComputeMoonSkyPosition(when, 0.0, lon);
            const astro::MoonSkyPosition north = astro::ComputeMoonSkyPosition(when, 1e-9, lon);
            const astro::MoonSkyPosition south = astro::ComputeMoonSkyPosition(when, -1e-9, lon);
            const astro::MoonSkyPosition negativeZero =
                astro::ComputeMoonSkyPosition(when, -0.0, lon);
            SCOPED_TRACE(testing::Message() << when.year << "-" << when.month << " lon " << lon);
            ASSERT_TRUE(std::isfinite(at0.topoDecDeg));
            ASSERT_TRUE(std::isfinite(at0.altitudeDeg));
            ASSERT_TRUE(std::isfinite(at0.azimuthDeg));
            EXPECT_NEAR(at0.topoDecDeg, north.topoDecDeg, 1e-9);
            EXPECT_NEAR(at0.topoDecDeg, south.topoDecDeg, 1e-9);
            EXPECT_NEAR(at0.altitudeDeg, north.altitudeDeg, 1e-8);
            EXPECT_EQ(negativeZero.topoDecDeg, at0.topoDecDeg);
        }
    }
}

TEST(ComputeMoonSkyPosition, PolesAndRanges) {
    for (const double lat : {-90.0, -66.6, -45.0, 45.0, 66.6, 90.0}) {
        for (int hour = 0; hour < 24; hour += 5) {
            const astro::MoonSkyPosition sky = astro::ComputeMoonSkyPosition(
                {2024, 3, 10, static_cast<std::uint16_t>(hour), 0, 0}, lat, 20.0);
            ASSERT_TRUE(std::isfinite(sky.topoDecDeg)) << lat;
            ASSERT_TRUE(std::isfinite(sky.altitudeDeg)) << lat;
            ASSERT_GE(sky.azimuthDeg, 0.0);
            ASSERT_LT(sky.azimuthDeg, 360.0);
            ASSERT_GE(sky.meanLongitudeDeg, 0.0);
            ASSERT_LT(sky.meanLongitudeDeg, 360.0);
            // The topocentric parallax moves the Moon by at most about a degree.
            const astro::MoonSkyPosition geocentricLimit =
                astro::ComputeMoonSkyPosition({2024, 3, 10, static_cast<std::uint16_t>(hour), 0, 0},
                                              0.0, 20.0);
            ASSERT_LT(std::fabs(sky.topoDecDeg - geocentricLimit.topoDecDeg), 2.1) << lat;
        }
    }
}

TEST(LowPrecisionMoon, ReferenceValueAndRange) {
    const astro::LowPrecisionMoonPosition moon = astro::LowPrecisionMoon(0.0);
    EXPECT_NEAR(moon.raHours, 14.829961, Decimals(6));
    EXPECT_NEAR(moon.decDeg, -10.903633, Decimals(6));
    for (double T = -0.99; T < 0.99; T += 0.0137) {
        const astro::LowPrecisionMoonPosition p = astro::LowPrecisionMoon(T);
        ASSERT_GE(p.raHours, 0.0) << T;
        ASSERT_LT(p.raHours, 24.0) << T;
        ASSERT_LT(std::fabs(p.decDeg), 29.0) << T;
    }
}

TEST(LowPrecisionMoon, AgreesWithTheEpoch1990Model) {
    // Two independent models of the same Moon agree to a fraction of a degree in declination.
    for (double t = 2451545.0; t < 2451545.0 + 60; t += 1.7) {
        const astro::MoonPosition epoch1990 = astro::MoonPositionAt(astro::SunPositionAt(t), t);
        const astro::LowPrecisionMoonPosition series = astro::LowPrecisionMoon((t - 2451545.0) / 36525);
        EXPECT_NEAR(series.decDeg, epoch1990.declination * kRadToDeg, 0.5) << t;
        const double raDifference =
            std::remainder(series.raHours - epoch1990.rightAscension * 12 / 3.141592653589793, 24.0);
        EXPECT_NEAR(raDifference, 0.0, 0.05) << t;
    }
}

}  // namespace
