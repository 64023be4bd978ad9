// almanaxium-cli: the day's Sun and Moon values for one date, place and offset, from the same
// engine as the window, for scripts, tests and benchmarks.
#include <cstdio>
#include <string>
#include <vector>

#include "astro/astronomy.h"
#include "cli_options.h"
#include "ephemeris_json.h"
#include "json_writer.h"
#include "plain_report.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const cli::CliParseResult parsed = cli::ParseCliArguments(arguments);
    if (!parsed.ok) {
        std::fprintf(stderr, "almanaxium-cli: %s\n", parsed.error.c_str());
        return 2;
    }
    const cli::CliOptions& options = parsed.options;
    if (options.help) {
        std::fputs(cli::CliUsage(), stdout);
        return 0;
    }

    astro::CivilDateTime date;
    date.year = static_cast<std::uint16_t>(options.year);
    date.month = static_cast<std::uint16_t>(options.month);
    date.day = static_cast<std::uint16_t>(options.day);
    astro::DayEphemeris ephemeris;
    astro::ComputeDayEphemeris(date, options.offsetHours, options.latitudeDeg,
                               options.longitudeDeg, ephemeris);
    const astro::PhaseDates phases = astro::FindNextPhases(options.year, options.month, options.day);

    std::string output;
    if (options.json) {
        cli::JsonWriter json;
        json.BeginObject();
        cli::WriteEphemerisMembers(json, ephemeris, phases);
        json.EndObject();
        output = json.Text();
    } else {
        output = cli::PlainReport(ephemeris, phases);
    }
    std::fputs(output.c_str(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
