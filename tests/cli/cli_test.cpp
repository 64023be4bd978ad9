// almanaxium-cli: its argument checks and the JSON it prints, run as the real program.
#include <gtest/gtest.h>

#include <algorithm>

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
    EXPECT_EQ(parsed.options.date, (astro::CalendarDate{2018, 6, 21}));
    EXPECT_EQ(parsed.options.latitudeDeg, 52.5);
    EXPECT_EQ(parsed.options.longitudeDeg, -13.4);
    EXPECT_EQ(parsed.options.offsetHours, 2.0);
    EXPECT_TRUE(parsed.options.json);
}

// A span of days in place of the date: its three forms, and each way to ask for one wrongly.
TEST(ParseCliArguments, SpansOfDays) {
    const std::string outside = "the span reaches beyond the years 1901 to 2099, which the almanac computes";
    const struct {
        std::vector<std::string> arguments;
        std::string error;
        almanac::DaySpan span;
    } cases[] = {
        {{"--month", "2024-02"}, "", {{2024, 2, 1}, {2024, 2, 29}}},
        {{"--year", "1901"}, "", {{1901, 1, 1}, {1901, 12, 31}}},
        {{"--from", "2099-12-31", "--to", "2099-12-31"}, "", {{2099, 12, 31}, {2099, 12, 31}}},
        {{"--from", "2024-03-31", "--to", "2024-03-30"}, "the span ends before it begins", {}},
        {{"--year", "1900"}, outside, {}},
        {{"--from", "2099-12-31", "--to", "2100-01-01"}, outside, {}},
        {{"--month", "2024-13"}, "--month '2024-13' is not a month in the form YYYY-MM", {}},
        {{"--year", "24"}, "--year '24' is not a year in the form YYYY", {}},
        {{"--to", "2024-01-01"}, "a span needs both --from and --to", {}},
        {{"--year", "2024", "--month", "2024-01"}, "give one span: --from and --to, --month or --year", {}},
        {{"--year", "2024", "--date", "2024-01-01"}, "give --date or a span of days, not both", {}},
        {{"--year", "2024", "--json"}, "a span of days is written as JSON lines with --format jsonl", {}},
        {{"--date", "2024-01-01", "--format", "csv"},
         "--format needs a span of days: --from and --to, --month or --year", {}},
        {{"--year", "2024", "--format", "xml"}, "--format 'xml' is not one of table, csv, ics, jsonl", {}},
        {{"--year", "2024", "--events", "sunrise"}, "--events belongs to --format ics", {}},
        {{"--year", "2024", "--format", "ics", "--events", "sunrise,sunrise"},
         "--events 'sunrise,sunrise' names 'sunrise' twice", {}},
        {{"--year", "2024", "--format", "ics", "--events", "sunrise,dawn"},
         "--events 'sunrise,dawn' names 'dawn', which is not one of sunrise, sunset, civil, nautical, "
         "astronomical, moonrise, moonset, phases", {}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments = {"--lat", "52.5", "--lon", "13.4", "--offset", "2"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        const cli::CliParseResult parsed = cli::ParseCliArguments(arguments);
        EXPECT_EQ(parsed.error, c.error) << c.arguments[0] << " " << c.arguments[1];
        if (!c.error.empty()) continue;
        ASSERT_TRUE(parsed.options.span.has_value());
        EXPECT_EQ(parsed.options.span->first, c.span.first);
        EXPECT_EQ(parsed.options.span->last, c.span.last);
        EXPECT_EQ(parsed.options.events, (std::vector<std::string>{"sunrise", "sunset", "phases"}));
    }
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
        // exactly one zone; offsets in whole minutes; one of the five languages
        {"--date", "2018-06-21", "--lat", "52.5", "--lon", "13.4", "--offset", "2", "--zone", "UTC"},
        with(7, "5.3333"),
        {"--date", "2018-06-21", "--lat", "52.5", "--lon", "13.4", "--zone", ""},
        {"--date", "2018-06-21", "--lat", "52.5", "--lon", "13.4", "--offset", "2", "--lang", "pt"},
        {"--date", "2018-06-21", "--lat", "52.5", "--lon", "13.4", "--offset", "2", "--lang", "DE"},
        // Arguments echoed in a message cannot break its line.
        {"--date", "2018-06-21", "--lat", "52.5", "--lon", "13.4", "--offset", "2", "--oops\nsecond line"},
        with(1, "2018\n06-21"), with(3, "5\r\n2"), with(7, std::string(500, '9')),
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
    EXPECT_TRUE(cli::ParseCliArguments(with(7, "5.75")).ok);
    EXPECT_TRUE(cli::ParseCliArguments(with(7, "-3.5")).ok);
    const cli::CliParseResult zone = cli::ParseCliArguments(
        {"--date", "2018-06-21", "--lat", "1", "--lon", "2", "--zone", "Europe/Berlin", "--lang", "el"});
    ASSERT_TRUE(zone.ok) << zone.error;
    EXPECT_EQ(zone.options.zoneName, "Europe/Berlin");
    EXPECT_FALSE(zone.options.hasOffset);
    EXPECT_EQ(zone.options.languageCode, "el");
}

// getopt_long reads more than the options: abbreviations, "--", grouped letters. Only names spelled
// out in full are taken, the first fault in the order of the arguments is told, and a value may begin
// with '-'. One parse after another, as the fuzz target runs them.
TEST(ParseCliArguments, OnlyOptionsSpelledOutInFull) {
    const std::vector<std::string> place = {"--lat", "-5", "--lon=-13.4", "--offset", "-3.5"};
    const struct {
        std::vector<std::string> arguments;
        std::string error;
    } cases[] = {
        {{"--da", "2018-06-21"}, "unknown argument '--da' (see --help)"},
        {{"--date=2018-06-21", "--h"}, "unknown argument '--h' (see --help)"},
        {{"--date=2018-06-21", "--", "--bogus"}, "unknown argument '--' (see --help)"},
        {{"-hx"}, "unknown argument '-hx' (see --help)"},
        {{"--date", "2018-06-21", "x.png", "--chart"}, "unknown argument 'x.png' (see --help)"},
        {{"--json=x"}, "option '--json' takes no value"},
        {{"--help="}, "option '--help' takes no value"},
        {{"--lat", "--json"}, "--lat '--json' is not a number"},
        {{"--lat", "1e-400"}, "--lat '1e-400' is a number too near 0 or too large to be read"},
        {{"--json", "--date", "2018-06-21", "--json"}, "option '--json' is given twice"},
        {{"--date", "2018-06-21", "--zone"}, "option '--zone' needs a value"},
        {{"-h"}, ""},
        {{"--date", "2018-06-21"}, ""},
        {{"--date=2018-06-21"}, ""},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments = c.arguments;
        if (c.error.empty() && c.arguments[0] != "-h") arguments.insert(arguments.end(), place.begin(), place.end());
        const cli::CliParseResult parsed = cli::ParseCliArguments(arguments);
        EXPECT_EQ(parsed.error, c.error) << c.arguments[0];
        EXPECT_EQ(parsed.ok, c.error.empty()) << c.arguments[0];
    }
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
        {"--date", "2018-06-21", "--lat", "52.5", "--lon", "13.4", "--zone", "Mars/Olympus_Mons"},
        {"--date", "2018-06-21", "--lat", "52.5", "--lon", "13.4", "--zone", "../../etc/passwd"},
        {"--date", "2018-06-21", "--lat", "52.5", "--lon", "13.4", "--zone", "UTC", "--lang", "xx"},
        // The batch's requests come from standard input alone.
        {"--batch", "--date", "2018-06-21"},
        {"--batch", "--json"},
        {"--batch=1"},
    };
    for (const auto& arguments : bad) {
        const auto run = RunCli(arguments);
        EXPECT_EQ(run.exitStatus, 2);
        EXPECT_TRUE(run.standardOutput.empty()) << run.standardOutput;
        ASSERT_FALSE(run.standardError.empty());
        EXPECT_EQ(run.standardError.find('\n'), run.standardError.size() - 1) << run.standardError;
    }
}

// The child sees an English environment with the 24-hour clock unless a test says otherwise.
const std::vector<std::string> kPlainEnvironment = {"LANGUAGE=", "LC_ALL=", "LC_MESSAGES=",
                                                    "LANG=en_US.UTF-8", "LC_TIME=C", "TZ=UTC"};

test_support::ProcessResult RunReport(std::vector<std::string> extra,
                                      std::vector<std::string> environment = kPlainEnvironment) {
    std::vector<std::string> arguments = {"--date", "2018-06-21", "--lat", "52.5", "--lon", "13.4",
                                          "--zone", "Europe/Berlin"};
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    return test_support::RunProcess(ALMANAXIUM_CLI_PATH, arguments, environment);
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The row of a caption, with the run of blanks after it squeezed to one.
std::string RowOf(const std::string& output, const std::string& caption) {
    std::size_t at = output.find(caption);
    if (at == std::string::npos) return "";
    const std::string line = output.substr(at, output.find('\n', at) - at);
    std::string squeezed;
    for (const char ch : line) {
        if (ch == ' ' && !squeezed.empty() && squeezed.back() == ' ') continue;
        squeezed.push_back(ch);
    }
    return squeezed;
}

TEST(AlmanaxiumCliReport, BerlinRowsInEnglish) {
    const auto run = RunReport({});
    ASSERT_EQ(run.exitStatus, 0) << run.standardError;
    const std::string& out = run.standardOutput;
    EXPECT_EQ(RowOf(out, "Sunrise:"), "Sunrise: 4:43 Azimuth: 48\u00b0");
    EXPECT_EQ(RowOf(out, "Sunset:"), "Sunset: 21:33 Azimuth: 312\u00b0");
    // The engine's moonrise is 14.144 h.
    EXPECT_EQ(RowOf(out, "Moonrise:"), "Moonrise: 14:09 Azimuth: 92\u00b0");
    EXPECT_EQ(RowOf(out, "Moonset:"), "Moonset: 1:48 Azimuth: 272\u00b0");
    EXPECT_EQ(RowOf(out, "Astronomical:"), "Astronomical: - -");
    EXPECT_EQ(RowOf(out, "Nautical:"), "Nautical: 2:30 23:47");
    EXPECT_EQ(RowOf(out, "Phase:"), "Phase: First Quarter");
    EXPECT_EQ(RowOf(out, "Timezone:"), "Timezone: (UTC+01:00) Europe/Berlin");
    EXPECT_TRUE(Contains(out, "Central European Summer Time"));
    // The moonset comes first on this day, and the full Moon before the new Moon.
    EXPECT_LT(out.find("Moonset:"), out.find("Moonrise:"));
    EXPECT_LT(out.find("Next Full Moon:"), out.find("Next New Moon:"));
}

TEST(AlmanaxiumCliReport, GermanCaptionsAndDecimalCommas) {
    const auto run = RunReport({"--lang", "de"});
    ASSERT_EQ(run.exitStatus, 0) << run.standardError;
    const std::string& out = run.standardOutput;
    EXPECT_EQ(RowOf(out, "Sonnenaufgang:"), "Sonnenaufgang: 4:43 Azimut: 48\u00b0");
    EXPECT_EQ(RowOf(out, "Phase:"), "Phase: Erstes Viertel");
    EXPECT_EQ(RowOf(out, "Zeitgleichung:"), "Zeitgleichung: -1,61 min");
    EXPECT_EQ(RowOf(out, "Datum:"), "Datum: 21.06.2018");
    EXPECT_TRUE(Contains(out, "(60,9\u00b0)"));
    EXPECT_TRUE(Contains(out, "Mitteleurop\u00e4ische Sommerzeit"));
    EXPECT_TRUE(Contains(out, "N\u00e4chster Vollmond:"));
    // The environment's language when --lang is not given.
    std::vector<std::string> greek = kPlainEnvironment;
    greek.push_back("LANGUAGE=el_GR.UTF-8");
    const auto environmentRun = RunReport({}, greek);
    EXPECT_TRUE(Contains(environmentRun.standardOutput, "\u03a0\u03c1\u03ce\u03c4\u03bf \u03c4\u03ad\u03c4\u03b1\u03c1\u03c4\u03bf"));
}

TEST(AlmanaxiumCliReport, TwelveHourClockFromTheUsersTimeLocale) {
    std::vector<std::string> environment = kPlainEnvironment;
    environment.push_back("LC_TIME=en_US.UTF-8");
    const auto run = RunReport({"--json"}, environment);
    ASSERT_EQ(run.exitStatus, 0) << run.standardError;
    const nlohmann::json doc = nlohmann::json::parse(run.standardOutput);
    EXPECT_EQ(doc["texts"]["sunrise"], "4:43 AM");
    EXPECT_EQ(doc["texts"]["sunset"], "9:33 PM");
}

TEST(AlmanaxiumCliReport, JsonReportTextsAndZone) {
    const auto run = RunReport({"--json"});
    ASSERT_EQ(run.exitStatus, 0) << run.standardError;
    const nlohmann::json doc = nlohmann::json::parse(run.standardOutput);
    const auto& report = doc["report"];
    EXPECT_EQ(report["utcOffsetHours"], 2.0);
    EXPECT_EQ(report["weekday"], 4);
    EXPECT_TRUE(report["ephemerisValid"].get<bool>());
    EXPECT_EQ(report["sunrise"]["hours"].get<double>(),
              doc["ephemeris"]["sun"]["rise"].get<double>());
    EXPECT_FALSE(report["moonRiseRowFirst"].get<bool>());
    EXPECT_TRUE(report["fullMoonFirst"].get<bool>());
    EXPECT_EQ(report["nextFullMoon"]["hour"], 6);
    EXPECT_FALSE(report["astronomicalTwilight"]["occurs"].get<bool>());
    EXPECT_EQ(report["phaseIndex"], 2);
    const auto& texts = doc["texts"];
    EXPECT_EQ(texts["sunrise"], "4:43");
    EXPECT_EQ(texts["moonrise"], "14:09");
    EXPECT_EQ(texts["moonset"], "1:48");
    EXPECT_EQ(texts["astronomicalTwilightBegin"], "-");
    EXPECT_EQ(texts["phase"], "First Quarter");
    EXPECT_EQ(texts["dayLength"], "16h 50m 02s");
    EXPECT_EQ(texts["zoneName"], "Central European Summer Time");
    EXPECT_EQ(doc["phasePicture"], 174);
    EXPECT_EQ(doc["zone"], "Europe/Berlin");
    // Every text field is there.
    for (const char* name :
         {"date", "sunrise", "sunset", "sunriseAzimuth", "sunsetAzimuth", "sunCulmination",
          "sunDeclination", "equationOfTime", "moonrise", "moonset", "moonriseAzimuth",
          "moonsetAzimuth", "moonCulmination", "moonDeclination", "visibility", "phase",
          "dayLength", "astronomicalTwilightBegin", "astronomicalTwilightEnd",
          "nauticalTwilightBegin", "nauticalTwilightEnd", "civilTwilightBegin",
          "civilTwilightEnd", "nextNewMoon", "nextFullMoon", "zoneName"}) {
        EXPECT_TRUE(texts.contains(name) && texts[name].is_string()) << name;
    }
}

TEST(AlmanaxiumCliReport, FixedOffsetZoneAndSouthernPicture) {
    const auto run = test_support::RunProcess(
        ALMANAXIUM_CLI_PATH,
        {"--date", "2018-06-21", "--lat", "-33.9", "--lon", "151.2", "--offset", "5.75", "--json"},
        kPlainEnvironment);
    ASSERT_EQ(run.exitStatus, 0) << run.standardError;
    const nlohmann::json doc = nlohmann::json::parse(run.standardOutput);
    EXPECT_EQ(doc["zone"], "UTC+05:45");
    EXPECT_EQ(doc["texts"]["zoneName"], "UTC+05:45");
    EXPECT_EQ(doc["report"]["utcOffsetHours"], 5.75);
    EXPECT_TRUE(doc["report"]["southernHemisphere"].get<bool>());
    EXPECT_EQ(doc["phasePicture"], 290);
}

TEST(AlmanaxiumCliReport, AFailedWriteOfTheOutputIsReported) {
    // Standard output on a full disk, and closed, in every output format.
    for (const char* redirect : {"> /dev/full", ">&-"}) {
        for (const std::vector<std::string>& format :
             {std::vector<std::string>{}, {"--json"}, {"--help"}}) {
            std::vector<std::string> arguments = {"-c", std::string("exec \"$0\" \"$@\" ") + redirect,
                                                  ALMANAXIUM_CLI_PATH, "--date", "2018-06-21",
                                                  "--lat", "52.5", "--lon", "13.4", "--offset", "2"};
            arguments.insert(arguments.end(), format.begin(), format.end());
            const auto run = test_support::RunProcess("/bin/sh", arguments, kPlainEnvironment);
            const std::string shown = std::string(redirect) + " " + (format.empty() ? "" : format[0]);
            EXPECT_EQ(run.exitStatus, 1) << shown;
            EXPECT_TRUE(Contains(run.standardError, "almanaxium-cli: the report could not be written"))
                << shown << ": " << run.standardError;
            EXPECT_EQ(std::count(run.standardError.begin(), run.standardError.end(), '\n'), 1) << shown;
        }
    }
}

}  // namespace

namespace {

// The day's light after the report: its JSON keys beside the report's own values, and its rows.
TEST(AlmanaxiumCliReport, DayLightKeysAndRows) {
    const struct {
        std::vector<std::string> arguments;
        std::size_t samples;  // 0: no light at all, outside the engine's years
        const char* polar;
        const char* whiteNight;
        const char* row;      // a row of the text report, blanks squeezed, up to its end
    } cases[] = {
        // The spring clock change: a day of 23 hours.
        {{"--date", "2024-03-31", "--lat", "52.52", "--lon", "13.405", "--zone", "Europe/Berlin"}, 277,
         "none", "none", "Blue Hour:"},
        {{"--date", "2024-10-27", "--lat", "52.52", "--lon", "13.405", "--zone", "Europe/Berlin"}, 301,
         "none", "none", "Golden Hour:"},
        {{"--date", "2024-06-21", "--lat", "64.15", "--lon", "-21.94", "--offset", "0"}, 289, "none",
         "noCivilNight", "White Night: No civil night"},
        {{"--date", "2024-12-21", "--lat", "69.65", "--lon", "18.96", "--offset", "1"}, 289,
         "polarNight", "none", "Polar Night until: 01/15/2025 -"},
        {{"--date", "2100-01-01", "--lat", "52.52", "--lon", "13.405", "--offset", "1"}, 0, "", "", ""},
    };
    for (const auto& c : cases) {
        const auto json = test_support::RunProcess(ALMANAXIUM_CLI_PATH, [&] {
            auto a = c.arguments;
            a.push_back("--json");
            return a;
        }(), kPlainEnvironment);
        ASSERT_EQ(json.exitStatus, 0) << json.standardError;
        const nlohmann::json doc = nlohmann::json::parse(json.standardOutput);
        const std::string name = c.arguments[1];
        const auto text = test_support::RunProcess(ALMANAXIUM_CLI_PATH, c.arguments, kPlainEnvironment);
        ASSERT_EQ(text.exitStatus, 0) << text.standardError;
        if (c.samples == 0) {
            for (const char* key : {"goldenHour", "blueHour", "polar", "whiteNight", "samples"}) {
                EXPECT_FALSE(doc.contains(key)) << name << " " << key;
            }
            EXPECT_FALSE(Contains(text.standardOutput, "Golden Hour:")) << name;
            continue;
        }
        const auto& civil = doc["report"]["civilTwilight"];
        const auto& blue = doc["blueHour"];
        const auto& golden = doc["goldenHour"];
        EXPECT_EQ(blue["morningBegin"]["occurs"], civil["occurs"]) << name;
        EXPECT_EQ(blue["morningBegin"]["hours"], civil["begin"]) << name;
        EXPECT_EQ(blue["eveningEnd"]["hours"], civil["end"]) << name;
        EXPECT_EQ(blue["morningEnd"], golden["morningBegin"]) << name;
        EXPECT_EQ(blue["eveningBegin"], golden["eveningEnd"]) << name;
        EXPECT_EQ(doc["polar"]["state"], c.polar) << name;
        EXPECT_EQ(doc["polar"]["ends"].is_null(), std::string(c.polar) == "none") << name;
        EXPECT_EQ(doc["whiteNight"], c.whiteNight) << name;
        const auto& samples = doc["samples"];
        ASSERT_EQ(samples.size(), c.samples) << name;
        EXPECT_EQ(samples.back()["hours"].get<double>(), (c.samples - 1) / 12.0) << name;
        for (const char* key : {"hours", "sunAltitude", "moonAltitude", "moonFraction"}) {
            EXPECT_TRUE(samples[1][key].is_number()) << name << " " << key;
        }
        const std::string row = c.row;
        EXPECT_EQ(RowOf(text.standardOutput, row.substr(0, row.find(':') + 1)).substr(0, row.size()), row) << name;
    }
}

}  // namespace
