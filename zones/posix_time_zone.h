// The POSIX TZ string that ends every zone file of the system's time-zone database (for example
// "CET-1CEST,M3.5.0,M10.5.0/3"), and the recurring rule it gives.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "time_zone_rule.h"

namespace zones {

struct PosixTransition {
    enum class Kind { kMonthWeekDay, kJulianNoLeap, kJulianZeroBased };
    Kind kind = Kind::kMonthWeekDay;
    int month = 0;    // Mm.w.d: 1 to 12
    int week = 0;     // Mm.w.d: 1 to 5, 5 = last
    int weekday = 0;  // Mm.w.d: 0 = Sunday
    int julianDay = 0;              // Jn: 1 to 365; n: 0 to 365
    std::int32_t timeSeconds = 7200;  // local clock time of the change, -167 h to 167 h
};

struct PosixTimeZone {
    std::string standardAbbreviation;
    std::int32_t standardOffsetSeconds = 0;  // UT minus local standard time: positive west
    bool hasDaylight = false;
    std::string daylightAbbreviation;
    std::int32_t daylightOffsetSeconds = 0;  // UT minus local daylight time
    PosixTransition start;  // change to daylight time
    PosixTransition end;    // change back to standard time
};

// Parses a TZ string in the POSIX form (quoted <+0330> names allowed). Returns nothing for a string
// that does not follow the form.
std::optional<PosixTimeZone> ParsePosixTimeZone(std::string_view text);

// A zone's rule as a TIME_ZONE_INFORMATION and its abbreviations, standard and daylight.
struct ZoneRule {
    TimeZoneInformation rule;
    std::string standardAbbreviation;
    std::string daylightAbbreviation;
};

// The closest rule a TIME_ZONE_INFORMATION can hold:
// - offsets are rounded to whole minutes;
// - a change stated at a clock time outside 00:00 to 24:00 of its day (Greenland's -1:00, Israel's
//   26:00, Palestine's 50:00) is held at the nearest end of that day (00:00 or 23:59:59.999), which
//   keeps the offset at 12:00 UT of every date right;
// - a zone whose daylight time lies below its standard time (Ireland's winter "daylight" time) is
//   turned around, so that standard time is the smaller offset and the display shows the usual one.
// Transitions by day of the year (Jn, n) cannot be held by a recurring weekday rule: nothing is
// returned for them.
std::optional<ZoneRule> ZoneRuleFromPosix(const PosixTimeZone& zone);

}  // namespace zones
