// The zone of an observer: a zone of the catalogue, found by its key, or a zone of fixed offset
// without daylight time. One value carries the rule the clock follows, the zone's id and its texts.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "astro/dates.h"
#include "time_zone_catalogue.h"

namespace zones {

struct Zone {
    TimeZoneInformation rule;
    std::string id;         // the IANA name, or "UTC+05:30" for a fixed offset; empty: the system's
                            // rule with no zone of the catalogue chosen
    std::wstring listText;  // the zone's text in the time-zone list
    std::optional<TimeZoneEntry> entry;  // a zone of the catalogue: its names

    // The label under the list on a date: the name of the time in force. A zone with neither an
    // entry nor a list text (the system's rule alone) has none.
    std::optional<std::wstring> LabelOn(const astro::CalendarDate& date) const;
};

Zone CatalogueZone(const TimeZoneEntry& entry);

// The catalogue's zone of the key; nothing when it lists no such zone.
std::optional<Zone> FindZone(const std::vector<TimeZoneEntry>& catalogue, const std::string& key);

// A zone whose clock is UT plus the offset, rounded to the minute: "UTC+05:30".
Zone FixedOffsetZone(double offsetHours);

}  // namespace zones
