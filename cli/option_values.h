// The values of almanaxium-cli's options and batch lines, read from their texts and checked alike
// wherever they come from; and an argument as a message quotes it.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli_options.h"

namespace cli {

// An argument as it may stand in the one line of a message: control characters become "?" and a
// long argument is cut.
std::string QuoteArgument(std::string_view argument);

// The values that are checked alike as options and as members of a batch line.
enum class CliValue { date, latitude, longitude, offset, language };

// Reads one value's text into the options. Returns the reason it is refused, to follow the value's
// name and quoted text in a message ("is outside -90 to 90"), or an empty text when it is taken.
// Numbers are read in the "C" notation whatever the process locale.
std::string TakeCliValue(CliValue which, std::string_view text, CliOptions& options);

// YYYY (parts 1), YYYY-MM (2) or YYYY-MM-DD (3) of the years 1 to 9999; a day must exist in the
// Gregorian calendar. A missing month or day reads as 1.
std::optional<astro::CalendarDate> ParseDateParts(std::string_view text, int parts);

// "800x400": a width of 200 to 4000 and a height of 100 to 4000 pixels.
std::optional<std::pair<int, int>> ParseChartSize(std::string_view text);

// A comma-separated list of the event kinds of a calendar, each known and named once, into events;
// the reason it is refused, naming the kind at fault, or an empty text when it is taken.
std::string ParseEvents(std::string_view text, std::vector<std::string>& events);

bool IsOneOf(std::string_view value, std::initializer_list<std::string_view> names);

}  // namespace cli
