// The next new and full Moon after a date.
#include <gtest/gtest.h>

#include <tuple>

#include "astro/astronomy.h"
#include "support/tolerances.h"

namespace {

struct PhaseExpectation {
    int year, month, day, hour, minute;
};

// Minutes between a found phase and the expected date and clock time (same or adjacent day).
double MinutesFrom(const astro::CivilDateTime& t, const PhaseExpectation& e) {
    const double found = astro::JulianDayNumber(t.year, t.month, t.day) * 1440.0 + t.hour * 60 +
                         t.minute + t.second / 60.0;
    const double expected = astro::JulianDayNumber(e.year, e.month, e.day) * 1440.0 + e.hour * 60 +
                            e.minute;
    return found - expected;
}

struct NextPhaseCase {
    int year, month, day;
    PhaseExpectation newMoon, fullMoon;
};

TEST(FindNextPhases, ReferenceDates) {
    const NextPhaseCase cases[] = {
        {2018, 5, 2, {2018, 5, 15, 11, 49}, {2018, 5, 29, 14, 20}},
        // A new moon on the date itself does not count.
        {2018, 5, 15, {2018, 6, 13, 19, 45}, {2018, 5, 29, 14, 20}},
        // A full moon on the date: only the second search finds the next one.
        {2018, 5, 29, {2018, 6, 13, 19, 45}, {2018, 6, 28, 4, 54}},
        // The search crosses the year.
        {2018, 12, 31, {2019, 1, 6, 1, 29}, {2019, 1, 21, 5, 17}},
    };
    for (const auto& c : cases) {
        const astro::PhaseDates phases = astro::FindNextPhases(c.year, c.month, c.day);
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
        EXPECT_NEAR(MinutesFrom(phases.nextNewMoon, c.newMoon), 0, 1.0);
        EXPECT_NEAR(MinutesFrom(phases.nextFullMoon, c.fullMoon), 0, 1.0);
    }
}

TEST(FindNextPhases, DayBeforeAPhaseFindsIt) {
    const astro::PhaseDates before = astro::FindNextPhases(2018, 5, 14);
    EXPECT_EQ(std::tuple(before.nextNewMoon.year, before.nextNewMoon.month, before.nextNewMoon.day),
              std::tuple(2018, 5, 15));
    const astro::PhaseDates beforeFull = astro::FindNextPhases(2018, 5, 28);
    EXPECT_EQ(beforeFull.nextFullMoon.day, 29);
}

TEST(FindNextPhases, ThePhaseDateIsOnTheSeriesScaleNotTheLocalDay) {
    // 2019-01-21 05:17: the date 2019-01-20 still finds it, the date 2019-01-21 does not.
    EXPECT_EQ(astro::FindNextPhases(2019, 1, 20).nextFullMoon.day, 21);
    const astro::PhaseDates after = astro::FindNextPhases(2019, 1, 21);
    EXPECT_EQ(after.nextFullMoon.month, 2);
}

TEST(FindNextPhases, AlwaysStrictlyAfterAndWithinALunation) {
    // Every day of the accepted range: both phases found, strictly later, within 31 days, and with a
    // valid clock time.
    for (int jdn = astro::JulianDayNumber(1901, 1, 1); jdn <= astro::JulianDayNumber(2099, 12, 31);
         jdn += 3) {
        const astro::CalendarDate date = astro::CivilDateOfJulianDay(jdn);
        const astro::PhaseDates phases = astro::FindNextPhases(date.year, date.month, date.day);
        for (const astro::CivilDateTime& p : {phases.nextNewMoon, phases.nextFullMoon}) {
            const int days = astro::JulianDayNumber(p.year, p.month, p.day) - jdn;
            ASSERT_GE(days, 1) << date.year << "-" << date.month << "-" << date.day;
            ASSERT_LE(days, 31) << date.year << "-" << date.month << "-" << date.day;
            ASSERT_LT(p.hour, 24);
            ASSERT_LT(p.minute, 60);
            ASSERT_LT(p.second, 60);
        }
        const int between = astro::JulianDayNumber(phases.nextFullMoon.year,
                                                   phases.nextFullMoon.month,
                                                   phases.nextFullMoon.day) -
                            astro::JulianDayNumber(phases.nextNewMoon.year, phases.nextNewMoon.month,
                                                   phases.nextNewMoon.day);
        ASSERT_GE(std::abs(between), 13);
        ASSERT_LE(std::abs(between), 17);
    }
}

// The principal phases of January 2024 as the almanac offices publish them (UT, to the minute), to
// the few minutes the series gives; the new and full Moons are FindNextPhases' own to the second.
TEST(PrincipalPhasesBetween, QuartersOfTheAlmanacsAndTheNextPhasesOwnNewAndFullMoons) {
    using astro::PrincipalPhase;
    const struct {
        PrincipalPhase phase;
        PhaseExpectation when;
    } expected[] = {
        {PrincipalPhase::kLastQuarter, {2024, 1, 4, 3, 30}}, {PrincipalPhase::kNewMoon, {2024, 1, 11, 11, 57}},
        {PrincipalPhase::kFirstQuarter, {2024, 1, 18, 3, 53}}, {PrincipalPhase::kFullMoon, {2024, 1, 25, 17, 54}},
        {PrincipalPhase::kLastQuarter, {2024, 2, 2, 23, 18}},
    };
    const auto phases = astro::PrincipalPhasesBetween(astro::JulianDayOfDate(2024, 1, 1),
                                                      astro::JulianDayOfDate(2024, 2, 3) + 0.5);
    ASSERT_EQ(phases.size(), std::size(expected));
    for (std::size_t i = 0; i < phases.size(); ++i) {
        EXPECT_EQ(phases[i].phase, expected[i].phase) << i;
        EXPECT_NEAR(MinutesFrom(phases[i].when, expected[i].when), 0.0, test_tolerance::kPhaseSeriesMinutes) << i;
    }
    const astro::PhaseDates next = astro::FindNextPhases(2024, 1, 4);
    EXPECT_EQ(std::tie(phases[1].when.day, phases[1].when.hour, phases[1].when.minute, phases[1].when.second),
              std::tie(next.nextNewMoon.day, next.nextNewMoon.hour, next.nextNewMoon.minute, next.nextNewMoon.second));
    EXPECT_EQ(std::tie(phases[3].when.day, phases[3].when.hour, phases[3].when.minute, phases[3].when.second),
              std::tie(next.nextFullMoon.day, next.nextFullMoon.hour, next.nextFullMoon.minute, next.nextFullMoon.second));
}

TEST(TruePhaseDate, NearTheMeanPhase) {
    // The periodic terms move a true phase by at most about 14 hours from the mean one.
    for (double k = 1000; k < 1100; k += 1) {
        for (const double selector : {0.0, 0.5}) {
            const double mean = astro::MeanPhaseDate(2415020.0 + (k + selector) * 29.53, k + selector);
            EXPECT_NEAR(astro::TruePhaseDate(k, selector), mean, 0.6) << k << " " << selector;
        }
    }
    // Lunation 0 is the new moon of 1900 January (JD 2415020.76 plus the correction).
    EXPECT_NEAR(astro::TruePhaseDate(0, 0.0), 2415021.08, 0.05);
}

}  // namespace
