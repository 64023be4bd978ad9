// almanaxium-cli: the day report of one date, place and time zone, from the same code as the
// window, as the window's rows or as JSON, for scripts, tests and benchmarks.
#include <cstdio>
#include <string>
#include <vector>

#include "almanac/almanac_day.h"
#include "cli_options.h"
#include "ephemeris_json.h"
#include "json_writer.h"
#include "program/interface_language.h"
#include "report/clock_setting.h"
#include "report_output.h"

namespace {

int Refuse(const std::string& message) {
    std::fprintf(stderr, "almanaxium-cli: %s\n", message.c_str());
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const cli::CliParseResult parsed = cli::ParseCliArguments(arguments);
    if (!parsed.ok) return Refuse(parsed.error);
    const cli::CliOptions& options = parsed.options;
    if (options.help) {
        std::fputs(cli::CliUsage(), stdout);
        return 0;
    }

    const program::InterfaceLanguage language =
        options.languageCode.empty() ? program::ChooseInterfaceLanguage()
                                     : program::InterfaceLanguageFromName(options.languageCode);
    if (!options.languageCode.empty()) program::ApplyInterfaceLanguage(language);

    const almanac::DayRequest request = cli::DayRequestOf(options);
    std::optional<almanac::DayZone> zone;
    if (request.offsetHours) {
        zone = almanac::FixedOffsetZone(*request.offsetHours);
    } else {
        zone = almanac::FindZone(almanac::LoadZoneCatalogue(language.languageCode), request.zoneKey);
        if (!zone) {
            return Refuse("unknown time zone " + cli::QuoteArgument(request.zoneKey) +
                          " (a name of the system's zone.tab, such as Europe/Berlin, or UTC)");
        }
    }

    almanac::AlmanacDay day;
    if (!almanac::ComputeAlmanacDay(request.date, request.latitudeDeg, request.longitudeDeg, *zone,
                                    report::UserUses12HourClock(), day)) {
        std::fprintf(stderr, "almanaxium-cli: the date has no calendar date on this computer\n");
        return 1;
    }

    std::string output;
    if (options.json) {
        cli::JsonWriter json;
        json.BeginObject();
        cli::WriteEphemerisMembers(json, day.ephemeris, day.phases);
        cli::WriteReportMembers(json, day, *zone);
        json.EndObject();
        output = json.Text();
    } else {
        output = cli::ReportRows(day, *zone);
    }
    std::fputs(output.c_str(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
