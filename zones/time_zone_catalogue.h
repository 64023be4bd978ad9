// The time-zone catalogue: one entry per zone of the system's time-zone database (every zone that
// zone.tab lists for a country, plus UTC), each with the recurring rule of its current clock.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "posix_time_zone.h"
#include "time_zone_rule.h"

namespace zones {

struct TimeZoneEntry {
    std::wstring displayName;   // "(UTC+01:00) Europe/Berlin": the standard offset and the key
    std::wstring daylightName;  // the long name of daylight time, else its abbreviation
    std::wstring standardName;  // the long name of standard time, else its abbreviation
    TimeZoneInformation rule;
    std::string key;            // the IANA name, which identifies the zone
};

// Long names of a zone's standard and daylight time in the interface language; either may be empty
// when no name is known, and the abbreviation stands in.
struct ZoneNames {
    std::wstring standard;
    std::wstring daylight;
};
using ZoneNameLookup = std::function<ZoneNames(const std::string& key)>;

// The folder of the system's time-zone database.
inline constexpr const char* kSystemZoneInfoFolder = "/usr/share/zoneinfo";

// Fills the catalogue, in the order of the keys, from zone.tab and the zone files of the folder.
// A zone whose file cannot be read, has no TZ string at its end, or whose TZ string no recurring
// weekday rule can hold is left out. Returns true when at least one entry was read.
bool LoadTimeZones(std::vector<TimeZoneEntry>& catalogue, const std::string& zoneInfoFolder,
                   const ZoneNameLookup& names);

// The rule of one zone file (a TZif file with a TZ string at its end).
std::optional<ZoneRule> ReadZoneFileRule(const std::string& path);

// "(UTC+05:30) " for a Bias of -330 minutes.
std::wstring UtcOffsetPrefix(std::int32_t biasMinutes);

// The catalogue's positions in the order of the sorted time-zone list: ascending display name,
// compared without regard to case; equal names keep the catalogue order.
std::vector<std::size_t> SortedTimeZoneOrder(const std::vector<TimeZoneEntry>& catalogue);

// The list position to select when the window opens: the stored position when it lies in the
// list; else (a first run stores -1) the position of the zone of the operating system, or 0 when
// it is not in the list. -1 for an empty list.
int InitialTimeZonePosition(const std::vector<TimeZoneEntry>& catalogue,
                            const std::vector<std::size_t>& sortedOrder, int storedPosition,
                            const std::string& systemZoneKey);

// The text of the label under the list: the daylight name when daylight time is in force at
// 12:00 UT of the date, else the standard name.
std::wstring TimeZoneLabel(const TimeZoneEntry& entry, const astro::CalendarDate& date);

}  // namespace zones
