// almanaxium-cli: its argument checks and the JSON it prints, run as the real program.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "astro/astronomy.h"
#include "cli/cli_options.h"
#include "support/run_process.h"
#include "support/tolerances.h"

namespace {

using test_tolerance::Decimals;

test_support::ProcessResult RunCli(const std::vector<std::string>& arguments) {
    return test_support::RunProcess(ALMANAXIUM_CLI_PATH, arguments);
}

TEST(ParseCliArguments, AcceptsTheFullCommandInBothSpellings) {
    const cli::CliParseResult parsed = cli::ParseCliArguments(
        {"--date", "2018-06-21", "--lat=52.5", "--lon", "-13.4", "--offset", "+2", "--json"});
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_EQ(parsed.options.year, 2018);
    EXPECT_EQ(parsed.options.month, 6);
    EXPECT_EQ(parsed.options.day, 21);
    EXPECT_EQ(parsed.options.latitudeDeg, 52.5);
    EXPECT_EQ(parsed.options.longitudeDeg, -13.4);
    EXPECT_EQ(parsed.options.offsetHours, 2.0);
    EXPECT_TRUE(parsed.options.json);
}

TEST(ParseCliArguments, RefusesBadArgumentsWithOneLine) {
    const std::vector<std::string> base = {"--date", "2018-06-21", "--lat", "52.5",
                                           "--lon",  "13.4",       "--offset", "2"};
    auto with = [&](std::size_t index, std::string value) {
        std::vector<std::string> a = base;
        a[index] = std::move(value);
        return a;
    };
    const std::vector<std::vector<std::string>> bad = {
        {"--lat", "52.5", "--lon", "13.4", "--offset", "2"},                // no date
        {"--date", "2018-06-21", "--lon", "13.4", "--offset", "2"},         // no latitude
        {"--date", "2018-06-21", "--lat", "52.5", "--lon", "13.4"},         // no offset
        {"--date", "2018-06-21", "--lat", "52.5", "--lon", "13.4", "--offset"},  // no value
        with(1, "2018-02-29"), with(1, "2018-13-01"), with(1, "2018-6-21"), with(1, "0000-01-01"),
        with(1, "2100-02-29"), with(1, "21.06.2018"),
        with(3, "90.0001"), with(3, "-91"), with(3, "52,5"), with(3, "nan"), with(3, "inf"),
        with(3, ""), with(3, "52.5x"),
        with(5, "180.5"), with(7, "15"), with(7, "-12.5"),
        {"--date", "2018-06-21", "--lat", "52.5", "--lon", "13.4", "--offset", "2", "--bogus"},
        {"--date", "2018-06-21", "--lat", "52.5", "--lon", "13.4", "--offset", "2", "--json=1"},
    };
    for (const auto& arguments : bad) {
        const cli::CliParseResult parsed = cli::ParseCliArguments(arguments);
        std::string joined;
        for (const auto& a : arguments) joined += a + " ";
        EXPECT_FALSE(parsed.ok) << joined;
        EXPECT_FALSE(parsed.error.empty()) << joined;
        EXPECT_EQ(parsed.error.find('\n'), std::string::npos) << joined;
    }
    EXPECT_TRUE(cli::ParseCliArguments(with(1, "2000-02-29")).ok);
    EXPECT_TRUE(cli::ParseCliArguments(with(3, "-90")).ok);
    EXPECT_TRUE(cli::ParseCliArguments(with(7, "-12")).ok);
    EXPECT_TRUE(cli::ParseCliArguments(with(7, "14")).ok);
}

TEST(AlmanaxiumCli, ReproducesTheBerlinSolsticeTable) {
    const auto run = RunCli(
        {"--date", "2018-06-21", "--lat", "52.5", "--lon", "13.4", "--offset", "2", "--json"});
    ASSERT_EQ(run.exitStatus, 0) << run.standardError;
    EXPECT_TRUE(run.standardError.empty());
    const nlohmann::json doc = nlohmann::json::parse(run.standardOutput);
    const auto& sun = doc["ephemeris"]["sun"];
    const auto& moon = doc["ephemeris"]["moon"];
    EXPECT_TRUE(doc["ephemeris"]["valid"].get<bool>());
    EXPECT_NEAR(sun["rise"].get<double>(), 4.7195, Decimals(4));
    EXPECT_NEAR(sun["set"].get<double>(), 21.5535, Decimals(4));
    EXPECT_EQ(sun["riseSetStatus"].get<int>(), 0);
    EXPECT_NEAR(sun["transit"].get<double>(), 13.14, Decimals(2));
    EXPECT_NEAR(sun["civilBegin"].get<double>(), 3.88, Decimals(2));
    EXPECT_NEAR(sun["civilEnd"].get<double>(), 22.39, Decimals(2));
    EXPECT_NEAR(sun["nauticalBegin"].get<double>(), 2.50, Decimals(2));
    EXPECT_NEAR(sun["nauticalEnd"].get<double>(), 23.78, Decimals(2));
    EXPECT_FALSE(sun["astronomicalValid"].get<bool>());
    EXPECT_NEAR(sun["equationOfTimeHours"].get<double>(), -0.0268, Decimals(4));
    EXPECT_NEAR(moon["rise"].get<double>(), 14.14, Decimals(2));
    EXPECT_NEAR(moon["set"].get<double>(), 1.80, Decimals(2));
    EXPECT_EQ(moon["riseSetStatus"].get<int>(), 0);
    EXPECT_NEAR(moon["transit"].get<double>(), 20.25, Decimals(2));
    EXPECT_EQ(moon["phaseIndex"].get<int>(), 2);
    EXPECT_NEAR(moon["illuminatedFraction"].get<double>(), 0.561, Decimals(3));
    EXPECT_NEAR(doc["dayLengthHours"].get<double>(), 16.83, Decimals(2));
    const auto& full = doc["phases"]["nextFullMoon"];
    EXPECT_EQ(full["year"].get<int>(), 2018);
    EXPECT_EQ(full["month"].get<int>(), 6);
    EXPECT_EQ(full["day"].get<int>(), 28);
    EXPECT_EQ(full["hour"].get<int>(), 4);
    EXPECT_EQ(full["minute"].get<int>(), 54);
}

TEST(AlmanaxiumCli, NumbersRoundTripAtSeventeenDigits) {
    const auto run = RunCli(
        {"--date", "2018-06-21", "--lat", "52.5", "--lon", "13.4", "--offset", "2", "--json"});
    ASSERT_EQ(run.exitStatus, 0);
    const nlohmann::json doc = nlohmann::json::parse(run.standardOutput);
    astro::DayEphemeris e;
    astro::ComputeDayEphemeris({2018, 6, 21, 0, 0, 0}, 2, 52.5, 13.4, e);
    EXPECT_EQ(doc["ephemeris"]["sun"]["rise"].get<double>(), e.sun.rise);
    EXPECT_EQ(doc["ephemeris"]["moon"]["transit"].get<double>(), e.moon.transit);
    EXPECT_EQ(doc["dayLengthHours"].get<double>(), astro::DayLengthHours(e.sun));
}

TEST(AlmanaxiumCli, RefusedYearGivesAnInvalidEphemerisButPhases) {
    const auto run = RunCli(
        {"--date", "2100-01-01", "--lat", "52.5", "--lon", "13.4", "--offset", "1", "--json"});
    ASSERT_EQ(run.exitStatus, 0) << run.standardError;
    const nlohmann::json doc = nlohmann::json::parse(run.standardOutput);
    EXPECT_FALSE(doc["ephemeris"]["valid"].get<bool>());
    EXPECT_FALSE(doc["ephemeris"].contains("sun"));
    EXPECT_TRUE(doc["dayLengthHours"].is_null());
    EXPECT_EQ(doc["phases"]["nextNewMoon"]["year"].get<int>(), 2100);
}

TEST(AlmanaxiumCli, PolarDaysPrintValidJson) {
    // Values behind false flags may be undefined numbers; they must still give a parseable document.
    for (const char* lat : {"90", "-90", "66.5", "80"}) {
        const auto run =
            RunCli({"--date", "2018-06-21", "--lat", lat, "--lon", "0", "--offset", "0", "--json"});
        ASSERT_EQ(run.exitStatus, 0) << lat;
        EXPECT_TRUE(nlohmann::json::accept(run.standardOutput)) << lat;
    }
}

TEST(AlmanaxiumCli, BadArgumentsExitWithStatusTwoAndPrintNothing) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"--date", "2018-02-30", "--lat", "52.5", "--lon", "13.4", "--offset", "2", "--json"},
        {"--date", "2018-06-21", "--lat", "95", "--lon", "13.4", "--offset", "2", "--json"},
        {"--date", "2018-06-21", "--lat", "52.5", "--lon", "13.4", "--json"},
    };
    for (const auto& arguments : bad) {
        const auto run = RunCli(arguments);
        EXPECT_EQ(run.exitStatus, 2);
        EXPECT_TRUE(run.standardOutput.empty()) << run.standardOutput;
        ASSERT_FALSE(run.standardError.empty());
        EXPECT_EQ(run.standardError.find('\n'), run.standardError.size() - 1) << run.standardError;
    }
}

}  // namespace
