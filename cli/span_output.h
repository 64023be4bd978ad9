// A span of days as almanaxium-cli prints it: a table for a terminal, CSV, a calendar or JSON lines.
#pragma once

#include <string>
#include <vector>

#include "almanac/day_span.h"
#include "cli_options.h"

namespace cli {

// The rows of the span table, each column as wide as its widest text, two spaces apart.
std::string SpanTableText(const std::vector<almanac::SpanDay>& days, bool twelveHourClock);

// One line a day: the object --json prints for that day, on one line.
std::string SpanJsonLines(const std::vector<almanac::SpanDay>& days, double latitudeDeg,
                          double longitudeDeg, const almanac::DayZone& zone);

// The span in the format the options ask for.
std::string SpanOutput(const std::vector<almanac::SpanDay>& days, const almanac::DayZone& zone,
                       const CliOptions& options);

}  // namespace cli
