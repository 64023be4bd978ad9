// almanaxium-cli: the day report of one date, place and time zone, from the same code as the
// window, as the window's rows or as JSON, for scripts, tests and benchmarks.
#include <cstdio>
#include <string>
#include <vector>

#include "program/interface_language.h"
#include "common/utf8_text.h"
#include "cli_options.h"
#include "ephemeris_json.h"
#include "json_writer.h"
#include "zones/time_zone_catalogue.h"
#include "zones/zone_names_icu.h"
#include "report/clock_setting.h"
#include "report/day_report.h"
#include "report/value_formatting.h"
#include "report_output.h"

namespace {

int Refuse(const std::string& message) {
    std::fprintf(stderr, "almanaxium-cli: %s\n", message.c_str());
    return 2;
}

// A zone of fixed offset: "UTC+05:30".
cli::ZoneDescription FixedOffsetZone(double offsetHours, zones::TimeZoneInformation& rule) {
    rule = zones::TimeZoneInformation{};
    rule.Bias = -static_cast<std::int32_t>(offsetHours * 60 + (offsetHours < 0 ? -0.5 : 0.5));
    std::wstring prefix = zones::UtcOffsetPrefix(rule.Bias);  // "(UTC+05:30) "
    const std::wstring name = prefix.substr(1, prefix.size() - 3);
    cli::ZoneDescription zone;
    zone.id = common::WideToUtf8(name);
    zone.list = name;
    zone.label = name;
    return zone;
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

    zones::TimeZoneInformation rule;
    cli::ZoneDescription zone;
    zones::SystemTime date;
    date.wYear = static_cast<std::uint16_t>(options.year);
    date.wMonth = static_cast<std::uint16_t>(options.month);
    date.wDay = static_cast<std::uint16_t>(options.day);
    if (options.hasOffset) {
        zone = FixedOffsetZone(options.offsetHours, rule);
    } else {
        std::vector<zones::TimeZoneEntry> catalogue;
        zones::LoadTimeZones(catalogue, zones::kSystemZoneInfoFolder,
                              zones::IcuZoneNames(language.languageCode));
        const zones::TimeZoneEntry* entry = nullptr;
        for (const zones::TimeZoneEntry& candidate : catalogue) {
            if (candidate.key == options.zoneName) entry = &candidate;
        }
        if (entry == nullptr) {
            return Refuse("unknown time zone " + cli::QuoteArgument(options.zoneName) +
                          " (a name of the system's zone.tab, such as Europe/Berlin, or UTC)");
        }
        rule = entry->rule;
        zone.id = entry->key;
        zone.list = entry->displayName;
        zone.label = zones::TimeZoneLabel(*entry, date);
    }

    astro::DayEphemeris ephemeris;
    report::DayReport dayReport;
    if (!report::ComputeDayReport(report::SelectedDateOf(options.year, options.month, options.day),
                                  options.latitudeDeg, options.longitudeDeg, rule, ephemeris,
                                  dayReport)) {
        std::fprintf(stderr, "almanaxium-cli: the date has no calendar date on this computer\n");
        return 1;
    }
    const report::DayReportTexts texts =
        report::FormatDayReport(dayReport, report::UserUses12HourClock());

    std::string output;
    if (options.json) {
        const astro::PhaseDates phases =
            astro::FindNextPhases(options.year, options.month, options.day);
        cli::JsonWriter json;
        json.BeginObject();
        cli::WriteEphemerisMembers(json, ephemeris, phases);
        cli::WriteReportMembers(json, dayReport, texts, zone);
        json.EndObject();
        output = json.Text();
    } else {
        output = cli::ReportRows(dayReport, texts, zone);
    }
    std::fputs(output.c_str(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
