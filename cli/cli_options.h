// The command line of almanaxium-cli.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "almanac/almanac_day.h"
#include "almanac/day_span.h"

namespace cli {

struct CliOptions {
    astro::CalendarDate date;   // of --date; {0, 0, 0} when none is given
    double latitudeDeg = 0.0;   // north positive
    double longitudeDeg = 0.0;  // east positive
    // Exactly one of the two zones: a catalogue zone by its IANA name, or a fixed offset.
    std::string zoneName;
    bool hasOffset = false;
    double offsetHours = 0.0;   // local time minus UT, a whole number of minutes
    std::string languageCode;   // "en", "de", "es", "fr" or "el"; empty: from the environment
    bool json = false;
    bool help = false;
    bool batch = false;         // requests as JSON lines on standard input, no other option
    bool version = false;
    // A span of days in place of --date: --from and --to, --month or --year.
    std::optional<almanac::DaySpan> span;
    std::string format = "table";     // of a span: table, csv, ics or jsonl
    std::vector<std::string> events;  // of a calendar: the kinds of event it holds
    std::string chartPath;            // the day's chart as a .png or .svg file; empty: none
    std::string outputPath;           // the results into this file; empty: standard output
    int chartWidth = 800;             // pixels
    int chartHeight = 400;
};

struct CliParseResult {
    bool ok = false;
    CliOptions options;
    std::string error;  // one line, set when ok is false
};

// Parses the arguments after the program name. Numbers are read in the "C" notation whatever the
// process locale; a date must exist in the Gregorian calendar. Whether a zone name is in the
// catalogue is for the caller to find out.
CliParseResult ParseCliArguments(const std::vector<std::string>& arguments);

// The usage text printed for --help.
const char* CliUsage();

}  // namespace cli
