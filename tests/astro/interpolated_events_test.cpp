// Rise, transit, set and twilight by interpolation, and the day-boundary steps of Sun and Moon.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/astronomy.h"
#include "support/tolerances.h"

namespace {

using test_tolerance::Decimals;
constexpr double kDegToRad = 0.017453292519943295;

const double kBerlinLat = 52.5 * kDegToRad;
const double kBerlinLon = 13.4 * kDegToRad;

// The UT events of one day before any day-boundary step, straight from the interpolation.
astro::RiseTransitSet SunBase(double jd0, double lon, double lat) {
    const astro::SunPosition s1 = astro::SunPositionAt(jd0);
    const astro::SunPosition s2 = astro::SunPositionAt(jd0 + 1);
    return astro::InterpolateRiseSet(jd0, s1.rightAscension, s1.declination, s2.rightAscension,
                                     s2.declination, lon, lat, s1.angularDiameter,
                                     s1.horizontalParallax, 1.0, 0.0);
}

astro::RiseTransitSet MoonBase(double jd0, double lon, double lat) {
    const astro::MoonPosition m1 = astro::MoonPositionAt(astro::SunPositionAt(jd0), jd0);
    const astro::MoonPosition m2 =
        astro::MoonPositionAt(astro::SunPositionAt(jd0 + 0.5), jd0 + 0.5);
    return astro::InterpolateRiseSet(jd0, m1.rightAscension, m1.declination, m2.rightAscension,
                                     m2.declination, lon, lat, m1.angularDiameter,
                                     m1.horizontalParallax, 0.5, 0.0);
}

TEST(SiderealRiseSetFor, BodyAtRest) {
    // A body on the celestial equator is up for twelve sidereal hours at any latitude.
    const astro::SiderealRiseSet equator =
        astro::SiderealRiseSetFor(0.0, 50 * kDegToRad, 0.0, 3.0, 0.0);
    ASSERT_TRUE(equator.valid);
    EXPECT_NEAR(equator.transitGst, 3.0 * 3.819718634205488, 1e-12);
    EXPECT_NEAR(equator.transitGst - equator.riseGst, 6, 1e-9);
    EXPECT_NEAR(equator.setGst - equator.transitGst, 6, 1e-9);
    // East longitude makes the sidereal times earlier, wrapped into [0, 24).
    const astro::SiderealRiseSet east =
        astro::SiderealRiseSetFor(90 * kDegToRad, 50 * kDegToRad, 0.0, 0.5, 0.0);
    ASSERT_TRUE(east.valid);
    EXPECT_NEAR(east.transitGst, 0.5 * 3.819718634205488 - 6 + 24, 1e-9);
    // Circumpolar and never rising bodies give no result.
    EXPECT_FALSE(astro::SiderealRiseSetFor(0, 70 * kDegToRad, 0, 0, 30 * kDegToRad).valid);
    EXPECT_FALSE(astro::SiderealRiseSetFor(0, 70 * kDegToRad, 0, 0, -30 * kDegToRad).valid);
    // At the pole cos(latitude) of pi/2 is not exactly zero, but the result is still invalid.
    EXPECT_FALSE(astro::SiderealRiseSetFor(0, 1.5707963267948966, 0, 0, 0.1).valid);
}

TEST(InterpolateRiseSet, RefractionCorrectionOnlyAtTheHorizon) {
    const double jd0 = 2458290.5;
    const astro::SunPosition s1 = astro::SunPositionAt(jd0);
    const astro::SunPosition s2 = astro::SunPositionAt(jd0 + 1);
    auto at = [&](double h0, double diameter, double parallax) {
        return astro::InterpolateRiseSet(jd0, s1.rightAscension, s1.declination, s2.rightAscension,
                                         s2.declination, kBerlinLon, kBerlinLat, diameter, parallax,
                                         1.0, h0);
    };
    const astro::RiseTransitSet horizon = at(0.0, s1.angularDiameter, s1.horizontalParallax);
    const astro::RiseTransitSet noDisc = at(0.0, 0.0, 0.009890199094634533);  // x = 0 exactly
    ASSERT_TRUE(horizon.valid);
    ASSERT_TRUE(noDisc.valid);
    // The transit takes no correction; rise is earlier and set later by the same amount.
    EXPECT_DOUBLE_EQ(horizon.transit, noDisc.transit);
    const double earlier = noDisc.rise - horizon.rise;
    EXPECT_GT(earlier, 0.1);
    EXPECT_NEAR(horizon.set - noDisc.set, earlier, 1e-9);
    // Below the horizon the disc is not taken into account at all.
    const astro::RiseTransitSet civilA = at(-0.10471975511965978, s1.angularDiameter, 0.01);
    const astro::RiseTransitSet civilB = at(-0.10471975511965978, 0.0, 0.0);
    EXPECT_DOUBLE_EQ(civilA.rise, civilB.rise);
    EXPECT_DOUBLE_EQ(civilA.set, civilB.set);
}

TEST(InterpolateRiseSet, InvalidWhenEitherPositionNeverCrosses) {
    const double jd0 = 2458290.5;
    const astro::RiseTransitSet r = astro::InterpolateRiseSet(
        jd0, 1.5, 0.1, 1.6, 1.4, 0.0, 70 * kDegToRad, 0.009, 4e-5, 1.0, 0.0);
    EXPECT_FALSE(r.valid);
}

TEST(SunEventsForDay, BerlinAtMidsummer) {
    const astro::BodyEvents sun =
        astro::SunEventsForDay(2458290.5, kBerlinLon, kBerlinLat, 2.0);
    ASSERT_TRUE(sun.valid);
    EXPECT_TRUE(sun.riseValid && sun.transitValid && sun.setValid);
    EXPECT_NEAR(sun.transit, 13.14, Decimals(2));
    EXPECT_NEAR(sun.rise, 4.72, Decimals(2));
    EXPECT_NEAR(sun.set, 21.55, Decimals(2));
    ASSERT_TRUE(sun.civilValid);
    EXPECT_NEAR(sun.civilBegin, 3.88, Decimals(2));
    EXPECT_NEAR(sun.civilEnd, 22.39, Decimals(2));
    ASSERT_TRUE(sun.nauticalValid);
    EXPECT_NEAR(sun.nauticalBegin, 2.50, Decimals(2));
    EXPECT_NEAR(sun.nauticalEnd, 23.78, Decimals(2));
    EXPECT_FALSE(sun.astronomicalValid);
}

TEST(SunEventsForDay, GreenwichTransitIsNoonMinusTheEquationOfTime) {
    for (const int month : {2, 5, 8, 11}) {
        const double jd = astro::JulianDayOfDate(2018, month, 10);
        const astro::BodyEvents sun = astro::SunEventsForDay(jd, 0.0, 0.0, 0.0);
        ASSERT_TRUE(sun.transitValid);
        const double eot = astro::EquationOfTimeHours(astro::DayOfYear(jd, 2018));
        EXPECT_NEAR(sun.transit, 12 - eot, 0.02) << "month " << month;
    }
}

TEST(SunEventsForDay, PolarDayHasNoEventsAndNoTwilight) {
    const astro::BodyEvents sun =
        astro::SunEventsForDay(2458290.5, 20 * kDegToRad, 80 * kDegToRad, 1.0);
    EXPECT_FALSE(sun.valid);
    EXPECT_FALSE(sun.riseValid || sun.transitValid || sun.setValid);
    EXPECT_FALSE(sun.civilValid || sun.nauticalValid || sun.astronomicalValid);
}

TEST(SunEventsForDay, FarEastTakesTheCulminationFromTheFollowingUtDay) {
    // Longitude -171.8 with offset +13: the UT culmination (about 23.5 h) lies after 24 - 13.
    const double lon = -171.8 * kDegToRad;
    const double lat = -13.8 * kDegToRad;
    const double jd = 2458290.5;
    const astro::BodyEvents sun = astro::SunEventsForDay(jd, lon, lat, 13.0);
    ASSERT_TRUE(sun.transitValid);
    const astro::RiseTransitSet sameDay = SunBase(jd, lon, lat);
    ASSERT_GE(sameDay.transit, 24 - 13.0);
    // The replacement is the same event of jd + 1, wrapped into the local clock.
    const astro::RiseTransitSet nextDay = SunBase(jd + 1, lon, lat);
    EXPECT_EQ(sun.transit, astro::WrapToPeriod(nextDay.transit + 13.0, 24));
    EXPECT_NE(sun.transit, astro::WrapToPeriod(sameDay.transit + 13.0, 24));
    // The rise of that UT day (about 17.8 h) lies at or after 24 - 13 as well and is replaced too.
    EXPECT_EQ(sun.rise, astro::WrapToPeriod(nextDay.rise + 13.0, 24));
}

TEST(SunEventsForDay, WestWithNegativeOffsetTakesThePrecedingUtDay) {
    // Longitude 150 E with offset -10 is a contrived pairing: the UT culmination (about 2 h) lies
    // before -tz = 10 h, so the Sun's replacement comes from jd - 1.
    const double lon = 150 * kDegToRad;
    const double lat = 20 * kDegToRad;
    const double jd = 2458290.5;
    const astro::BodyEvents sun = astro::SunEventsForDay(jd, lon, lat, -10.0);
    ASSERT_LT(SunBase(jd, lon, lat).transit, 10.0);
    const astro::RiseTransitSet previous = SunBase(jd - 1, lon, lat);
    ASSERT_TRUE(sun.transitValid);
    EXPECT_EQ(sun.transit, astro::WrapToPeriod(previous.transit - 10.0, 24));
}

TEST(MoonEventsForDay, BerlinAtMidsummer) {
    const astro::BodyEvents moon =
        astro::MoonEventsForDay(2458290.5, kBerlinLon, kBerlinLat, 2.0);
    ASSERT_TRUE(moon.transitValid);
    EXPECT_NEAR(moon.transit, 20.25, Decimals(2));
    EXPECT_FALSE(moon.civilValid || moon.nauticalValid || moon.astronomicalValid);
}

TEST(MoonEventsForDay, FarEastTakesTheCulminationFromThePrecedingUtDay) {
    const double lon = 170 * kDegToRad;
    const double lat = -40 * kDegToRad;
    const double tz = 12.0;
    // Over two months some UT culminations fall after 24 - tz: each is replaced by the preceding UT
    // day's culmination when that one lies in the local day, and is otherwise missing.
    int replaced = 0;
    int lost = 0;
    for (double jd = 2458290.5; jd < 2458290.5 + 60; jd += 1) {
        const astro::RiseTransitSet own = MoonBase(jd, lon, lat);
        const astro::BodyEvents moon = astro::MoonEventsForDay(jd, lon, lat, tz);
        SCOPED_TRACE(testing::Message() << "jd " << jd);
        if (own.transit < 24 - tz) {
            // Inside the local day: the own value, wrapped.
            EXPECT_TRUE(moon.transitValid);
            EXPECT_EQ(moon.transit, astro::WrapToPeriod(own.transit + tz, 24));
            continue;
        }
        const astro::RiseTransitSet previous = MoonBase(jd - 1, lon, lat);
        EXPECT_EQ(moon.transitValid, previous.transit >= 24 - tz);
        if (moon.transitValid) {
            EXPECT_EQ(moon.transit, astro::WrapToPeriod(previous.transit + tz, 24));
            ++replaced;
        } else {
            ++lost;
        }
    }
    EXPECT_GT(replaced, 0);
    EXPECT_GT(lost, 0);
}

TEST(MoonEventsForDay, CulminationCanBeMissingOnALocalDate) {
    // The Moon culminates about 50 minutes later each day, so once a month a local date has none:
    // over two months with an offset at least one date reports it missing, with tz = 0 never.
    int missingWithOffset = 0;
    int missingWithoutOffset = 0;
    for (double jd = 2458290.5; jd < 2458290.5 + 60; jd += 1) {
        if (!astro::MoonEventsForDay(jd, kBerlinLon, kBerlinLat, 2.0).transitValid) {
            ++missingWithOffset;
        }
        if (!astro::MoonEventsForDay(jd, kBerlinLon, kBerlinLat, 0.0).transitValid) {
            ++missingWithoutOffset;
        }
    }
    EXPECT_GE(missingWithOffset, 1);
    EXPECT_LE(missingWithOffset, 3);
    EXPECT_EQ(missingWithoutOffset, 0);
}

TEST(MoonEventsForDay, EveryFlaggedValueLiesInTheLocalDay) {
    for (const double tz : {-10.0, -5.0, 3.0, 9.5, 13.0}) {
        for (double jd = 2458290.5; jd < 2458290.5 + 40; jd += 1) {
            const astro::BodyEvents moon = astro::MoonEventsForDay(jd, kBerlinLon, kBerlinLat, tz);
            if (!moon.transitValid) continue;
            ASSERT_GE(moon.transit, 0.0);
            ASSERT_LT(moon.transit, 24.0);
        }
    }
}

TEST(SunEventsForDay, NeighbourWithoutCrossingLeavesTheOwnValue) {
    // Near the polar circle the Sun stops setting from one day to the next. When the day that should
    // lend its events has none, the Sun keeps its own event (wrapped) and its flag.
    const double lat = 67 * kDegToRad;
    const double tz = 14.0;  // every event of the UT day lies at or after 24 - tz
    int checked = 0;
    for (double jd = astro::JulianDayOfDate(2018, 5, 20); jd < astro::JulianDayOfDate(2018, 7, 20);
         jd += 1) {
        const astro::RiseTransitSet own = SunBase(jd, 0.0, lat);
        if (!own.valid || SunBase(jd + 1, 0.0, lat).valid) continue;
        const astro::BodyEvents sun = astro::SunEventsForDay(jd, 0.0, lat, tz);
        ASSERT_TRUE(sun.transitValid);
        EXPECT_EQ(sun.transit, astro::WrapToPeriod(own.transit + tz, 24));
        ASSERT_TRUE(std::isfinite(sun.transit));
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

TEST(MoonEventsForDay, NeighbourWithoutCrossingClearsTheFlag) {
    // Far north the Moon turns circumpolar for days; the day after such a stretch has an event
    // outside the local day and no preceding event to take, so the event does not occur.
    int checked = 0;
    const double tz = 10.0;
    for (double latDeg = 64; latDeg <= 72; latDeg += 2) {
        const double lat = latDeg * kDegToRad;
        for (double jd = astro::JulianDayOfDate(2024, 1, 1); jd < astro::JulianDayOfDate(2024, 4, 1);
             jd += 1) {
            const astro::RiseTransitSet own = MoonBase(jd, 0.0, lat);
            if (!own.valid || MoonBase(jd - 1, 0.0, lat).valid) continue;
            const astro::BodyEvents moon = astro::MoonEventsForDay(jd, 0.0, lat, tz);
            const double values[3] = {own.transit, own.rise, own.set};
            const bool flags[3] = {moon.transitValid, moon.riseValid, moon.setValid};
            for (int e = 0; e < 3; ++e) {
                if (values[e] >= 24 - tz || values[e] < -tz) {
                    EXPECT_FALSE(flags[e]) << "lat " << latDeg << " jd " << jd << " event " << e;
                    ++checked;
                }
            }
        }
    }
    EXPECT_GT(checked, 0);
}

}  // namespace
