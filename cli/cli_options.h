// The command line of almanaxium-cli.
#pragma once

#include <string>
#include <vector>

namespace cli {

struct CliOptions {
    int year = 0;
    int month = 0;
    int day = 0;
    double latitudeDeg = 0.0;   // north positive
    double longitudeDeg = 0.0;  // east positive
    double offsetHours = 0.0;   // local time minus UT
    bool json = false;
    bool help = false;
};

struct CliParseResult {
    bool ok = false;
    CliOptions options;
    std::string error;  // one line, set when ok is false
};

// Parses the arguments after the program name. Numbers are read in the "C" notation whatever the
// process locale; a date must exist in the Gregorian calendar.
CliParseResult ParseCliArguments(const std::vector<std::string>& arguments);

// The usage text printed for --help.
const char* CliUsage();

}  // namespace cli
