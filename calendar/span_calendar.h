// A span of days as an iCalendar file (RFC 5545), for the command line and the window's month table.
#pragma once

#include <string>
#include <vector>

#include "almanac/day_span.h"

namespace calendar {

struct CalendarPlace {
    double latitudeDeg = 0;
    double longitudeDeg = 0;
    std::string location;  // UTF-8 text for LOCATION
};

// The events of a span of days as an iCalendar file: whole text, CRLF line ends as RFC 5545 asks.
// Each event is an instant in UT titled with its time on the zone's clock; its UID is made of the
// date, the kind and the place, so that a calendar program that imports the file again replaces the
// events instead of doubling them.
std::string SpanCalendar(const std::vector<almanac::SpanDay>& days, const almanac::DayZone& zone,
                         const CalendarPlace& place, const std::vector<std::string>& events, bool twelveHourClock);

}  // namespace calendar
