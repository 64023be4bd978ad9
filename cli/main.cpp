// almanaxium-cli: the day report of one date, place and time zone, from the same code as the
// window, as the window's rows or as JSON, or the almanac over a span of days as a table, CSV, a
// calendar or JSON lines; for scripts, tests and benchmarks.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "almanac/almanac_day.h"
#include "cli_options.h"
#include "program/command_words.h"
#include "program/interface_language.h"
#include "report/clock_setting.h"
#include "report_output.h"
#include "span_output.h"

namespace {

int Refuse(const std::string& message) {
    std::fprintf(stderr, "almanaxium-cli: %s\n", message.c_str());
    return 2;
}

// The whole output, or a message: a full disk or a closed standard output is a failure, not a
// report that nobody gets.
int Print(const std::string& output) {
    errno = 0;
    const bool written = std::fwrite(output.data(), 1, output.size(), stdout) == output.size();
    if (written && std::fflush(stdout) == 0 && std::ferror(stdout) == 0) return 0;
    const int error = errno;
    std::fprintf(stderr, "almanaxium-cli: the report could not be written: %s\n",
                 error != 0 ? std::strerror(error) : "write error");
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const cli::CliParseResult parsed = cli::ParseCliArguments(arguments);
    if (!parsed.ok) return Refuse(parsed.error);
    const cli::CliOptions& options = parsed.options;
    if (options.help) return Print(cli::CliUsage());
    if (options.version) return Print(program::VersionLine("almanaxium-cli"));

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

    if (options.span) {
        const std::vector<almanac::SpanDay> days =
            almanac::ComputeSpan(*options.span, request.latitudeDeg, request.longitudeDeg, *zone,
                                 report::UserUses12HourClock());
        return Print(cli::SpanOutput(days, *zone, options));
    }

    almanac::AlmanacDay day;
    if (!almanac::ComputeAlmanacDay(request.date, request.latitudeDeg, request.longitudeDeg, *zone,
                                    report::UserUses12HourClock(), day)) {
        std::fprintf(stderr, "almanaxium-cli: the date has no calendar date on this computer\n");
        return 1;
    }

    return Print(options.json ? cli::DayJson(day, *zone, false) : cli::ReportRows(day, *zone));
}
