#include "option_values.h"

#include <algorithm>
#include <charconv>
#include <cmath>

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

// A finite decimal number, or why the text is none; from_chars reads the "C" notation regardless of
// the locale.
std::string ParseNumber(std::string_view text, double& value) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (end != text.data() + text.size() || (error != std::errc() && error != std::errc::result_out_of_range)) {
        return "is not a number";
    }
    // 1e-400 and 1e400 are numbers, but none a double holds.
    if (error == std::errc::result_out_of_range) return "is a number too near 0 or too large to be read";
    if (!std::isfinite(value)) return "is not a number";
    return std::string();
}

// Digits only, at most four of them.
std::optional<int> ParseDigits(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    if (text.empty() || text.size() > 4 || text[0] == '-' || std::from_chars(text.data(), end, value).ptr != end) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<astro::CalendarDate> ParseDateParts(std::string_view text, int parts) {
    if (text.size() != static_cast<std::size_t>(parts * 3 + 1)) return std::nullopt;
    int values[3] = {0, 1, 1};
    for (int k = 0; k < parts; ++k) {
        const std::size_t at = k == 0 ? 0 : static_cast<std::size_t>(k * 3 + 2);
        if (k > 0 && text[at - 1] != '-') return std::nullopt;
        const auto value = ParseDigits(text.substr(at, k == 0 ? 4 : 2));
        if (!value) return std::nullopt;
        values[k] = *value;
    }
    if (values[0] < 1 || values[1] < 1 || values[1] > 12) return std::nullopt;
    if (values[2] < 1 || values[2] > astro::DaysInMonth(values[0], values[1])) return std::nullopt;
    return astro::CalendarDate{static_cast<std::uint16_t>(values[0]), static_cast<std::uint16_t>(values[1]),
                               static_cast<std::uint16_t>(values[2])};
}

bool IsOneOf(std::string_view value, std::initializer_list<std::string_view> names) {
    return std::find(names.begin(), names.end(), value) != names.end();
}

std::optional<std::pair<int, int>> ParseChartSize(std::string_view text) {
    const std::size_t x = text.find('x');
    if (x == std::string_view::npos) return std::nullopt;
    const auto width = ParseDigits(text.substr(0, x));
    const auto height = ParseDigits(text.substr(x + 1));
    if (!width || !height || *width < 200 || *width > 4000 || *height < 100 || *height > 4000) return std::nullopt;
    return std::pair(*width, *height);
}

std::string ParseEvents(std::string_view text, std::vector<std::string>& events) {
    std::vector<std::string> named;
    for (;;) {
        const std::size_t comma = text.find(',');
        const std::string_view event = text.substr(0, comma);
        if (!IsOneOf(event, {"sunrise", "sunset", "civil", "nautical", "astronomical", "moonrise", "moonset",
                             "phases"})) {
            return "names " + QuoteArgument(event) +
                   ", which is not one of sunrise, sunset, civil, nautical, astronomical, moonrise, moonset, phases";
        }
        if (std::find(named.begin(), named.end(), event) != named.end()) {
            return "names " + QuoteArgument(event) + " twice";
        }
        named.emplace_back(event);
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    events = std::move(named);
    return std::string();
}

std::string TakeCliValue(CliValue which, std::string_view text, CliOptions& options) {
    if (which == CliValue::language) {
        if (!IsOneOf(text, {"en", "de", "es", "fr", "el"})) return "is not one of the languages en, de, es, fr, el";
        options.languageCode = std::string(text);
        return std::string();
    }
    if (which == CliValue::date) {
        const auto date = ParseDateParts(text, 3);
        if (!date) return "is not an existing date in the form YYYY-MM-DD";
        options.date = *date;
        return std::string();
    }
    double value = 0.0;
    if (std::string why = ParseNumber(text, value); !why.empty()) return why;
    if (which == CliValue::latitude) {
        if (value < -90 || value > 90) return "is outside -90 to 90";
        options.latitudeDeg = value;
    } else if (which == CliValue::longitude) {
        if (value < -180 || value > 180) return "is outside -180 to 180";
        options.longitudeDeg = value;
    } else {
        if (value < -12 || value > 14) return "is outside -12 to 14";
        const double minutes = value * 60;
        if (std::fabs(minutes - std::round(minutes)) > 1e-6) return "is not a whole number of minutes";
        options.offsetHours = std::round(minutes) / 60;
        options.hasOffset = true;
    }
    return std::string();
}

}  // namespace cli
