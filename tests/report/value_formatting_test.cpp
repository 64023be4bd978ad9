// The texts of the value fields: clock times, lengths, angles and dates in the process locale.
#include <gtest/gtest.h>

#include "report/clock_setting.h"
#include "report/phase_picture.h"
#include "report/value_formatting.h"
#include "resources/string_table.h"
#include "support/scoped_environment.h"

namespace {

using report::FormatClockTime;
using report::FormatDayLength;

#define REQUIRE_LOCALE(guard) \
    ASSERT_TRUE((guard).Ok()) << "the locale is missing; scripts/test.sh generates it"

struct ClockCase {
    double hours;
    const wchar_t* text;
};

TEST(FormatClockTime, RoundsToTheMinuteAndTakesOutWholeDays) {
    test_support::ScopedLocale c("C");
    const ClockCase cases[] = {
        {4.7195, L"4:43"}, {21.5535, L"21:33"}, {14.14, L"14:08"}, {14.144, L"14:09"},
        {1.80, L"1:48"},   {5.999, L"6:00"},    {5.99, L"5:59"},   {23.995, L"0:00"},
        {25.25, L"1:15"},  {0.0, L"0:00"},      {12.0, L"12:00"},  {30.83, L"6:50"},
        {42.14, L"18:08"}, {48.5, L"0:30"},
        {1.9916666666666667, L"2:00"},  // exactly 59.5 minutes past the hour
        // Negative times are the previous day's clock times.
        {-0.5, L"23:30"},  {-24.25, L"23:45"},  {-0.0001, L"0:00"}, {-1e-17, L"0:00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatClockTime(c.hours, false), c.text) << c.hours;
    }
}

TEST(FormatClockTime, TwelveHourClockWithTheLocalesDesignator) {
    test_support::ScopedLocale english("en_US.UTF-8");
    REQUIRE_LOCALE(english);
    EXPECT_EQ(FormatClockTime(18.5, true), L"6:30 PM");
    EXPECT_EQ(FormatClockTime(0.25, true), L"12:15 AM");
    EXPECT_EQ(FormatClockTime(12.0, true), L"12:00 PM");
    EXPECT_EQ(FormatClockTime(9.05, true), L"9:03 AM");
    test_support::ScopedLocale greek("el_GR.UTF-8");
    REQUIRE_LOCALE(greek);
    EXPECT_EQ(FormatClockTime(18.5, true), L"6:30 \u03bc\u03bc");
    // German has no designators: "2:57" alone could be night or afternoon, so the 24-hour clock.
    test_support::ScopedLocale german("de_DE.UTF-8");
    REQUIRE_LOCALE(german);
    EXPECT_EQ(FormatClockTime(14.95, true), L"14:57");
    EXPECT_EQ(FormatClockTime(2.95, true), L"2:57");
}

TEST(FormatDayLength, RoundsToTheSecond) {
    EXPECT_EQ(FormatDayLength(10.99), L"10h 59m 24s");
    EXPECT_EQ(FormatDayLength(10.9999), L"11h 00m 00s");
    EXPECT_EQ(FormatDayLength(24), L"24h 00m 00s");
    EXPECT_EQ(FormatDayLength(0), L" 0h 00m 00s");
    EXPECT_EQ(FormatDayLength(9 + 5 / 60.0 + 3 / 3600.0), L" 9h 05m 03s");
    EXPECT_EQ(FormatDayLength(16.833972606365922), L"16h 50m 02s");
}

report::DayReport SampleReport() {
    report::DayReport r;
    r.date = {2018, 6, 21};
    r.ephemerisValid = true;
    r.sunrise = {4.7195, true};
    r.sunset = {21.5535, true};
    r.sunriseAzimuth = 359.7;
    r.sunsetAzimuth = 0.4;
    r.sunCulmination = {13.14, true};
    r.sunCulminationAltitude = 60.94;
    r.sunDeclination = 12.3;
    r.equationOfTimeMinutes = -0.0575 * 60;
    r.moonrise = {14.14, true};
    r.moonset = {1.80, true};
    r.moonriseAzimuth = 91.9;
    r.moonsetAzimuth = 272.0;
    r.moonCulmination = {20.25, true};
    r.moonCulminationAltitude = 34.74;
    r.moonDeclination = -2.76;
    r.illuminatedFraction = 0.996;
    r.phaseIndex = 2;
    r.dayLengthHours = 16.834;
    r.nauticalTwilight = {2.496, 23.777, true};
    r.civilTwilight = {3.884, 22.389, true};
    r.nextNewMoon = {2018, 7, 13, 4, 49, 35};
    r.nextFullMoon = {2018, 6, 28, 6, 54, 35};
    return r;
}

TEST(FormatDayReport, EveryFieldInTheCLocale) {
    test_support::ScopedLocale c("C");
    resources::SelectStringTable("en");
    const report::DayReportTexts t = report::FormatDayReport(SampleReport(), {"en", false});
    EXPECT_EQ(t.date, L"06/21/2018");
    EXPECT_EQ(t.sunrise, L"4:43");
    EXPECT_EQ(t.sunset, L"21:33");
    EXPECT_EQ(t.sunriseAzimuth, L"360\u00b0");
    EXPECT_EQ(t.sunsetAzimuth, L"0\u00b0");
    EXPECT_EQ(t.sunCulmination, L"13:08 (60.9\u00b0)");
    EXPECT_EQ(t.sunDeclination, L"12.3\u00b0");
    EXPECT_EQ(t.equationOfTime, L"-3.45 min");
    EXPECT_EQ(t.moonrise, L"14:08");
    EXPECT_EQ(t.moonset, L"1:48");
    EXPECT_EQ(t.moonriseAzimuth, L"92\u00b0");
    EXPECT_EQ(t.moonCulmination, L"20:15 (34.7\u00b0)");
    EXPECT_EQ(t.moonDeclination, L"-2.8\u00b0");
    EXPECT_EQ(t.visibility, L"100%");
    EXPECT_EQ(t.phase, L"First Quarter");
    EXPECT_EQ(t.dayLength, L"16h 50m 02s");
    EXPECT_EQ(t.astronomicalTwilightBegin, L"-");
    EXPECT_EQ(t.astronomicalTwilightEnd, L"-");
    EXPECT_EQ(t.nauticalTwilightBegin, L"2:30");
    EXPECT_EQ(t.civilTwilightEnd, L"22:23");
    EXPECT_EQ(t.nextFullMoon, L"06/28/2018 - 06:54:35");
}

TEST(FormatDayReport, GermanLocalePrintsDecimalCommas) {
    test_support::ScopedLocale german("de_DE.UTF-8");
    REQUIRE_LOCALE(german);
    resources::SelectStringTable("de");
    const report::DayReportTexts t = report::FormatDayReport(SampleReport(), {"de", false});
    EXPECT_EQ(t.date, L"21.06.2018");
    EXPECT_EQ(t.sunDeclination, L"12,3\u00b0");
    EXPECT_EQ(t.equationOfTime, L"-3,45 min");
    EXPECT_EQ(t.sunCulmination, L"13:08 (60,9\u00b0)");
    EXPECT_EQ(t.phase, L"Erstes Viertel");
    EXPECT_EQ(t.nextFullMoon, L"28.06.2018 - 06:54:35");
    resources::SelectStringTable("en");
}

// Every date text writes its year in four digits, whatever the locale's short date does: Spanish
// writes two, so that 1901 and 2001 would read alike.
TEST(FormatDates, FourDigitYearsInEveryLanguage) {
    const std::pair<const char*, const wchar_t*> cases[] = {
        {"es_ES.UTF-8", L"01/01/1901"}, {"en_US.UTF-8", L"01/01/1901"}, {"de_DE.UTF-8", L"01.01.1901"},
        {"fr_FR.UTF-8", L"01/01/1901"}, {"el_GR.UTF-8", L"01/01/1901"}, {"C", L"01/01/1901"},
    };
    for (const auto& [name, expected] : cases) {
        test_support::ScopedLocale locale(name);
        REQUIRE_LOCALE(locale);
        EXPECT_EQ(report::FormatPickerDate(1901, 1, 1), expected) << name;
        EXPECT_NE(report::FormatPhaseDate({2001, 1, 1, 0, 0, 0}).find(L"2001"), std::wstring::npos) << name;
        EXPECT_NE(report::FormatWeekdayDate(2001, 1, 1).find(L"2001"), std::wstring::npos) << name;
    }
}

TEST(FormatDayReport, MissingEventsAndRefusedDates) {
    test_support::ScopedLocale c("C");
    report::DayReport r = SampleReport();
    r.sunrise.occurs = false;
    r.sunCulmination.occurs = false;
    r.moonset.occurs = false;
    r.moonCulmination.occurs = false;
    r.illuminatedFraction = 0.004;
    r.nextNewMoon = {};
    const report::DayReportTexts t = report::FormatDayReport(r, {});
    EXPECT_EQ(t.sunrise, L"-");
    EXPECT_EQ(t.sunriseAzimuth, L"-");
    EXPECT_EQ(t.sunCulmination, L"-");
    EXPECT_EQ(t.sunDeclination, L"12.3\u00b0");  // shown on every day
    EXPECT_EQ(t.moonset, L"-");
    EXPECT_EQ(t.moonsetAzimuth, L"-");
    EXPECT_EQ(t.moonCulmination, L"-");
    EXPECT_EQ(t.moonDeclination, L"-");
    EXPECT_EQ(t.visibility, L"0%");
    EXPECT_EQ(t.nextNewMoon, L"-");

    r.ephemerisValid = false;
    const report::DayReportTexts declined = report::FormatDayReport(r, {});
    EXPECT_TRUE(declined.sunrise.empty());
    EXPECT_TRUE(declined.phase.empty());
    EXPECT_EQ(declined.date, L"06/21/2018");
    EXPECT_EQ(declined.nextFullMoon, L"06/28/2018 - 06:54:35");
}

TEST(UserUses12HourClock, FromTheUsersTimeLocale) {
    test_support::ScopedEnvironment environment;
    environment.Set("LC_ALL", nullptr);
    environment.Set("LC_TIME", "en_US.UTF-8");
    EXPECT_TRUE(report::UserUses12HourClock());
    environment.Set("LC_TIME", "de_DE.UTF-8");
    EXPECT_FALSE(report::UserUses12HourClock());
    environment.Set("LC_TIME", "el_GR.UTF-8");
    EXPECT_TRUE(report::UserUses12HourClock());
    environment.Set("LC_TIME", "C");
    EXPECT_FALSE(report::UserUses12HourClock());
    environment.Set("LC_TIME", "xx_NOWHERE.UTF-8");
    EXPECT_FALSE(report::UserUses12HourClock());
    environment.Set("LC_ALL", "en_US.UTF-8");
    EXPECT_TRUE(report::UserUses12HourClock());
}

TEST(PhasePictureId, HemispheresAndTheNewMoon) {
    EXPECT_EQ(report::PhasePictureId(0, false), 172);
    EXPECT_EQ(report::PhasePictureId(0, true), 172);
    EXPECT_EQ(report::PhasePictureId(2, false), 174);
    EXPECT_EQ(report::PhasePictureId(2, true), 290);
    EXPECT_EQ(report::PhasePictureId(6, true), 294);
    EXPECT_EQ(report::PhasePictureId(7, false), 179);
    EXPECT_EQ(report::PhasePictureId(7, true), 295);
}

}  // namespace
