// The TZ string at the end of a zone file, and the recurring rule it becomes.
#include <gtest/gtest.h>

#include "zones/posix_time_zone.h"
#include "zones/tzif_file.h"
#include "support/file_contents.h"

namespace {

using test_support::ReadWholeFile;
using zones::ParsePosixTimeZone;
using zones::SystemTime;

zones::ZoneRule RuleFrom(const char* tz) {
    const auto posix = ParsePosixTimeZone(tz);
    EXPECT_TRUE(posix.has_value()) << tz;
    const auto rule = posix ? zones::ZoneRuleFromPosix(*posix) : std::nullopt;
    EXPECT_TRUE(rule.has_value()) << tz;
    return rule.value_or(zones::ZoneRule{});
}

SystemTime Transition(int month, int week, int weekday, int hour, int minute = 0) {
    SystemTime t;
    t.wMonth = static_cast<std::uint16_t>(month);
    t.wDay = static_cast<std::uint16_t>(week);
    t.wDayOfWeek = static_cast<std::uint16_t>(weekday);
    t.wHour = static_cast<std::uint16_t>(hour);
    t.wMinute = static_cast<std::uint16_t>(minute);
    return t;
}

TEST(ZoneRuleFromPosix, CentralEurope) {
    const zones::ZoneRule cet = RuleFrom("CET-1CEST,M3.5.0,M10.5.0/3");
    EXPECT_EQ(cet.rule.Bias, -60);
    EXPECT_EQ(cet.rule.StandardBias, 0);
    EXPECT_EQ(cet.rule.DaylightBias, -60);
    EXPECT_EQ(cet.rule.DaylightDate, Transition(3, 5, 0, 2));
    EXPECT_EQ(cet.rule.StandardDate, Transition(10, 5, 0, 3));
    EXPECT_EQ(cet.standardAbbreviation, "CET");
    EXPECT_EQ(cet.daylightAbbreviation, "CEST");
}

TEST(ZoneRuleFromPosix, OffsetsAndNames) {
    // Half-hour offsets, quoted names, a daylight offset of its own.
    const zones::ZoneRule newfoundland = RuleFrom("NST3:30NDT,M3.2.0,M11.1.0");
    EXPECT_EQ(newfoundland.rule.Bias, 210);
    EXPECT_EQ(newfoundland.rule.DaylightBias, -60);
    const zones::ZoneRule lordHowe = RuleFrom("<+1030>-10:30<+11>-11,M10.1.0,M4.1.0");
    EXPECT_EQ(lordHowe.rule.Bias, -630);
    EXPECT_EQ(lordHowe.rule.DaylightBias, -30);
    EXPECT_EQ(lordHowe.standardAbbreviation, "+1030");
    const zones::ZoneRule chatham = RuleFrom("<+1245>-12:45<+1345>,M9.5.0/2:45,M4.1.0/3:45");
    EXPECT_EQ(chatham.rule.Bias, -765);
    EXPECT_EQ(chatham.rule.DaylightDate, Transition(9, 5, 0, 2, 45));
    const zones::ZoneRule kolkata = RuleFrom("IST-5:30");
    EXPECT_EQ(kolkata.rule.Bias, -330);
    EXPECT_EQ(kolkata.rule.DaylightDate.wMonth, 0);
    EXPECT_EQ(kolkata.rule.StandardDate.wMonth, 0);
    EXPECT_EQ(RuleFrom("<-03>3").rule.Bias, 180);
    EXPECT_EQ(RuleFrom("UTC0").rule.Bias, 0);
    // Without dates the C library's default rule applies: second Sunday of March, first of November.
    const zones::ZoneRule noDates = RuleFrom("EST5EDT");
    EXPECT_EQ(noDates.rule.DaylightDate, Transition(3, 2, 0, 2));
    EXPECT_EQ(noDates.rule.StandardDate, Transition(11, 1, 0, 2));
}

TEST(ZoneRuleFromPosix, NegativeDaylightTimeIsTurnedAround) {
    // Ireland's law makes summer time standard and winter time "daylight" time one hour behind.
    const zones::ZoneRule dublin = RuleFrom("IST-1GMT0,M10.5.0,M3.5.0/1");
    EXPECT_EQ(dublin.rule.Bias, 0);
    EXPECT_EQ(dublin.rule.DaylightBias, -60);
    EXPECT_EQ(dublin.rule.DaylightDate, Transition(3, 5, 0, 1));
    EXPECT_EQ(dublin.rule.StandardDate, Transition(10, 5, 0, 2));
    EXPECT_EQ(dublin.standardAbbreviation, "GMT");
    EXPECT_EQ(dublin.daylightAbbreviation, "IST");
}

TEST(ZoneRuleFromPosix, ChangesOutsideTheDayAreHeldAtItsEdges) {
    // Chile: 24:00 of the first Saturday, held as 23:59:59.999 of that Saturday.
    const zones::ZoneRule santiago = RuleFrom("<-04>4<-03>,M9.1.6/24,M4.1.6/24");
    EXPECT_EQ(santiago.rule.DaylightDate.wDayOfWeek, 6);
    EXPECT_EQ(santiago.rule.DaylightDate.wHour, 23);
    EXPECT_EQ(santiago.rule.DaylightDate.wMinute, 59);
    EXPECT_EQ(santiago.rule.DaylightDate.wSecond, 59);
    EXPECT_EQ(santiago.rule.DaylightDate.wMilliseconds, 999);
    // Greenland: -1:00 of the last Sunday, held as 00:00 of that Sunday.
    const zones::ZoneRule nuuk = RuleFrom("<-02>2<-01>,M3.5.0/-1,M10.5.0/0");
    EXPECT_EQ(nuuk.rule.DaylightDate, Transition(3, 5, 0, 0));
    // Israel: 26:00 of the fourth Thursday.
    const zones::ZoneRule jerusalem = RuleFrom("IST-2IDT,M3.4.4/26,M10.5.0");
    EXPECT_EQ(jerusalem.rule.DaylightDate.wDayOfWeek, 4);
    EXPECT_EQ(jerusalem.rule.DaylightDate.wHour, 23);
}

TEST(ZoneRuleFromPosix, DayOfYearRulesCannotBeHeld) {
    const auto julian = ParsePosixTimeZone("XXX3YYY,J60/2,J300/2");
    ASSERT_TRUE(julian.has_value());
    EXPECT_FALSE(zones::ZoneRuleFromPosix(*julian).has_value());
    const auto zeroBased = ParsePosixTimeZone("XXX3YYY,59,299");
    ASSERT_TRUE(zeroBased.has_value());
    EXPECT_FALSE(zones::ZoneRuleFromPosix(*zeroBased).has_value());
}

TEST(ParsePosixTimeZone, RefusesMalformedStrings) {
    for (const char* bad : {"", "CE-1", "CET", "CET-1CEST,M3.5.0", "CET-1CEST,M13.5.0,M10.5.0",
                            "CET-1CEST,M3.6.0,M10.5.0", "CET-1CEST,M3.5.7,M10.5.0",
                            "CET-1CEST,M3.5.0,M10.5.0/", "CET-1CEST,M3.5.0,M10.5.0/3x",
                            "<+01-1", "<+0 1>-1", "CET-25", "CET-1:60", "CET-1CEST,J0,J365",
                            "CET-1CEST,M3.5.0,M10.5.0/168", "CET-1 "}) {
        EXPECT_FALSE(ParsePosixTimeZone(bad).has_value()) << '"' << bad << '"';
    }
}

TEST(TzifFooter, RealFilesAndDamagedOnes) {
    const std::string berlin = ReadWholeFile("/usr/share/zoneinfo/Europe/Berlin");
    ASSERT_FALSE(berlin.empty());
    EXPECT_EQ(zones::TzifFooter(berlin), "CET-1CEST,M3.5.0,M10.5.0/3");
    EXPECT_EQ(zones::TzifFooter(ReadWholeFile("/usr/share/zoneinfo/Asia/Kolkata")), "IST-5:30");

    // Cut anywhere, the file gives no footer rather than a piece of one.
    for (std::size_t length = 0; length + 1 < berlin.size(); length += 97) {
        EXPECT_FALSE(zones::TzifFooter(berlin.substr(0, length)).has_value()) << length;
    }
    EXPECT_FALSE(zones::TzifFooter(berlin.substr(0, berlin.size() - 1)).has_value());
    // A version 1 file has no footer; a file that is not TZif is refused.
    std::string version1 = berlin;
    version1[4] = '\0';
    EXPECT_FALSE(zones::TzifFooter(version1).has_value());
    std::string notTzif = berlin;
    notTzif[0] = 'X';
    EXPECT_FALSE(zones::TzifFooter(notTzif).has_value());
    // Counts that claim more data than the file holds.
    std::string inflated = berlin;
    inflated[32] = '\x7f';
    EXPECT_FALSE(zones::TzifFooter(inflated).has_value());
}

}  // namespace
