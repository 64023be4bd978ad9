// The day ephemeris: the reference day, refused years, polar days, and no NaN behind a true flag.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/astronomy.h"
#include "support/tolerances.h"

namespace {

using test_tolerance::Decimals;

astro::DayEphemeris Compute(int year, int month, int day, double tz, double lat, double lon) {
    astro::DayEphemeris e;
    astro::ComputeDayEphemeris({static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month),
                                static_cast<std::uint16_t>(day), 0, 0, 0},
                               tz, lat, lon, e);
    return e;
}

TEST(ComputeDayEphemeris, BerlinOnTheSummerSolstice2018) {
    const astro::DayEphemeris e = Compute(2018, 6, 21, 2, 52.5, 13.4);
    ASSERT_TRUE(e.valid);
    EXPECT_TRUE(e.sun.riseValid && e.sun.setValid);
    EXPECT_NEAR(e.sun.rise, 4.7195, Decimals(4));
    EXPECT_NEAR(e.sun.set, 21.5535, Decimals(4));
    EXPECT_EQ(e.sun.riseSetStatus, 0);
    EXPECT_NEAR(e.sun.transit, 13.14, Decimals(2));
    ASSERT_TRUE(e.sun.civilValid);
    EXPECT_NEAR(e.sun.civilBegin, 3.88, Decimals(2));
    EXPECT_NEAR(e.sun.civilEnd, 22.39, Decimals(2));
    ASSERT_TRUE(e.sun.nauticalValid);
    EXPECT_NEAR(e.sun.nauticalBegin, 2.50, Decimals(2));
    EXPECT_NEAR(e.sun.nauticalEnd, 23.78, Decimals(2));
    EXPECT_FALSE(e.sun.astronomicalValid);
    EXPECT_NEAR(e.sun.equationOfTimeHours, -0.0268, Decimals(4));
    EXPECT_NEAR(e.sun.equationOfTimeHours * 60, -1.61, Decimals(2));

    EXPECT_TRUE(e.moon.riseValid && e.moon.setValid);
    EXPECT_NEAR(e.moon.rise, 14.14, Decimals(2));
    EXPECT_NEAR(e.moon.set, 1.80, Decimals(2));
    EXPECT_EQ(e.moon.riseSetStatus, 0);
    EXPECT_TRUE(e.moon.transitValid);
    EXPECT_NEAR(e.moon.transit, 20.25, Decimals(2));
    EXPECT_EQ(e.moon.phaseIndex, 2);
    EXPECT_NEAR(e.moon.illuminatedFraction, 0.561, Decimals(3));
    EXPECT_NEAR(astro::DayLengthHours(e.sun), 16.83, Decimals(2));
}

TEST(ComputeDayEphemeris, AcceptsExactly1901To2099) {
    for (const int year : {1900, 2100, 0, 1, 1899, 65535}) {
        astro::DayEphemeris e;
        e.valid = true;
        e.sun.rise = 123.0;
        EXPECT_FALSE(astro::ComputeDayEphemeris(
            {static_cast<std::uint16_t>(year), 1, 1, 0, 0, 0}, 1, 52.5, 13.4, e))
            << year;
        EXPECT_FALSE(e.valid) << year;
        EXPECT_EQ(e.sun.rise, 123.0) << "a refused date leaves the record alone";
    }
    EXPECT_FALSE(Compute(1900, 12, 31, 1, 52.5, 13.4).valid);
    EXPECT_TRUE(Compute(1901, 1, 1, 1, 52.5, 13.4).valid);
    EXPECT_TRUE(Compute(2099, 12, 31, 1, 52.5, 13.4).valid);
}

TEST(ComputeDayEphemeris, PolarDayAndPolarNight) {
    const astro::DayEphemeris summer = Compute(2018, 6, 21, 1, 70, 20);
    ASSERT_TRUE(summer.valid);
    EXPECT_EQ(summer.sun.riseSetStatus, astro::kAboveAllDay);
    EXPECT_FALSE(summer.sun.riseValid || summer.sun.setValid);
    EXPECT_EQ(astro::DayLengthHours(summer.sun), 24.0);

    const astro::DayEphemeris winter = Compute(2018, 12, 21, 1, 70, 20);
    EXPECT_EQ(winter.sun.riseSetStatus, astro::kBelowAllDay);
    EXPECT_FALSE(winter.sun.riseValid || winter.sun.setValid);
    EXPECT_EQ(astro::DayLengthHours(winter.sun), 0.0);
}

TEST(ComputeDayEphemeris, SunriseFarFromTheZoneMeridianIsNotWrapped) {
    const astro::DayEphemeris e = Compute(2018, 6, 21, 13, -13.8, -171.8);
    ASSERT_TRUE(e.sun.riseValid && e.sun.setValid);
    EXPECT_NEAR(e.sun.rise, 30.83, Decimals(2));
    EXPECT_NEAR(e.sun.set, 42.14, Decimals(2));
}

TEST(ComputeDayEphemeris, MoonStatusesSetTheFlags) {
    int seen[5] = {};
    for (int day = 1; day <= 31; ++day) {
        for (const double lat : {52.5, 75.0}) {
            const astro::DayEphemeris e = Compute(2018, 7, day, 2, lat, 13.4);
            const int status = e.moon.riseSetStatus;
            ASSERT_GE(status, 0);
            ASSERT_LE(status, 4);
            ++seen[status];
            EXPECT_EQ(e.moon.riseValid, status == 0 || status == 2);
            EXPECT_EQ(e.moon.setValid, status == 0 || status == 1);
        }
    }
    for (int status = 0; status < 5; ++status) EXPECT_GT(seen[status], 0) << "status " << status;
}

// Every field whose flag says the event occurs holds a finite value in range.
void ExpectFlaggedFieldsFinite(const astro::DayEphemeris& e, const testing::Message& where) {
    auto check = [&](bool flag, double value, const char* name, bool wrapped) {
        if (!flag) return;
        EXPECT_TRUE(std::isfinite(value)) << name << " " << where;
        if (wrapped) {
            EXPECT_GE(value, 0.0) << name << " " << where;
            EXPECT_LT(value, 24.0) << name << " " << where;
        }
    };
    check(e.sun.riseValid, e.sun.rise, "sun.rise", false);
    check(e.sun.setValid, e.sun.set, "sun.set", false);
    check(e.sun.transitValid, e.sun.transit, "sun.transit", true);
    check(e.sun.civilValid, e.sun.civilBegin, "civilBegin", true);
    check(e.sun.civilValid, e.sun.civilEnd, "civilEnd", true);
    check(e.sun.nauticalValid, e.sun.nauticalBegin, "nauticalBegin", true);
    check(e.sun.nauticalValid, e.sun.nauticalEnd, "nauticalEnd", true);
    check(e.sun.astronomicalValid, e.sun.astronomicalBegin, "astronomicalBegin", true);
    check(e.sun.astronomicalValid, e.sun.astronomicalEnd, "astronomicalEnd", true);
    check(e.moon.riseValid, e.moon.rise, "moon.rise", false);
    check(e.moon.setValid, e.moon.set, "moon.set", false);
    check(e.moon.transitValid, e.moon.transit, "moon.transit", true);
    EXPECT_TRUE(std::isfinite(e.sun.equationOfTimeHours)) << where;
    EXPECT_TRUE(std::isfinite(e.moon.illuminatedFraction)) << where;
    EXPECT_TRUE(std::isfinite(astro::DayLengthHours(e.sun))) << where;
    if (e.moon.riseValid) {
        EXPECT_GE(e.moon.rise, 0.0) << where;
        EXPECT_LE(e.moon.rise, 24.0) << where;
    }
}

TEST(ComputeDayEphemeris, NoNanBehindATrueFlagAtAnyLatitudeAndOffset) {
    // Latitudes from pole to pole, including those near the edge of the polar day where the
    // refraction correction of the interpolation has no angle to work with, every offset of the
    // world's zones, around both solstices and an equinox.
    const int dates[][3] = {{2018, 6, 21}, {2018, 12, 22}, {2019, 3, 20}, {2024, 6, 1}};
    const double offsets[] = {-12, -9.5, -5, -3.5, 0, 1, 5.75, 9.5, 12.75, 14};
    for (const auto& date : dates) {
        for (double lat = -90; lat <= 90; lat += 1.5) {
            for (const double tz : offsets) {
                const double lon = tz * 15 - 7.3;
                const astro::DayEphemeris e = Compute(date[0], date[1], date[2], tz, lat, lon);
                ASSERT_TRUE(e.valid);
                ExpectFlaggedFieldsFinite(e, testing::Message()
                                                 << date[0] << "-" << date[1] << "-" << date[2]
                                                 << " lat " << lat << " tz " << tz);
            }
        }
    }
    for (const double lat : {-90.0, -66.56, -66.0, -65.7, 0.0, 65.7, 66.0, 66.56, 67.4, 90.0}) {
        for (int day = 1; day <= 30; day += 1) {
            const astro::DayEphemeris e = Compute(2018, 6, day, 1, lat, 15);
            ExpectFlaggedFieldsFinite(e, testing::Message() << "June " << day << " lat " << lat);
        }
    }
}

TEST(ComputeDayEphemeris, PolarTwilightsAreFiniteWhereTheyOccur) {
    // Near 60 N in midsummer the Sun dips only a few degrees: civil twilight stops occurring but
    // where it occurs its times are real numbers even though the horizon correction is undefined.
    for (double lat = 58.0; lat <= 68.0; lat += 0.25) {
        const astro::DayEphemeris e = Compute(2018, 6, 21, 2, lat, 25);
        if (e.sun.civilValid) {
            EXPECT_TRUE(std::isfinite(e.sun.civilBegin) && std::isfinite(e.sun.civilEnd)) << lat;
        }
        if (e.sun.transitValid) {
            EXPECT_TRUE(std::isfinite(e.sun.transit)) << lat;
        }
    }
}

TEST(ComputeDayEphemeris, EquatorJoinsBothHemispheres) {
    const astro::DayEphemeris at0 = Compute(2018, 3, 20, 0, 0.0, 0.0);
    const astro::DayEphemeris north = Compute(2018, 3, 20, 0, 1e-9, 0.0);
    const astro::DayEphemeris south = Compute(2018, 3, 20, 0, -1e-9, 0.0);
    EXPECT_NEAR(at0.sun.rise, north.sun.rise, 1e-9);
    EXPECT_NEAR(at0.sun.rise, south.sun.rise, 1e-9);
    EXPECT_NEAR(at0.moon.rise, north.moon.rise, 1e-9);
    EXPECT_NEAR(at0.moon.transit, south.moon.transit, 1e-9);
}

}  // namespace
