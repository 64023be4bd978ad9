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

// A finite decimal number; from_chars reads the "C" notation regardless of the locale.
std::optional<double> ParseNumber(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
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

std::optional<std::vector<std::string>> ParseEvents(std::string_view text) {
    std::vector<std::string> events;
    for (;;) {
        const std::size_t comma = text.find(',');
        const std::string_view event = text.substr(0, comma);
        if (!IsOneOf(event, {"sunrise", "sunset", "civil", "nautical", "astronomical", "moonrise", "moonset",
                             "phases"}) ||
            std::find(events.begin(), events.end(), event) != events.end()) {
            return std::nullopt;
        }
        events.emplace_back(event);
        if (comma == std::string_view::npos) return events;
        text.remove_prefix(comma + 1);
    }
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

}  // namespace cli
