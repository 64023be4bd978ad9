// Our conversions over a zone's recurring rule against the C library's own zone code, hour by hour,
// and the resolution of the skipped and repeated hours.
#include <gtest/gtest.h>

#include <tuple>

#include <cstdlib>
#include <ctime>
#include <map>
#include <string>

#include "zones/posix_time_zone.h"
#include "zones/time_zone_catalogue.h"
#include "zones/time_zone_rule.h"

namespace {

using zones::SystemTime;
using zones::TimeZoneInformation;

TimeZoneInformation RuleOf(const std::string& zone) {
    const auto rule = zones::ReadZoneFileRule(std::string(zones::kSystemZoneInfoFolder) + "/" + zone);
    EXPECT_TRUE(rule.has_value()) << zone;
    return rule ? rule->rule : TimeZoneInformation{};
}

// Sets the C library's zone for the lifetime of the object.
class ScopedTz {
public:
    explicit ScopedTz(const std::string& zone) {
        if (const char* old = std::getenv("TZ")) saved_ = old;
        hadOld_ = std::getenv("TZ") != nullptr;
        setenv("TZ", zone.c_str(), 1);
        tzset();
    }
    ~ScopedTz() {
        if (hadOld_) {
            setenv("TZ", saved_.c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }

private:
    std::string saved_;
    bool hadOld_ = false;
};

SystemTime FromTm(const std::tm& tm) {
    SystemTime t;
    t.wYear = static_cast<std::uint16_t>(tm.tm_year + 1900);
    t.wMonth = static_cast<std::uint16_t>(tm.tm_mon + 1);
    t.wDay = static_cast<std::uint16_t>(tm.tm_mday);
    t.wDayOfWeek = static_cast<std::uint16_t>(tm.tm_wday);
    t.wHour = static_cast<std::uint16_t>(tm.tm_hour);
    t.wMinute = static_cast<std::uint16_t>(tm.tm_min);
    t.wSecond = static_cast<std::uint16_t>(tm.tm_sec);
    return t;
}

std::string Text(const SystemTime& t) {
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.wYear, t.wMonth, t.wDay,
                  t.wHour, t.wMinute, t.wSecond);
    return text;
}

struct ZoneCase {
    const char* zone;
    int transitionsPerYear;
};

class AgainstTheCLibrary : public testing::TestWithParam<ZoneCase> {};

TEST_P(AgainstTheCLibrary, EveryHourOf2020To2030BothWays) {
    const std::string zone = GetParam().zone;
    const TimeZoneInformation rule = RuleOf(zone);
    ScopedTz tz(zone);

    const std::time_t first = 1577836800;  // 2020-01-01 00:00 UTC
    const std::time_t last = 1924992000;   // 2031-01-01 00:00 UTC
    std::map<std::string, int> wallClockSeen;
    int mismatches = 0;
    for (std::time_t t = first; t < last; t += 3600) {
        std::tm utc{};
        gmtime_r(&t, &utc);
        std::tm expected{};
        localtime_r(&t, &expected);
        SystemTime local;
        ASSERT_TRUE(zones::SystemTimeToZoneLocalTime(rule, FromTm(utc), local));
        const SystemTime expectedLocal = FromTm(expected);
        if (Text(local) != Text(expectedLocal) && ++mismatches <= 5) {
            ADD_FAILURE() << zone << " at " << Text(FromTm(utc)) << " UT: got " << Text(local)
                          << ", the C library gives " << Text(expectedLocal);
        }
        EXPECT_EQ(local.wDayOfWeek, expectedLocal.wDayOfWeek);
        ++wallClockSeen[Text(expectedLocal)];
    }
    EXPECT_EQ(mismatches, 0);

    // Back from every clock time that occurs once: the UT it came from.
    int repeated = 0;
    for (std::time_t t = first; t < last; t += 3600) {
        std::tm wall{};
        localtime_r(&t, &wall);
        const SystemTime local = FromTm(wall);
        if (wallClockSeen[Text(local)] != 1) {
            ++repeated;
            continue;
        }
        std::tm utc{};
        gmtime_r(&t, &utc);
        SystemTime universal;
        ASSERT_TRUE(zones::ZoneLocalTimeToSystemTime(rule, local, universal));
        ASSERT_EQ(Text(universal), Text(FromTm(utc))) << zone << " from " << Text(local);
    }
    // Each change back to standard time repeats one hour: two UT hours share one clock time.
    EXPECT_EQ(repeated, GetParam().transitionsPerYear == 0 ? 0 : 2 * 11) << zone;
}

INSTANTIATE_TEST_SUITE_P(Zones, AgainstTheCLibrary,
                         testing::Values(ZoneCase{"Europe/Berlin", 2}, ZoneCase{"America/New_York", 2},
                                         ZoneCase{"Australia/Sydney", 2},
                                         ZoneCase{"America/St_Johns", 2},
                                         ZoneCase{"Asia/Kolkata", 0}, ZoneCase{"Asia/Tokyo", 0}),
                         [](const auto& info) {
                             std::string name = info.param.zone;
                             for (char& ch : name) {
                                 if (ch == '/') ch = '_';
                             }
                             return name;
                         });

astro::CalendarDate Day(int year, int month, int day) {
    return {static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month),
            static_cast<std::uint16_t>(day)};
}

SystemTime Date(int year, int month, int day, int hour = 0, int minute = 0) {
    SystemTime t;
    t.wYear = static_cast<std::uint16_t>(year);
    t.wMonth = static_cast<std::uint16_t>(month);
    t.wDay = static_cast<std::uint16_t>(day);
    t.wHour = static_cast<std::uint16_t>(hour);
    t.wMinute = static_cast<std::uint16_t>(minute);
    return t;
}

TEST(ZoneLocalTimeToSystemTime, SkippedAndRepeatedHoursCountAsDaylightTime) {
    const TimeZoneInformation berlin = RuleOf("Europe/Berlin");
    SystemTime ut;
    // 2024-03-31 02:30 does not exist in Berlin; as daylight time (UT+2) it is 00:30 UT.
    ASSERT_TRUE(zones::ZoneLocalTimeToSystemTime(berlin, Date(2024, 3, 31, 2, 30), ut));
    EXPECT_EQ(Text(ut), "2024-03-31 00:30:00");
    // 01:59 is still standard time, 03:00 already daylight time.
    ASSERT_TRUE(zones::ZoneLocalTimeToSystemTime(berlin, Date(2024, 3, 31, 1, 59), ut));
    EXPECT_EQ(Text(ut), "2024-03-31 00:59:00");
    ASSERT_TRUE(zones::ZoneLocalTimeToSystemTime(berlin, Date(2024, 3, 31, 3, 0), ut));
    EXPECT_EQ(Text(ut), "2024-03-31 01:00:00");
    // 2024-10-27 02:30 occurs twice; the daylight pass (00:30 UT) is taken.
    ASSERT_TRUE(zones::ZoneLocalTimeToSystemTime(berlin, Date(2024, 10, 27, 2, 30), ut));
    EXPECT_EQ(Text(ut), "2024-10-27 00:30:00");
    ASSERT_TRUE(zones::ZoneLocalTimeToSystemTime(berlin, Date(2024, 10, 27, 3, 0), ut));
    EXPECT_EQ(Text(ut), "2024-10-27 02:00:00");

    // The southern hemisphere: Sydney skips 02:00-03:00 on 2024-10-06, repeats it on 2024-04-07.
    const TimeZoneInformation sydney = RuleOf("Australia/Sydney");
    ASSERT_TRUE(zones::ZoneLocalTimeToSystemTime(sydney, Date(2024, 10, 6, 2, 30), ut));
    EXPECT_EQ(Text(ut), "2024-10-05 15:30:00");
    ASSERT_TRUE(zones::ZoneLocalTimeToSystemTime(sydney, Date(2024, 4, 7, 2, 30), ut));
    EXPECT_EQ(Text(ut), "2024-04-06 15:30:00");
}

TEST(GetUtcOffset, ExactHoursAtNoonUtOfTheDate) {
    const astro::CalendarDate winter = Day(2024, 1, 15);
    const astro::CalendarDate summer = Day(2024, 7, 15);
    EXPECT_EQ(zones::GetUtcOffset(RuleOf("Europe/Berlin"), winter), 1.0);
    EXPECT_EQ(zones::GetUtcOffset(RuleOf("Europe/Berlin"), summer), 2.0);
    EXPECT_EQ(zones::GetUtcOffset(RuleOf("Australia/Sydney"), winter), 11.0);
    EXPECT_EQ(zones::GetUtcOffset(RuleOf("Australia/Sydney"), summer), 10.0);
    EXPECT_EQ(zones::GetUtcOffset(RuleOf("America/St_Johns"), winter), -3.5);
    EXPECT_EQ(zones::GetUtcOffset(RuleOf("America/St_Johns"), summer), -2.5);
    EXPECT_EQ(zones::GetUtcOffset(RuleOf("Asia/Kolkata"), summer), 5.5);
    EXPECT_EQ(zones::GetUtcOffset(RuleOf("Asia/Kathmandu"), summer), 5.75);
    EXPECT_EQ(zones::GetUtcOffset(RuleOf("Pacific/Kiritimati"), summer), 14.0);
    // On the day of a change the offset in force at 12:00 UT holds for the whole day.
    EXPECT_EQ(zones::GetUtcOffset(RuleOf("Europe/Berlin"), Day(2024, 3, 31)), 2.0);
    EXPECT_EQ(zones::GetUtcOffset(RuleOf("Europe/Berlin"), Day(2024, 10, 27)), 1.0);
    EXPECT_EQ(zones::GetUtcOffset(RuleOf("America/New_York"), Day(2024, 3, 10)), -4.0);
    // An impossible date gives 0.
    EXPECT_EQ(zones::GetUtcOffset(RuleOf("Europe/Berlin"), Day(2024, 2, 30)), 0.0);
}

TEST(LocalToUniversal, TruncatesAndResolvesEachTimeOfTheDayByTheRule) {
    const TimeZoneInformation berlin = RuleOf("Europe/Berlin");
    astro::CivilDateTime ut;
    // 4.7195 h is 4:43:10.2: each unit truncated, seconds included.
    ASSERT_TRUE(zones::LocalToUniversal(berlin, Day(2018, 6, 21), 4.7195, ut));
    EXPECT_EQ(ut.hour, 2);
    EXPECT_EQ(ut.minute, 43);
    EXPECT_EQ(ut.second, 10);
    // Before and after the change of 2024-03-31 the same day converts with two offsets.
    ASSERT_TRUE(zones::LocalToUniversal(berlin, Day(2024, 3, 31), 1.5, ut));
    EXPECT_EQ(ut.hour, 0);
    EXPECT_EQ(ut.minute, 30);
    ASSERT_TRUE(zones::LocalToUniversal(berlin, Day(2024, 3, 31), 12.0, ut));
    EXPECT_EQ(ut.hour, 10);
    // An early clock time east of Greenwich lies on the previous UT day.
    ASSERT_TRUE(zones::LocalToUniversal(RuleOf("Asia/Tokyo"), Day(2024, 1, 1), 3.25, ut));
    EXPECT_EQ(ut.year, 2023);
    EXPECT_EQ(ut.month, 12);
    EXPECT_EQ(ut.day, 31);
    EXPECT_EQ(ut.hour, 18);
    EXPECT_EQ(ut.minute, 15);
    // Times outside the day are refused rather than wrapped.
    EXPECT_FALSE(zones::LocalToUniversal(berlin, Day(2024, 1, 1), 24.0, ut));
    EXPECT_FALSE(zones::LocalToUniversal(berlin, Day(2024, 1, 1), -0.5, ut));
    // The last representable fraction below a whole hour stays inside the hour.
    ASSERT_TRUE(zones::LocalToUniversal(RuleOf("Asia/Tokyo"), Day(2024, 1, 1), 0.9999999999999999, ut));
    EXPECT_EQ(ut.minute, 59);
}

TEST(UniversalToLocal, ConvertsAndGivesZerosOnFailure) {
    // Instants before 1601 too, by the rule of every year: summer time in July, the year's turn.
    const std::pair<astro::CivilDateTime, std::tuple<int, int, int, int, int, int>> cases[] = {
        {{2018, 6, 28, 4, 54, 35}, {2018, 6, 28, 6, 54, 35}},
        {{1500, 7, 1, 12, 0, 0}, {1500, 7, 1, 14, 0, 0}},
        {{1600, 12, 31, 23, 30, 0}, {1601, 1, 1, 0, 30, 0}},
        {{1, 1, 1, 0, 0, 0}, {1, 1, 1, 1, 0, 0}},
        {{1200, 2, 29, 22, 0, 0}, {1200, 2, 29, 23, 0, 0}},
    };
    for (const auto& [universal, expected] : cases) {
        const zones::LocalDateTime local = zones::UniversalToLocal(RuleOf("Europe/Berlin"), universal);
        EXPECT_EQ(std::tuple(local.year, local.month, local.day, local.hour, local.minute, local.second), expected)
            << universal.year;
    }
    EXPECT_TRUE(zones::UniversalToLocal(RuleOf("Europe/Berlin"), {2018, 13, 1, 0, 0, 0}).IsZero());
    EXPECT_TRUE(zones::UniversalToLocal(RuleOf("Europe/Berlin"), {2018, 2, 29, 0, 0, 0}).IsZero());
}

TEST(IsDaylightTime, AtNoonUtOfTheDate) {
    EXPECT_FALSE(zones::IsDaylightTime(RuleOf("Europe/Berlin"), Day(2024, 1, 15)));
    EXPECT_TRUE(zones::IsDaylightTime(RuleOf("Europe/Berlin"), Day(2024, 7, 15)));
    EXPECT_TRUE(zones::IsDaylightTime(RuleOf("Europe/Berlin"), Day(2024, 3, 31)));
    EXPECT_FALSE(zones::IsDaylightTime(RuleOf("Europe/Berlin"), Day(2024, 10, 27)));
    EXPECT_TRUE(zones::IsDaylightTime(RuleOf("Australia/Sydney"), Day(2024, 1, 15)));
    EXPECT_FALSE(zones::IsDaylightTime(RuleOf("Asia/Kolkata"), Day(2024, 7, 15)));
    // Ireland keeps its winter offset as standard time after the rule is turned around.
    EXPECT_FALSE(zones::IsDaylightTime(RuleOf("Europe/Dublin"), Day(2024, 1, 15)));
    EXPECT_TRUE(zones::IsDaylightTime(RuleOf("Europe/Dublin"), Day(2024, 7, 15)));
}

TEST(SystemTimeToFileTime, CountsFrom1601AndRefusesBadFields) {
    std::uint64_t count = 0;
    ASSERT_TRUE(zones::SystemTimeToFileTime(Date(1601, 1, 1), count));
    EXPECT_EQ(count, 0u);
    ASSERT_TRUE(zones::SystemTimeToFileTime(Date(1970, 1, 1), count));
    EXPECT_EQ(count, 116444736000000000u);
    EXPECT_FALSE(zones::SystemTimeToFileTime(Date(1600, 12, 31), count));
    EXPECT_FALSE(zones::SystemTimeToFileTime(Date(2023, 2, 29), count));
    EXPECT_FALSE(zones::SystemTimeToFileTime(Date(2024, 1, 1, 24), count));
    SystemTime t = Date(2024, 1, 1);
    t.wMilliseconds = 1000;
    EXPECT_FALSE(zones::SystemTimeToFileTime(t, count));
}

}  // namespace
