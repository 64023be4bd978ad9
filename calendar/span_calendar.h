// A span of days as an iCalendar file (RFC 5545), for the command line and the window's month table.
#pragma once

#include <string>
#include <vector>

#include "almanac/day_span.h"

namespace calendar {

// The events of a span of days as an iCalendar file: whole text, CRLF line ends as RFC 5545 asks.
// Each event is an instant in UT titled with its time on the zone's clock; its UID is made of the
// date, the kind and the place, so that a calendar program that imports the file again replaces the
// events instead of doubling them.
// The observer's name is each event's LOCATION, its coordinates the GEO and part of the UID.
std::string SpanCalendar(const std::vector<almanac::SpanDay>& days, const places::Observer& place,
                         const std::vector<std::string>& events, const report::TextStyle& style);

}  // namespace calendar
