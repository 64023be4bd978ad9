// almanaxium-cli: the day report of one date, place and time zone, from the same code as the
// window, as the window's rows or as JSON, or the almanac over a span of days as a table, CSV, a
// calendar or JSON lines; for scripts, tests and benchmarks.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "almanac/almanac_day.h"
#include "chart/chart_drawing.h"
#include "batch_mode.h"
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

// A full disk or a closed standard output is a failure, not a report that nobody gets.
int WriteFailed() {
    const int error = errno;
    std::fprintf(stderr, "almanaxium-cli: the report could not be written: %s\n",
                 error != 0 ? std::strerror(error) : "write error");
    return 1;
}

// The whole output, or the message of WriteFailed.
int Print(const std::string& output) {
    errno = 0;
    const bool written = std::fwrite(output.data(), 1, output.size(), stdout) == output.size();
    if (written && std::fflush(stdout) == 0 && std::ferror(stdout) == 0) return 0;
    return WriteFailed();
}

// Every line answered: 0; any line refused: 1, after all the others were answered.
int AnswerBatch() {
    std::ios::sync_with_stdio(false);  // the streams' own buffers, not a stdio call per byte
    errno = 0;
    const cli::BatchSummary summary = cli::RunBatch(std::cin, std::cout);
    if (!summary.written) return WriteFailed();
    return summary.refused == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const cli::CliParseResult parsed = cli::ParseCliArguments(arguments);
    if (!parsed.ok) return Refuse(parsed.error);
    const cli::CliOptions& options = parsed.options;
    if (options.help) return Print(cli::CliUsage());
    if (options.version) return Print(program::VersionLine("almanaxium-cli"));
    if (options.batch) return AnswerBatch();

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

    const almanac::DayLight light =
        almanac::ComputeDayLight(day, request.latitudeDeg, request.longitudeDeg, *zone);
    if (!options.chartPath.empty()) {
        const chart::DayChart drawn =
            chart::MakeDayChart(day, light, *zone, report::UserUses12HourClock(), almanac::NowUt());
        const std::string fault =
            chart::WriteDayChartFile(options.chartPath, options.chartWidth, options.chartHeight, drawn);
        if (!fault.empty()) {
            std::fprintf(stderr, "almanaxium-cli: %s\n", fault.c_str());
            return 1;
        }
    }
    return Print(options.json ? cli::DayJson(day, light, *zone, false) : cli::ReportRows(day, light, *zone));
}
