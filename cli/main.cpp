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
#include "common/replace_file.h"
#include "batch_mode.h"
#include "cli_options.h"
#include "cli_request.h"
#include "zones/zone_names_icu.h"
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

// The whole output into the file of --output, replaced whole or not at all.
int PrintTo(const std::string& path, const std::string& output) {
    if (common::ReplaceUserFile(path, output, 0644)) return 0;
    std::fprintf(stderr, "almanaxium-cli: the results could not be written to %s: %s\n", path.c_str(),
                 std::strerror(errno));
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
int AnswerBatch(bool twelveHourClock) {
    std::ios::sync_with_stdio(false);  // the streams' own buffers, not a stdio call per byte
    errno = 0;
    const cli::BatchSummary summary = cli::RunBatch(std::cin, std::cout, twelveHourClock);
    if (!summary.written) return WriteFailed();
    if (!summary.readError.empty()) {
        std::fprintf(stderr, "almanaxium-cli: standard input could not be read: %s\n", summary.readError.c_str());
        return 1;
    }
    return summary.refused == 0 ? 0 : 1;
}

int Run(const std::vector<std::string>& arguments) {
    const cli::CliParseResult parsed = cli::ParseCliArguments(arguments);
    if (!parsed.ok) return Refuse(parsed.error);
    const cli::CliOptions& options = parsed.options;
    if (options.help) return Print(cli::CliUsage());
    if (options.version) return Print(program::VersionLine("almanaxium-cli"));
    // The user's clock, not the language's: read once, here.
    const bool twelveHourClock = report::UserUses12HourClock();
    if (options.batch) return AnswerBatch(twelveHourClock);

    const program::InterfaceLanguage language =
        options.languageCode.empty() ? program::ChooseInterfaceLanguage()
                                     : program::InterfaceLanguageFromName(options.languageCode);
    if (!options.languageCode.empty()) program::ApplyInterfaceLanguage(language);
    std::vector<zones::TimeZoneEntry> catalogue;  // read only for a request that names a zone
    const auto request = cli::ResolveRequest(
        options, {language.languageCode, twelveHourClock},
        [&](const std::string& languageCode) -> const std::vector<zones::TimeZoneEntry>& {
            catalogue = zones::LoadZoneCatalogue(languageCode);
            return catalogue;
        });
    if (!request) return Refuse("unknown time zone " + cli::UnknownZoneReason(options));
    const places::Observer& observer = request->observer;

    if (options.span) {
        const std::vector<almanac::SpanDay> days = almanac::ComputeSpan(*options.span, observer, request->style);
        const std::string output = cli::SpanOutput(days, observer, request->style, options);
        return options.outputPath.empty() ? Print(output) : PrintTo(options.outputPath, output);
    }
    const std::optional<almanac::AlmanacDay> day = almanac::ComputeAlmanacDay(request->date, observer, request->style);
    if (!day) {
        std::fprintf(stderr, "almanaxium-cli: the date has no calendar date on this computer\n");
        return 1;
    }
    const almanac::DayLight light = almanac::ComputeDayLight(*day, observer);
    if (!options.chartPath.empty()) {
        const chart::DayChart drawn =
            chart::MakeDayChart(*day, light, observer.zone, request->style, almanac::NowUt());
        const std::string fault =
            chart::WriteDayChartFile(options.chartPath, options.chartWidth, options.chartHeight, drawn);
        if (!fault.empty()) {
            std::fprintf(stderr, "almanaxium-cli: %s\n", fault.c_str());
            return 1;
        }
    }
    const std::string output = options.json ? cli::DayJson(*day, light, observer.zone, false)
                                            : cli::ReportRows(*day, light, observer.zone, request->style);
    return options.outputPath.empty() ? Print(output) : PrintTo(options.outputPath, output);
}

}  // namespace

// No exception leaves the program: whatever could not be done is a message and a status.
int main(int argc, char** argv) {
    try {
        return Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "almanaxium-cli: %s\n", error.what());
    } catch (...) {
        std::fprintf(stderr, "almanaxium-cli: an unknown error ended the run\n");
    }
    return 1;
}
