// The day report: the engine's values with the positions at the events' real instants, the row
// orders, the refused years and the local phase dates.
#include <gtest/gtest.h>

#include <cmath>
#include <ctime>

#include "zones/time_zone_catalogue.h"
#include "report/day_report.h"
#include "support/scoped_environment.h"
#include "support/tolerances.h"

namespace {

using test_tolerance::Decimals;

zones::TimeZoneInformation Zone(const std::string& key) {
    const auto rule = zones::ReadZoneFileRule(std::string(zones::kSystemZoneInfoFolder) + "/" + key);
    EXPECT_TRUE(rule.has_value()) << key;
    return rule ? rule->rule : zones::TimeZoneInformation{};
}

astro::CalendarDate Day(int year, int month, int day) {
    return {static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month),
            static_cast<std::uint16_t>(day)};
}

class DayReportTest : public testing::Test {
protected:
    void SetUp() override {
        environment_.Set("TZ", "UTC");
        tzset();
    }
    void TearDown() override { tzset(); }

    static places::Observer At(double lat, double lon, const zones::TimeZoneInformation& zone) {
        places::Observer observer{lat, lon, {}, ""};
        observer.zone.rule = zone;
        return observer;
    }

    report::DayReport Compute(int year, int month, int day, double lat, double lon,
                              const zones::TimeZoneInformation& zone) {
        report::DayReport r;
        EXPECT_TRUE(report::ComputeDayReport(Day(year, month, day), At(lat, lon, zone), ephemeris_, phases_, r));
        return r;
    }

    test_support::ScopedEnvironment environment_;
    astro::DayEphemeris ephemeris_;
    astro::PhaseDates phases_;
};

TEST_F(DayReportTest, BerlinOnTheSummerSolstice) {
    const report::DayReport r = Compute(2018, 6, 21, 52.5, 13.4, Zone("Europe/Berlin"));
    EXPECT_EQ(r.weekday, 4);
    EXPECT_EQ(r.utcOffsetHours, 2.0);
    ASSERT_TRUE(r.ephemerisValid);
    EXPECT_NEAR(r.sunrise.hours, 4.7195, Decimals(4));
    EXPECT_NEAR(r.sunset.hours, 21.5535, Decimals(4));
    // The azimuths are taken at the events' UT instants: sunrise 4:43:10 CEST is 2:43:10 UT.
    const astro::SunSkyPosition atSunrise =
        astro::ComputeSunSkyPosition({2018, 6, 21, 2, 43, 10}, 52.5, 13.4);
    EXPECT_EQ(r.sunriseAzimuth, atSunrise.azimuthDeg);
    EXPECT_NEAR(r.sunriseAzimuth, 47.7, 0.1);
    EXPECT_NEAR(r.sunsetAzimuth, 312.3, 0.1);
    EXPECT_NEAR(r.sunCulminationAltitude, 90 - 52.5 + 23.44, 0.1);
    EXPECT_NEAR(r.sunDeclination, 23.44, 0.01);
    EXPECT_NEAR(r.equationOfTimeMinutes, -1.61, Decimals(2));
    EXPECT_NEAR(r.moonriseAzimuth, 92, 1);
    EXPECT_FALSE(r.moonRiseRowFirst);  // the moonset (1:48) comes before the moonrise (14:09)
    EXPECT_TRUE(r.moonCulmination.occurs);
    EXPECT_EQ(r.phaseIndex, 2);
    EXPECT_FALSE(r.southernHemisphere);
    EXPECT_NEAR(r.dayLengthHours, 16.834, Decimals(3));
    EXPECT_FALSE(r.astronomicalTwilight.occurs);
    EXPECT_TRUE(r.nauticalTwilight.occurs && r.civilTwilight.occurs);
    // Next full Moon 2018-06-28 04:54:35 UT, new Moon 2018-07-13 02:49:35 UT, in the zone's clock.
    EXPECT_TRUE(r.fullMoonFirst);
    EXPECT_EQ(r.nextFullMoon.day, 28);
    EXPECT_EQ(r.nextFullMoon.hour, 6);
    EXPECT_EQ(r.nextFullMoon.minute, 54);
    EXPECT_EQ(r.nextNewMoon.month, 7);
    EXPECT_EQ(r.nextNewMoon.hour, 4);
}

TEST_F(DayReportTest, DefaultPlaceThroughTheYear) {
    const zones::TimeZoneInformation berlin = Zone("Europe/Berlin");
    for (const int month : {3, 10}) {
        const report::DayReport r = Compute(2024, month, 12, 52.5161564, 13.3775096, berlin);
        EXPECT_TRUE(r.sunrise.occurs && r.sunset.occurs && r.sunCulmination.occurs) << month;
        EXPECT_TRUE(r.astronomicalTwilight.occurs && r.nauticalTwilight.occurs &&
                    r.civilTwilight.occurs)
            << month;
    }
    const report::DayReport june = Compute(2024, 6, 25, 52.5161564, 13.3775096, berlin);
    EXPECT_FALSE(june.astronomicalTwilight.occurs);
    EXPECT_TRUE(june.nauticalTwilight.occurs && june.civilTwilight.occurs);
}

TEST_F(DayReportTest, ClockChangeDayResolvesEachEventByTheRule) {
    // On 2023-03-26 Berlin changes at 02:00. The engine works with +2 (the offset at 12:00 UT), but
    // the moonset at 0:45 is still standard time: its instant is one hour, not two, before.
    const zones::TimeZoneInformation berlin = Zone("Europe/Berlin");
    const report::DayReport r = Compute(2023, 3, 26, 52.5, 13.4, berlin);
    EXPECT_EQ(r.utcOffsetHours, 2.0);
    ASSERT_TRUE(r.moonset.occurs);
    ASSERT_LT(r.moonset.hours, 2.0) << "the example needs a moonset before the change";
    const double h = r.moonset.hours;
    const int hour = static_cast<int>(h);
    const int minute = static_cast<int>((h - hour) * 60);
    const int second = static_cast<int>((h - hour) * 3600 - minute * 60);
    const astro::CivilDateTime standardTimeInstant{2023, 3, 25, static_cast<std::uint16_t>(hour + 23),
                                                   static_cast<std::uint16_t>(minute),
                                                   static_cast<std::uint16_t>(second)};
    EXPECT_EQ(r.moonsetAzimuth,
              astro::ComputeMoonSkyPosition(standardTimeInstant, 52.5, 13.4).azimuthDeg);
    // The sunrise, after the change, is daylight time.
    ASSERT_TRUE(r.sunrise.occurs);
    EXPECT_GT(r.sunrise.hours, 3.0);
}

TEST_F(DayReportTest, SunriseOfTheNextLocalDayTakesItsOwnInstant) {
    // Samoa at +13 has the engine's sunrise at 30.83 h: 06:50 of the following clock day, which is
    // 17:50 UT of 2018-06-21 (the date moves by a whole day before the zone conversion).
    zones::TimeZoneInformation plus13;
    plus13.Bias = -13 * 60;
    const report::DayReport r = Compute(2018, 6, 21, -13.8, -171.8, plus13);
    ASSERT_TRUE(r.sunrise.occurs);
    EXPECT_NEAR(r.sunrise.hours, 30.83, Decimals(2));
    const double hours = r.sunrise.hours - 13;  // UT hours of 2018-06-21
    const int hour = static_cast<int>(hours);
    const int minute = static_cast<int>((hours - hour) * 60);
    const int second = static_cast<int>((hours - hour) * 3600 - minute * 60);
    const astro::SunSkyPosition sun = astro::ComputeSunSkyPosition(
        {2018, 6, 21, static_cast<std::uint16_t>(hour), static_cast<std::uint16_t>(minute),
         static_cast<std::uint16_t>(second)},
        -13.8, -171.8);
    EXPECT_NEAR(sun.altitudeDeg, -0.8, 0.5);  // the Sun is at the horizon at that instant
    EXPECT_NEAR(r.sunriseAzimuth, sun.azimuthDeg, 0.01);
    EXPECT_NEAR(r.sunriseAzimuth, 66.5, 1.0);
}

TEST_F(DayReportTest, PolarDayAndNight) {
    const zones::TimeZoneInformation oslo = Zone("Europe/Oslo");
    const report::DayReport summer = Compute(2024, 6, 21, 78.22, 15.65, oslo);
    EXPECT_FALSE(summer.sunrise.occurs || summer.sunset.occurs);
    EXPECT_EQ(summer.dayLengthHours, 24.0);
    const report::DayReport winter = Compute(2024, 12, 21, 78.22, 15.65, oslo);
    EXPECT_FALSE(winter.sunrise.occurs || winter.sunset.occurs || winter.sunCulmination.occurs);
    EXPECT_EQ(winter.dayLengthHours, 0.0);
    // Without a culmination the declination is still that of the day.
    EXPECT_NEAR(winter.sunDeclination, -23.44, 0.01);
    EXPECT_FALSE(std::isnan(winter.sunDeclination));
}

TEST_F(DayReportTest, MoonRowOrderFollowsTheEvents) {
    const zones::TimeZoneInformation berlin = Zone("Europe/Berlin");
    int noRise = 0;
    int noSet = 0;
    int setFirst = 0;
    int riseFirst = 0;
    for (int day = 0; day < 31 * 3; ++day) {
        const astro::CalendarDate date = astro::AddDays({2024, 1, 1}, day);
        const report::DayReport r = Compute(date.year, date.month, date.day, 52.5, 13.4, berlin);
        if (!r.moonrise.occurs && r.moonset.occurs) {
            EXPECT_FALSE(r.moonRiseRowFirst);
            ++noRise;
        } else if (r.moonrise.occurs && !r.moonset.occurs) {
            EXPECT_TRUE(r.moonRiseRowFirst);
            ++noSet;
        } else if (r.moonrise.occurs && r.moonset.occurs) {
            EXPECT_EQ(r.moonRiseRowFirst, r.moonset.hours > r.moonrise.hours);
            ++(r.moonRiseRowFirst ? riseFirst : setFirst);
        }
    }
    EXPECT_GT(noRise, 0);
    EXPECT_GT(noSet, 0);
    EXPECT_GT(setFirst, 0);
    EXPECT_GT(riseFirst, 0);
}

TEST_F(DayReportTest, EnginesEighthPhaseIsTheNewMoon) {
    const report::DayReport r = Compute(2018, 5, 15, 52.5, 13.4, Zone("Europe/Berlin"));
    EXPECT_EQ(ephemeris_.moon.phaseIndex, 8);
    EXPECT_EQ(r.phaseIndex, 0);
    EXPECT_TRUE(Compute(2018, 5, 15, -33.9, 151.2, Zone("Australia/Sydney")).southernHemisphere);
    EXPECT_FALSE(Compute(2018, 5, 15, 0.0, 0.0, Zone("UTC")).southernHemisphere);
}

TEST_F(DayReportTest, RefusedYearChangesOnlyThePhaseDates) {
    const zones::TimeZoneInformation berlin = Zone("Europe/Berlin");
    report::DayReport r;
    ASSERT_TRUE(report::ComputeDayReport(Day(2099, 12, 1), At(52.5, 13.4, berlin), ephemeris_, phases_, r));
    ASSERT_TRUE(r.ephemerisValid);
    const report::DayReport last = r;
    ASSERT_TRUE(report::ComputeDayReport(Day(2100, 1, 1), At(52.5, 13.4, berlin), ephemeris_, phases_, r));
    EXPECT_FALSE(r.ephemerisValid);
    EXPECT_FALSE(ephemeris_.valid);
    EXPECT_EQ(r.date.year, 2100);
    EXPECT_EQ(r.sunrise.hours, last.sunrise.hours);
    EXPECT_EQ(r.sunriseAzimuth, last.sunriseAzimuth);
    EXPECT_EQ(r.dayLengthHours, last.dayLengthHours);
    const astro::PhaseDates phases = astro::FindNextPhases(2100, 1, 1);
    const zones::LocalDateTime newMoon = zones::UniversalToLocal(berlin, phases.nextNewMoon);
    EXPECT_EQ(r.nextNewMoon.year, 2100);
    EXPECT_EQ(r.nextNewMoon.day, newMoon.day);
    EXPECT_EQ(r.nextNewMoon.hour, newMoon.hour);
    EXPECT_NE(r.nextNewMoon.day, last.nextNewMoon.day);
    EXPECT_TRUE(Compute(2099, 12, 31, 52.5, 13.4, berlin).ephemerisValid);
}

TEST_F(DayReportTest, DateThatDoesNotExistComputesNothing) {
    report::DayReport r;
    r.date.year = 1234;
    for (const astro::CalendarDate date : {Day(2018, 2, 29), Day(2024, 4, 31), Day(0, 1, 1), Day(2024, 13, 1)}) {
        EXPECT_FALSE(report::ComputeDayReport(date, At(52.5, 13.4, Zone("UTC")), ephemeris_, phases_, r));
        EXPECT_EQ(r.date.year, 1234);
    }
}

TEST_F(DayReportTest, TheDateIsThePickedOneWhateverTheComputersZone) {
    // At 23:30 UTC on 2024-01-10 it is already the 11th in Tokyo: neither clock moves the date.
    for (const char* computerZone : {"UTC", "Asia/Tokyo", "Pacific/Kiritimati", "Pacific/Pago_Pago"}) {
        environment_.Set("TZ", computerZone);
        tzset();
        EXPECT_EQ(Compute(2024, 1, 10, 35.7, 139.7, Zone("Asia/Tokyo")).date.day, 10) << computerZone;
    }
}

}  // namespace
