// A span of days as almanaxium-cli prints it: a table for a terminal, CSV, a calendar or JSON lines.
#pragma once

#include <string>
#include <vector>

#include "almanac/day_span.h"
#include "cli_options.h"

namespace cli {

// The rows of the span table, each column as wide as its widest text, two spaces apart.
std::string SpanTableText(const std::vector<almanac::SpanDay>& days, const report::TextStyle& style);

// One line a day: the object --json prints for that day, on one line.
std::string SpanJsonLines(const std::vector<almanac::SpanDay>& days, const places::Observer& observer);

// The span in the format the options ask for.
// A calendar's events are located at the observer's name.
std::string SpanOutput(const std::vector<almanac::SpanDay>& days, const places::Observer& observer,
                       const report::TextStyle& style, const CliOptions& options);

}  // namespace cli
