#include "cli_options.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>
#include <tuple>

#include "astro/dates.h"

namespace cli {

std::string QuoteArgument(std::string_view argument) {
    constexpr std::size_t kLongest = 60;
    std::string shown;
    for (const char ch : argument.substr(0, kLongest)) {
        shown.push_back(static_cast<unsigned char>(ch) < 0x20 || ch == 0x7f ? '?' : ch);
    }
    if (argument.size() > kLongest) shown += "...";
    return "'" + shown + "'";
}

namespace {

std::optional<int> ParseDigits(std::string_view text) {
    if (text.empty()) return std::nullopt;
    int value = 0;
    for (const char ch : text) {
        if (ch < '0' || ch > '9') return std::nullopt;
        value = value * 10 + (ch - '0');
    }
    return value;
}

// YYYY-MM-DD, a date that exists, years 1 to 9999.
std::optional<astro::CalendarDate> ParseCalendarDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    const auto year = ParseDigits(text.substr(0, 4));
    const auto month = ParseDigits(text.substr(5, 2));
    const auto day = ParseDigits(text.substr(8, 2));
    if (!year || !month || !day) return std::nullopt;
    if (*year < 1 || *month < 1 || *month > 12) return std::nullopt;
    if (*day < 1 || *day > astro::DaysInMonth(*year, *month)) return std::nullopt;
    return astro::CalendarDate{static_cast<std::uint16_t>(*year), static_cast<std::uint16_t>(*month),
                               static_cast<std::uint16_t>(*day)};
}

bool ParseDate(std::string_view text, CliOptions& options) {
    const auto date = ParseCalendarDate(text);
    if (!date) return false;
    options.year = date->year;
    options.month = date->month;
    options.day = date->day;
    return true;
}

// YYYY-MM or YYYY of the years 1 to 9999.
std::optional<almanac::DaySpan> ParseMonth(std::string_view text) {
    if (text.size() != 7 || text[4] != '-') return std::nullopt;
    const auto year = ParseDigits(text.substr(0, 4));
    const auto month = ParseDigits(text.substr(5, 2));
    if (!year || !month || *year < 1 || *month < 1 || *month > 12) return std::nullopt;
    return almanac::MonthSpan(*year, *month);
}

std::optional<almanac::DaySpan> ParseYear(std::string_view text) {
    const auto year = text.size() == 4 ? ParseDigits(text) : std::nullopt;
    if (!year || *year < 1) return std::nullopt;
    return almanac::YearSpan(*year);
}

constexpr std::string_view kFormats[] = {"table", "csv", "ics", "jsonl"};
constexpr std::string_view kEvents[] = {"sunrise", "sunset", "civil", "nautical", "astronomical",
                                        "moonrise", "moonset", "phases"};

template <std::size_t N>
bool IsOneOf(std::string_view value, const std::string_view (&names)[N]) {
    for (const std::string_view name : names) {
        if (value == name) return true;
    }
    return false;
}

// A comma-separated list of event kinds, each known and named once.
// "800x400": a width of 200 to 4000 and a height of 100 to 4000 pixels.
std::optional<std::pair<int, int>> ParseChartSize(std::string_view text) {
    const std::size_t x = text.find('x');
    if (x == std::string_view::npos) return std::nullopt;
    const auto number = [](std::string_view digits) -> std::optional<int> {
        if (digits.empty() || digits.size() > 4) return std::nullopt;
        int value = 0;
        for (const char ch : digits) {
            if (ch < '0' || ch > '9') return std::nullopt;
            value = value * 10 + (ch - '0');
        }
        return value;
    };
    const auto width = number(text.substr(0, x));
    const auto height = number(text.substr(x + 1));
    if (!width || !height || *width < 200 || *width > 4000 || *height < 100 || *height > 4000) return std::nullopt;
    return std::pair(*width, *height);
}

std::optional<std::vector<std::string>> ParseEvents(std::string_view text) {
    std::vector<std::string> events;
    while (true) {
        const std::size_t comma = text.find(',');
        const std::string_view event = text.substr(0, comma);
        if (!IsOneOf(event, kEvents)) return std::nullopt;
        for (const std::string& earlier : events) {
            if (earlier == event) return std::nullopt;
        }
        events.emplace_back(event);
        if (comma == std::string_view::npos) return events;
        text.remove_prefix(comma + 1);
    }
}

// A finite decimal number; from_chars reads the "C" notation regardless of the locale.
std::optional<double> ParseNumber(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

CliParseResult Failure(std::string message) {
    CliParseResult result;
    result.error = std::move(message);
    return result;
}

}  // namespace

std::string TakeCliValue(CliValue which, std::string_view text, CliOptions& options) {
    if (which == CliValue::language) {
        if (text != "en" && text != "de" && text != "es" && text != "fr" && text != "el") {
            return "is not one of the languages en, de, es, fr, el";
        }
        options.languageCode = std::string(text);
        return std::string();
    }
    if (which == CliValue::date) {
        if (!ParseDate(text, options)) return "is not an existing date in the form YYYY-MM-DD";
        return std::string();
    }
    const auto number = ParseNumber(text);
    if (!number) return "is not a number";
    if (which == CliValue::latitude) {
        if (*number < -90 || *number > 90) return "is outside -90 to 90";
        options.latitudeDeg = *number;
    } else if (which == CliValue::longitude) {
        if (*number < -180 || *number > 180) return "is outside -180 to 180";
        options.longitudeDeg = *number;
    } else {
        if (*number < -12 || *number > 14) return "is outside -12 to 14";
        const double minutes = *number * 60;
        if (std::fabs(minutes - std::round(minutes)) > 1e-6) return "is not a whole number of minutes";
        options.offsetHours = std::round(minutes) / 60;
        options.hasOffset = true;
    }
    return std::string();
}

const char* CliUsage() {
    return "usage: almanaxium-cli --date YYYY-MM-DD --lat DEG --lon DEG\n"
           "                     (--zone IANA-NAME | --offset HOURS) [--lang CODE] [--json]\n"
           "                     [--chart FILE.png|FILE.svg [--size WIDTHxHEIGHT]]\n"
           "  --date    the calendar date (years 1901 to 2099 are computed)\n"
           "  --lat     latitude in degrees, north positive, -90 to 90\n"
           "  --lon     longitude in degrees, east positive, -180 to 180\n"
           "  --zone    a time zone of the system's catalogue, e.g. Europe/Berlin\n"
           "  --offset  a fixed offset without daylight time: local time minus UT in hours,\n"
           "            -12 to 14, a whole number of minutes (5.5, 5.75, -3.5)\n"
           "  --lang    the interface language: en, de, es, fr or el (default: from the\n"
           "            environment, as the window chooses it)\n"
           "  --json    print the results as one JSON object\n"
           "  --chart   also draw the day's light (the Sun's and the Moon's altitude, twilights,\n"
           "            golden and blue hour) into a PNG or SVG file; --size in pixels, 800x400\n"
           "  --help    print this text;  --version  print the version\n"
           "\n"
           "       almanaxium-cli (--from YYYY-MM-DD --to YYYY-MM-DD | --month YYYY-MM | --year YYYY)\n"
           "                     --lat DEG --lon DEG (--zone IANA-NAME | --offset HOURS) [--lang CODE]\n"
           "                     [--format table|csv|ics|jsonl] [--events LIST]\n"
           "  --from, --to  the first and the last day of a span (both included, 1901 to 2099)\n"
           "  --month   every day of a month;  --year  every day of a year\n"
           "  --format  table: one row a day for a terminal (the default); csv: every value\n"
           "            of each day for spreadsheets; ics: a calendar of events; jsonl: the\n"
           "            --json object of each day, one line a day\n"
           "  --events  the events of a calendar, a comma-separated list of sunrise, sunset,\n"
           "            civil, nautical, astronomical, moonrise, moonset, phases (default:\n"
           "            sunrise,sunset,phases)\n"
           "\n"
           "       almanaxium-cli --batch\n"
           "  --batch   answer JSON lines of standard input, one request each, such as\n"
           "            {\"date\": \"2018-06-21\", \"lat\": 52.5, \"lon\": 13.4, \"zone\": \"Europe/Berlin\"}\n"
           "            (\"offset\": HOURS instead of \"zone\"; \"lang\": CODE optional), with the\n"
           "            --json object of each on one line, or {\"line\": N, \"error\": REASON};\n"
           "            exit status 1 when any line got an error\n";
}

CliParseResult ParseCliArguments(const std::vector<std::string>& arguments) {
    CliOptions options;
    bool haveDate = false, haveLat = false, haveLon = false, haveFormat = false, haveSize = false;
    std::optional<astro::CalendarDate> from, to;
    bool otherThanBatch = false;  // the lines of standard input carry the whole request

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string_view name = arguments[i];
        std::optional<std::string_view> inlineValue;
        if (const auto equals = name.find('='); name.rfind("--", 0) == 0 && equals != name.npos) {
            inlineValue = name.substr(equals + 1);
            name = name.substr(0, equals);
        }
        if (name == "--json" || name == "--help" || name == "-h" || name == "--batch" || name == "--version") {
            if (inlineValue) return Failure("option " + QuoteArgument(name) + " takes no value");
            bool& flag = name == "--json"      ? options.json
                         : name == "--batch"   ? options.batch
                         : name == "--version" ? options.version
                                               : options.help;
            flag = true;
            if (name != "--batch") otherThanBatch = true;
            continue;
        }
        if (name != "--date" && name != "--lat" && name != "--lon" && name != "--offset" &&
            name != "--zone" && name != "--lang" && name != "--from" && name != "--to" &&
            name != "--month" && name != "--year" && name != "--format" && name != "--events" &&
            name != "--chart" && name != "--size") {
            return Failure("unknown argument " + QuoteArgument(arguments[i]) + " (see --help)");
        }
        std::string_view value;
        if (inlineValue) {
            value = *inlineValue;
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            return Failure("option " + QuoteArgument(name) + " needs a value");
        }
        otherThanBatch = true;

        if (name == "--zone") {
            if (value.empty()) return Failure("--zone needs a zone name such as Europe/Berlin");
            options.zoneName = std::string(value);
            continue;
        }
        if (name == "--from" || name == "--to") {
            const auto date = ParseCalendarDate(value);
            if (!date) {
                return Failure(std::string(name) + " " + QuoteArgument(value) +
                               " is not an existing date in the form YYYY-MM-DD");
            }
            (name == "--from" ? from : to) = *date;
            continue;
        }
        if (name == "--month" || name == "--year") {
            const auto span = name == "--month" ? ParseMonth(value) : ParseYear(value);
            if (!span) {
                return Failure(std::string(name) + " " + QuoteArgument(value) + " is not a " +
                               (name == "--month" ? "month in the form YYYY-MM" : "year in the form YYYY"));
            }
            if (options.span) return Failure("give one span: --from and --to, --month or --year");
            options.span = span;
            continue;
        }
        if (name == "--format") {
            if (!IsOneOf(value, kFormats)) {
                return Failure("--format " + QuoteArgument(value) + " is not one of table, csv, ics, jsonl");
            }
            options.format = std::string(value);
            haveFormat = true;
            continue;
        }
        if (name == "--chart") {
            if (value.empty()) return Failure("--chart needs a file name ending in .png or .svg");
            options.chartPath = std::string(value);
            continue;
        }
        if (name == "--size") {
            const auto size = ParseChartSize(value);
            if (!size) {
                return Failure("--size " + QuoteArgument(value) +
                               " is not a size WIDTHxHEIGHT of 200 to 4000 by 100 to 4000 pixels");
            }
            std::tie(options.chartWidth, options.chartHeight) = *size;
            haveSize = true;
            continue;
        }
        if (name == "--events") {
            const auto events = ParseEvents(value);
            if (!events) {
                return Failure("--events " + QuoteArgument(value) +
                               " is not a list of sunrise, sunset, civil, nautical, astronomical, "
                               "moonrise, moonset, phases");
            }
            options.events = *events;
            continue;
        }
        const CliValue which = name == "--lang"  ? CliValue::language
                               : name == "--date" ? CliValue::date
                               : name == "--lat"  ? CliValue::latitude
                               : name == "--lon"  ? CliValue::longitude
                                                  : CliValue::offset;
        const std::string reason = TakeCliValue(which, value, options);
        if (!reason.empty()) {
            return Failure(std::string(name) + " " + QuoteArgument(value) + " " + reason);
        }
        if (which == CliValue::date) haveDate = true;
        if (which == CliValue::latitude) haveLat = true;
        if (which == CliValue::longitude) haveLon = true;
    }

    if (options.help || options.version || (options.batch && !otherThanBatch)) {
        CliParseResult result;
        result.ok = true;
        result.options = options;
        return result;
    }
    if (options.batch) {
        return Failure("--batch reads every request from standard input and takes no other option");
    }
    if (from || to) {
        if (!from || !to) return Failure("a span needs both --from and --to");
        if (options.span) return Failure("give one span: --from and --to, --month or --year");
        options.span = almanac::DaySpan{*from, *to};
    }
    if (options.span) {
        if (haveDate) return Failure("give --date or a span of days, not both");
        if (options.json) return Failure("a span of days is written as JSON lines with --format jsonl");
        if (const std::string fault = almanac::SpanFault(*options.span); !fault.empty()) return Failure(fault);
    } else if (haveFormat) {
        return Failure("--format needs a span of days: --from and --to, --month or --year");
    }
    if (haveSize && options.chartPath.empty()) return Failure("--size belongs to --chart");
    if (!options.chartPath.empty()) {
        if (options.span) return Failure("--chart draws the day of --date, not a span of days");
        const std::string& path = options.chartPath;
        const auto endsWith = [&](std::string_view ending) {
            return path.size() >= ending.size() && path.compare(path.size() - ending.size(), ending.size(), ending) == 0;
        };
        if (!endsWith(".png") && !endsWith(".svg")) {
            return Failure("--chart " + QuoteArgument(path) + " does not end in .png or .svg");
        }
    }
    if (!options.events.empty() && options.format != "ics") {
        return Failure("--events belongs to --format ics");
    }
    if (options.events.empty()) options.events = {"sunrise", "sunset", "phases"};
    if (!haveDate && !options.span) return Failure("missing option --date (see --help)");
    if (!haveLat) return Failure("missing option --lat (see --help)");
    if (!haveLon) return Failure("missing option --lon (see --help)");
    if (options.hasOffset == !options.zoneName.empty()) {
        return Failure("give exactly one of --zone and --offset (see --help)");
    }

    CliParseResult result;
    result.ok = true;
    result.options = options;
    return result;
}

}  // namespace cli
