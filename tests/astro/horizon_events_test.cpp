// Sunrise and sunset by the hour-angle method, moonrise and moonset by the hourly search, day length.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/astronomy.h"
#include "support/tolerances.h"

namespace {

using test_tolerance::Decimals;
using test_tolerance::kAboutOneMinuteHours;

TEST(SunriseSunset, ReferencePlacesAndDates) {
    const astro::HorizonEvents berlin = astro::SunriseSunset({2018, 6, 21, 0, 0, 0}, 52.5, 13.4);
    EXPECT_EQ(berlin.status, astro::kRiseAndSet);
    EXPECT_NEAR(berlin.rise, 2.7195, Decimals(4));
    EXPECT_NEAR(berlin.set, 19.5535, Decimals(4));

    const astro::HorizonEvents equator = astro::SunriseSunset({2018, 3, 20, 0, 0, 0}, 0, 0);
    EXPECT_EQ(equator.status, astro::kRiseAndSet);
    EXPECT_NEAR(equator.rise, 6.07, Decimals(2));
    EXPECT_NEAR(equator.set, 18.18, Decimals(2));
}

TEST(SunriseSunset, PolarDayAndNightKeepTheirTimes) {
    const astro::HorizonEvents summer = astro::SunriseSunset({2018, 6, 21, 0, 0, 0}, 70, 20);
    EXPECT_EQ(summer.status, astro::kAboveAllDay);
    EXPECT_NEAR(summer.rise, -1.30, Decimals(2));
    EXPECT_NEAR(summer.set, 22.70, Decimals(2));
    EXPECT_NEAR(summer.set - summer.rise, 24, 1e-12);

    const astro::HorizonEvents winter = astro::SunriseSunset({2018, 12, 21, 0, 0, 0}, 70, 20);
    EXPECT_EQ(winter.status, astro::kBelowAllDay);
    EXPECT_EQ(winter.rise, winter.set);
}

TEST(SunriseSunset, FarFromGreenwichTheTimesAreNotWrapped) {
    const astro::HorizonEvents samoa = astro::SunriseSunset({2018, 6, 21, 0, 0, 0}, -13.8, -171.8);
    EXPECT_EQ(samoa.status, astro::kRiseAndSet);
    EXPECT_NEAR(samoa.rise + 13, 30.83, Decimals(2));
    EXPECT_NEAR(samoa.set + 13, 42.14, Decimals(2));
}

TEST(SunriseSunset, OnlyStatusesZeroThreeAndFour) {
    for (double lat = -90; lat <= 90; lat += 2.5) {
        for (int month = 1; month <= 12; ++month) {
            const astro::HorizonEvents e = astro::SunriseSunset(
                {2024, static_cast<std::uint16_t>(month), 21, 0, 0, 0}, lat, 10);
            ASSERT_TRUE(e.status == 0 || e.status == 3 || e.status == 4) << lat;
            if (e.status == 0) {
                ASSERT_TRUE(std::isfinite(e.rise) && std::isfinite(e.set));
                ASSERT_LT(e.rise, e.set);
            }
        }
    }
}

TEST(MoonSineAltitude, MatchesTheDayNumberModelToAboutHalfADegree) {
    const double lat = 52.5;
    const double sinLat = std::sin(lat * 0.0174532925);
    const double cosLat = std::cos(lat * 0.0174532925);
    for (int hour = 0; hour < 24; hour += 3) {
        const double sinAltitude =
            astro::MoonSineAltitude(58290.0, hour, 13.4, cosLat, sinLat);
        const astro::MoonSkyPosition sky = astro::ComputeMoonSkyPosition(
            {2018, 6, 21, static_cast<std::uint16_t>(hour), 0, 0}, lat, 13.4);
        // Geocentric versus topocentric: the parallax of up to a degree lowers the Moon.
        const double geocentricAltitude = std::asin(sinAltitude) * 57.29577951308232;
        EXPECT_NEAR(geocentricAltitude - sky.altitudeDeg, 0.6, 0.5) << "hour " << hour;
    }
}

struct MoonCase {
    int year, month, day;
    double tz, lat, lon;
    double rise, set;
};

TEST(MoonriseMoonset, ReferenceDays) {
    const MoonCase cases[] = {
        {2018, 6, 21, 2, 52.5, 13.4, 14.14, 1.80},  // the set precedes the rise within the day
        {2018, 5, 29, 2, 52.5, 13.4, 20.93, 5.26},  // full moon
        {2018, 11, 11, 1, 68, 15, 14.00, 15.94},    // rise and set inside one two-hour window
    };
    for (const auto& c : cases) {
        const astro::HorizonEvents e = astro::MoonriseMoonset(
            astro::ModifiedJulianDay(c.year, c.month, c.day), c.tz, c.lat, c.lon);
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
        EXPECT_EQ(e.status, astro::kRiseAndSet);
        EXPECT_NEAR(e.rise, c.rise, Decimals(2));
        EXPECT_NEAR(e.set, c.set, Decimals(2));
    }
}

TEST(MoonriseMoonset, AltitudeAtTheFoundTimesIsTheTargetAltitude) {
    // The parabola through hourly samples finds the crossing of +8' to within a few arcminutes.
    const double lat = 52.5;
    const double sinLat = std::sin(lat * 0.0174532925);
    const double cosLat = std::cos(lat * 0.0174532925);
    const double sinh0 = std::sin(0.0023271056666666666);
    for (int day = 1; day <= 28; ++day) {
        const double mjd = astro::ModifiedJulianDay(2018, 7, day);
        const astro::HorizonEvents e = astro::MoonriseMoonset(mjd, 2.0, lat, 13.4);
        const double mjd0 = mjd - 2.0 / 24;
        if (e.status == 0 || e.status == 2) {
            ASSERT_GE(e.rise, 0.0);
            ASSERT_LE(e.rise, 24.0);
            EXPECT_NEAR(astro::MoonSineAltitude(mjd0, e.rise, 13.4, cosLat, sinLat), sinh0, 1e-3)
                << "day " << day;
        }
        if (e.status == 0 || e.status == 1) {
            ASSERT_GE(e.set, 0.0);
            ASSERT_LE(e.set, 24.0);
            EXPECT_NEAR(astro::MoonSineAltitude(mjd0, e.set, 13.4, cosLat, sinLat), sinh0, 1e-3)
                << "day " << day;
        }
    }
}

TEST(MoonriseMoonset, DaysWithoutOneOfTheEventsAndPolarMoon) {
    // About once a month a local day has no moonrise and once no moonset.
    int noRise = 0;
    int noSet = 0;
    for (int day = 0; day < 60; ++day) {
        const double mjd = 58290.0 + day;
        const astro::HorizonEvents e = astro::MoonriseMoonset(mjd, 2.0, 52.5, 13.4);
        if (e.status == astro::kNoRise) ++noRise;
        if (e.status == astro::kNoSet) ++noSet;
    }
    EXPECT_GE(noRise, 1);
    EXPECT_GE(noSet, 1);

    // Far north the Moon stays up or down for days; the sample at local midnight decides which.
    int above = 0;
    int below = 0;
    for (int day = 0; day < 30; ++day) {
        const astro::HorizonEvents e = astro::MoonriseMoonset(58290.0 + day, 1.0, 78, 15);
        const double midnight = astro::MoonSineAltitude(58290.0 + day - 1.0 / 24, 0, 15,
                                                        std::cos(78 * 0.0174532925),
                                                        std::sin(78 * 0.0174532925));
        if (e.status == astro::kAboveAllDay) {
            ++above;
            EXPECT_GT(midnight, std::sin(0.0023271056666666666));
        }
        if (e.status == astro::kBelowAllDay) {
            ++below;
            EXPECT_LE(midnight, std::sin(0.0023271056666666666));
        }
    }
    EXPECT_GT(above, 0);
    EXPECT_GT(below, 0);
}

TEST(DayLengthHours, ByStatus) {
    astro::BodyEvents sun;
    sun.riseSetStatus = astro::kAboveAllDay;
    sun.rise = 5;
    sun.set = 7;
    EXPECT_EQ(astro::DayLengthHours(sun), 24.0);
    sun.riseSetStatus = astro::kBelowAllDay;
    EXPECT_EQ(astro::DayLengthHours(sun), 0.0);
    sun.riseSetStatus = astro::kRiseAndSet;
    EXPECT_EQ(astro::DayLengthHours(sun), 2.0);
    // A set before the rise of the same clock day counts across midnight.
    sun.rise = 20;
    sun.set = 4;
    EXPECT_EQ(astro::DayLengthHours(sun), 8.0);
    sun.rise = 30.83;
    sun.set = 42.14;
    EXPECT_NEAR(astro::DayLengthHours(sun), 11.31, 1e-9);
}

}  // namespace
