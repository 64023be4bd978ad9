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

// Noon of the date in the computer's zone, which the tests fix to UTC.
std::int64_t Noon(int year, int month, int day) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = 12;
    return static_cast<std::int64_t>(timegm(&tm));
}

class DayReportTest : public testing::Test {
protected:
    void SetUp() override {
        environment_.Set("TZ", "UTC");
        tzset();
    }
    void TearDown() override { tzset(); }

    report::DayReport Compute(int year, int month, int day, double lat, double lon,
                              const zones::TimeZoneInformation& zone) {
        report::DayReport r;
        EXPECT_TRUE(report::ComputeDayReport(Noon(year, month, day), lat, lon, zone, ephemeris_, r));
        return r;
    }

    test_support::ScopedEnvironment environment_;
    astro::DayEphemeris ephemeris_;
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
    for (int day = 1; day <= 31 * 3; ++day) {
        const report::DayReport r = Compute(2024, 1, day, 52.5, 13.4, berlin);  // mktime normalises
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
    ASSERT_TRUE(report::ComputeDayReport(Noon(2099, 12, 1), 52.5, 13.4, berlin, ephemeris_, r));
    ASSERT_TRUE(r.ephemerisValid);
    const report::DayReport last = r;
    ASSERT_TRUE(report::ComputeDayReport(Noon(2100, 1, 1), 52.5, 13.4, berlin, ephemeris_, r));
    EXPECT_FALSE(r.ephemerisValid);
    EXPECT_FALSE(ephemeris_.valid);
    EXPECT_EQ(r.year, 2100);
    EXPECT_EQ(r.sunrise.hours, last.sunrise.hours);
    EXPECT_EQ(r.sunriseAzimuth, last.sunriseAzimuth);
    EXPECT_EQ(r.dayLengthHours, last.dayLengthHours);
    const astro::PhaseDates phases = astro::FindNextPhases(2100, 1, 1);
    const zones::SystemTime newMoon = zones::UniversalToLocal(berlin, phases.nextNewMoon);
    EXPECT_EQ(r.nextNewMoon.year, 2100);
    EXPECT_EQ(r.nextNewMoon.day, newMoon.wDay);
    EXPECT_EQ(r.nextNewMoon.hour, newMoon.wHour);
    EXPECT_NE(r.nextNewMoon.day, last.nextNewMoon.day);
    EXPECT_TRUE(Compute(2099, 12, 31, 52.5, 13.4, berlin).ephemerisValid);
}

TEST_F(DayReportTest, DateWithoutACalendarDateComputesNothing) {
    report::DayReport r;
    r.year = 1234;
    EXPECT_FALSE(report::ComputeDayReport(INT64_MAX, 52.5, 13.4, Zone("UTC"), ephemeris_, r));
    EXPECT_EQ(r.year, 1234);
}

TEST_F(DayReportTest, TheCalendarDateIsTheComputersNotTheZones) {
    // 23:30 UTC on 2024-01-10 is already the 11th in Tokyo; with the computer in UTC the report is
    // for the 10th whatever zone is selected.
    environment_.Set("TZ", "UTC");
    tzset();
    report::DayReport r;
    std::tm tm{};
    tm.tm_year = 124;
    tm.tm_mday = 10;
    tm.tm_hour = 23;
    tm.tm_min = 30;
    ASSERT_TRUE(report::ComputeDayReport(timegm(&tm), 35.7, 139.7, Zone("Asia/Tokyo"), ephemeris_, r));
    EXPECT_EQ(r.day, 10);
    environment_.Set("TZ", "Asia/Tokyo");
    tzset();
    ASSERT_TRUE(report::ComputeDayReport(timegm(&tm), 35.7, 139.7, Zone("Asia/Tokyo"), ephemeris_, r));
    EXPECT_EQ(r.day, 11);
}

TEST_F(DayReportTest, TheSelectedDateOfADayIsItsNoonOnTheComputersClock) {
    // Days on which the clock changes (one at midnight in Santiago) keep their date, and the day
    // before the first and after the last of a month roll over as the day buttons need.
    struct Case {
        const char* zone;
        int year, month, day;
        int wantYear, wantMonth, wantDay;
    };
    const Case cases[] = {
        {"Europe/Berlin", 2024, 3, 31, 2024, 3, 31},  {"Europe/Berlin", 2024, 10, 27, 2024, 10, 27},
        {"America/Santiago", 2024, 9, 8, 2024, 9, 8}, {"Pacific/Kiritimati", 2024, 1, 1, 2024, 1, 1},
        {"UTC", 2024, 3, 0, 2024, 2, 29},             {"UTC", 2024, 12, 32, 2025, 1, 1},
    };
    for (const Case& c : cases) {
        environment_.Set("TZ", c.zone);
        tzset();
        const std::time_t when = static_cast<std::time_t>(report::SelectedDateOf(c.year, c.month, c.day));
        std::tm local{};
        ASSERT_NE(localtime_r(&when, &local), nullptr);
        EXPECT_EQ(local.tm_year + 1900, c.wantYear) << c.zone;
        EXPECT_EQ(local.tm_mon + 1, c.wantMonth) << c.zone;
        EXPECT_EQ(local.tm_mday, c.wantDay) << c.zone;
        EXPECT_EQ(local.tm_hour, 12) << c.zone;
    }
}

}  // namespace
