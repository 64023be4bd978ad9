// The events of a span of days that a calendar file holds: each event of the day reports that
// occurs, with its instant in UT and its title in the interface language. No libical here, so that
// the choice of events stays apart from the file format.
#pragma once

#include <string>
#include <vector>

#include "almanac/day_span.h"

namespace calendar {

struct CalendarEvent {
    astro::CalendarDate date;         // the report's date it belongs to
    std::string kind;                 // "sunrise", "civil-begin", "phase", ...: part of the UID
    astro::CivilDateTime universal;   // to the second
    std::string summary;              // UTF-8: the event's name and its time on the zone's clock
};

// The events of the kinds asked for (sunrise, sunset, civil, nautical, astronomical, moonrise,
// moonset, phases; a twilight gives its begin and its end), day by day in the order of the kinds. An event that does not
// occur on a day, or whose instant cannot be computed, is left out.
std::vector<CalendarEvent> SpanEvents(const std::vector<almanac::SpanDay>& days, const zones::Zone& zone,
                                      const std::vector<std::string>& kinds, const report::TextStyle& style);

}  // namespace calendar
