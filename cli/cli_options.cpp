#include "cli_options.h"
#include "option_values.h"

#include <getopt.h>

#include <algorithm>
#include <bitset>
#include <tuple>

namespace cli {

namespace {

// The first five are the values checked alike in a batch line, in CliValue's order.
enum class Opt { date, lat, lon, offset, lang, zone, json, chart, size, help, version, from, to, month, year,
                 format, events, batch, output };
static_assert(static_cast<int>(Opt::lang) == static_cast<int>(CliValue::language));

// Every option once, in the order of the usage text: its name, whether it takes a value, the rest of
// its line in the usage text after "  --name" (none where a neighbour's line tells of it), and the
// lines that open a part of the usage text before it. getopt_long's table is made from it too.
struct OptionRow {
    Opt opt;
    const char* name;
    bool takesValue;
    const char* line;
    const char* opening = "";
    char shortName = 0;
};
constexpr OptionRow kOptions[] = {
    {Opt::date, "date", true, "    the calendar date (years 1901 to 2099 are computed)\n",
     "usage: almanaxium-cli --date YYYY-MM-DD --lat DEG --lon DEG\n"
     "                     (--zone IANA-NAME | --offset HOURS) [--lang CODE] [--json]\n"
     "                     [--chart FILE.png|FILE.svg [--size WIDTHxHEIGHT]] [--output FILE]\n"},
    {Opt::lat, "lat", true, "     latitude in degrees, north positive, -90 to 90\n"},
    {Opt::lon, "lon", true, "     longitude in degrees, east positive, -180 to 180\n"},
    {Opt::zone, "zone", true, "    a time zone of the system's catalogue, e.g. Europe/Berlin\n"},
    {Opt::offset, "offset", true, "  a fixed offset without daylight time: local time minus UT in hours,\n"
                                  "            -12 to 14, a whole number of minutes (5.5, 5.75, -3.5)\n"},
    {Opt::lang, "lang", true, "    the interface language: en, de, es, fr or el (default: from the\n"
                              "            environment, as the window chooses it)\n"},
    {Opt::json, "json", false, "    print the results as one JSON object\n"},
    {Opt::output, "output", true, "  write the results into FILE instead of standard output, whole or not at\n"
                                  "            all: a run that fails leaves the file as it was (a span too)\n"},
    {Opt::chart, "chart", true, "   also draw the day's light (the Sun's and the Moon's altitude, twilights,\n"
                                "            golden and blue hour) into a PNG or SVG file; --size in pixels, 800x400\n"},
    {Opt::size, "size", true, ""},
    {Opt::help, "help", false, "    print this text;  --version  print the version\n", "", 'h'},
    {Opt::version, "version", false, ""},
    {Opt::from, "from", true, ", --to  the first and the last day of a span (both included, 1901 to 2099)\n",
     "\n"
     "       almanaxium-cli (--from YYYY-MM-DD --to YYYY-MM-DD | --month YYYY-MM | --year YYYY)\n"
     "                     --lat DEG --lon DEG (--zone IANA-NAME | --offset HOURS) [--lang CODE]\n"
     "                     [--format table|csv|ics|jsonl] [--events LIST] [--output FILE]\n"},
    {Opt::to, "to", true, ""},
    {Opt::month, "month", true, "   every day of a month;  --year  every day of a year\n"},
    {Opt::year, "year", true, ""},
    {Opt::format, "format", true, "  table: one row a day for a terminal (the default); csv: every value\n"
                                  "            of each day for spreadsheets; ics: a calendar of events; jsonl: the\n"
                                  "            --json object of each day, one line a day\n"},
    {Opt::events, "events", true, "  the events of a calendar, a comma-separated list of sunrise, sunset,\n"
                                  "            civil, nautical, astronomical, moonrise, moonset, phases (default:\n"
                                  "            sunrise,sunset,phases)\n"},
    {Opt::batch, "batch", false,
     "   answer JSON lines of standard input, one request each, such as\n"
     "            {\"date\": \"2018-06-21\", \"lat\": 52.5, \"lon\": 13.4, \"zone\": \"Europe/Berlin\"}\n"
     "            (\"offset\": HOURS instead of \"zone\"; \"lang\": CODE optional), with the\n"
     "            --json object of each on one line, or {\"line\": N, \"error\": REASON};\n"
     "            exit status 1 when any line got an error\n",
     "\n"
     "       almanaxium-cli --batch\n"},
};

// The option spelled out in full: "--name" or its one-letter "-x".
const OptionRow* FindOption(std::string_view spelled) {
    for (const OptionRow& row : kOptions) {
        if ((spelled.starts_with("--") && spelled.substr(2) == row.name) ||
            (row.shortName != 0 && spelled.size() == 2 && spelled[0] == '-' && spelled[1] == row.shortName)) {
            return &row;
        }
    }
    return nullptr;
}

CliParseResult Failure(std::string message) { return {false, CliOptions(), std::move(message)}; }
CliParseResult Success(const CliOptions& options) { return {true, options, std::string()}; }

}  // namespace

const char* CliUsage() {
    static const std::string usage = [] {
        std::string text;
        for (const OptionRow& row : kOptions) {
            text += row.opening;
            if (*row.line != '\0') text += std::string("  --") + row.name + row.line;
        }
        return text;
    }();
    return usage.c_str();
}

CliParseResult ParseCliArguments(const std::vector<std::string>& arguments) {
    // getopt_long's tables, from ours; '+' keeps the arguments in their order, so that the first fault
    // in that order is the one told, and ':' tells a missing value from an unknown option.
    static const auto [kShortOptions, kLongOptions] = [] {
        std::string shortOptions = "+:";
        std::vector<option> longOptions;
        for (const OptionRow& row : kOptions) {
            if (row.shortName != 0) shortOptions += row.shortName;
            longOptions.push_back({row.name, row.takesValue ? required_argument : no_argument, nullptr, 0});
        }
        longOptions.push_back({});
        return std::pair(shortOptions, longOptions);
    }();
    std::vector<char*> argv = {const_cast<char*>("almanaxium-cli")};
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const int argc = static_cast<int>(arguments.size()) + 1;

    CliOptions options;
    std::bitset<std::size(kOptions)> given;
    const auto has = [&](Opt opt) { return given[static_cast<std::size_t>(opt)]; };
    std::optional<astro::CalendarDate> from, to;
    // getopt_long keeps its place in globals: afresh for each parse, and its own messages off.
    opterr = 0;
    optind = 0;
    for (int at = 1; at < argc; at = optind) {
        // getopt_long would also take "--da" for --date, "--" as the end of the options and "-hx" as
        // -h -x: only a name spelled out in full is an option here.
        const std::string_view spelled = arguments[at - 1];
        const std::string_view name = spelled.substr(0, spelled.starts_with("--") ? spelled.find('=') : spelled.npos);
        const OptionRow* row = FindOption(name);
        if (!row) return Failure("unknown argument " + QuoteArgument(spelled) + " (see --help)");
        const int got = getopt_long(argc, argv.data(), kShortOptions.c_str(), kLongOptions.data(), nullptr);
        if (got == '?') return Failure("option " + QuoteArgument(name) + " takes no value");
        if (got == ':') return Failure("option " + QuoteArgument(name) + " needs a value");
        // The last of two values would win unseen: a request says each thing once, as a batch line does.
        if (has(row->opt)) return Failure("option " + QuoteArgument(name) + " is given twice");
        // The value as the caller gave it, where optarg would end at a NUL byte.
        const std::string_view value = !row->takesValue          ? std::string_view()
                                       : name.size() < spelled.size() ? spelled.substr(name.size() + 1)
                                                                      : std::string_view(arguments[optind - 2]);
        const auto refuse = [&](std::string_view why) {
            return Failure(std::string(name) + " " + QuoteArgument(value) + " " + std::string(why));
        };
        const bool month = row->opt == Opt::month;
        switch (row->opt) {
            case Opt::zone:
            case Opt::chart:
                if (value.empty()) {
                    return Failure(row->opt == Opt::zone ? "--zone needs a zone name such as Europe/Berlin"
                                                         : "--chart needs a file name ending in .png or .svg");
                }
                (row->opt == Opt::zone ? options.zoneName : options.chartPath) = value;
                break;
            case Opt::output:
                if (value.empty()) return Failure("--output needs a file name");
                options.outputPath = value;
                break;
            case Opt::from:
            case Opt::to:
                if (!((row->opt == Opt::from ? from : to) = ParseDateParts(value, 3))) {
                    return refuse("is not an existing date in the form YYYY-MM-DD");
                }
                break;
            case Opt::month:
            case Opt::year:
                if (const auto first = ParseDateParts(value, month ? 2 : 1); !first) {
                    return refuse(month ? "is not a month in the form YYYY-MM" : "is not a year in the form YYYY");
                } else if (options.span) {
                    return Failure("give one span: --from and --to, --month or --year");
                } else {
                    options.span = month ? almanac::MonthSpan(first->year, first->month) : almanac::YearSpan(first->year);
                }
                break;
            case Opt::format:
                if (!IsOneOf(value, {"table", "csv", "ics", "jsonl"})) return refuse("is not one of table, csv, ics, jsonl");
                options.format = value;
                break;
            case Opt::size:
                if (const auto size = ParseChartSize(value); !size) {
                    return refuse("is not a size WIDTHxHEIGHT of 200 to 4000 by 100 to 4000 pixels");
                } else {
                    std::tie(options.chartWidth, options.chartHeight) = *size;
                }
                break;
            case Opt::events:
                if (const std::string why = ParseEvents(value, options.events); !why.empty()) return refuse(why);
                break;
            case Opt::json:
            case Opt::help:
            case Opt::version:
            case Opt::batch:
                break;
            default:  // the five checked alike in a batch line come first, in CliValue's order
                if (const std::string why = TakeCliValue(static_cast<CliValue>(row->opt), value, options); !why.empty()) {
                    return refuse(why);
                }
        }
        given.set(static_cast<std::size_t>(row->opt));
    }
    options.json = has(Opt::json);
    options.help = has(Opt::help);
    options.version = has(Opt::version);
    options.batch = has(Opt::batch);

    // The lines of standard input carry the whole request of --batch.
    if (options.help || options.version || (options.batch && given.count() == 1)) return Success(options);
    if (options.batch) return Failure("--batch reads every request from standard input and takes no other option");
    if (from || to) {
        if (!from || !to) return Failure("a span needs both --from and --to");
        if (options.span) return Failure("give one span: --from and --to, --month or --year");
        options.span = almanac::DaySpan{*from, *to};
    }
    if (options.span) {
        if (has(Opt::date)) return Failure("give --date or a span of days, not both");
        if (options.json) return Failure("a span of days is written as JSON lines with --format jsonl");
        if (const std::string fault = almanac::SpanFault(*options.span); !fault.empty()) return Failure(fault);
    } else if (has(Opt::format)) {
        return Failure("--format needs a span of days: --from and --to, --month or --year");
    }
    if (has(Opt::size) && options.chartPath.empty()) return Failure("--size belongs to --chart");
    if (!options.chartPath.empty()) {
        if (options.span) return Failure("--chart draws the day of --date, not a span of days");
        // The report prints such a day's values as null; a chart of it would be empty axes.
        if (has(Opt::date) && (options.date < almanac::kFirstDate || almanac::kLastDate < options.date)) {
            return Failure("--chart draws a day of the years 1901 to 2099, which the almanac computes");
        }
        if (!options.chartPath.ends_with(".png") && !options.chartPath.ends_with(".svg")) {
            return Failure("--chart " + QuoteArgument(options.chartPath) + " does not end in .png or .svg");
        }
    }
    if (!options.events.empty() && options.format != "ics") return Failure("--events belongs to --format ics");
    if (options.events.empty()) options.events = {"sunrise", "sunset", "phases"};
    if (!has(Opt::date) && !options.span) return Failure("missing option --date (see --help)");
    if (!has(Opt::lat)) return Failure("missing option --lat (see --help)");
    if (!has(Opt::lon)) return Failure("missing option --lon (see --help)");
    if (options.hasOffset == !options.zoneName.empty()) {
        return Failure("give exactly one of --zone and --offset (see --help)");
    }
    return Success(options);
}

}  // namespace cli
