// A span of days as CSV for spreadsheets and scripts (RFC 4180, UTF-8): a header row of field
// names, then one row a day with every field of the day report. Dates and times in ISO 8601 on the
// zone's clock, the offset in force as its own column, numbers with a decimal point whatever the
// locale, an empty cell for an event that does not occur.
#pragma once

#include <string>
#include <vector>

#include "almanac/day_span.h"

namespace almanac {

std::string SpanCsv(const std::vector<SpanDay>& days);

}  // namespace almanac
