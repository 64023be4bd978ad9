// The zone of a day report: a zone of the catalogue, found by its key, or a zone of fixed offset
// without daylight time.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "astro/dates.h"
#include "zones/time_zone_catalogue.h"

namespace almanac {

struct DayZone {
    zones::TimeZoneInformation rule;
    std::string id;         // the IANA name, or "UTC+05:30" for a fixed offset
    std::wstring listText;  // the zone's text in the time-zone list
    std::optional<zones::TimeZoneEntry> entry;  // a zone of the catalogue: its names

    // The label under the list on a date: the name of the time in force.
    std::wstring LabelOn(const astro::CalendarDate& date) const;
};

// The catalogue in the interface language, from the system's time-zone database.
std::vector<zones::TimeZoneEntry> LoadZoneCatalogue(const std::string& languageCode);

DayZone CatalogueZone(const zones::TimeZoneEntry& entry);

// The catalogue's zone of the key; nothing when it lists no such zone.
std::optional<DayZone> FindZone(const std::vector<zones::TimeZoneEntry>& catalogue,
                                const std::string& key);

// A zone whose clock is UT plus the offset, rounded to the minute: "UTC+05:30".
DayZone FixedOffsetZone(double offsetHours);

}  // namespace almanac
