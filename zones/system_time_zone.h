// The operating system's current time zone: $TZ when set, else the zone /etc/localtime points to,
// else the name in /etc/timezone.
#pragma once

#include <string>
#include <vector>

#include "posix_time_zone.h"
#include "time_zone_catalogue.h"

namespace zones {

struct SystemTimeZone {
    std::string key;            // the zone's name in the database, canonical; empty when unknown
    std::string canonicalPath;  // the zone file with every link resolved; empty when unknown
    ZoneRule rule;              // UTC when nothing can be read
};

// The places the system keeps its zone, so that tests can give their own.
struct SystemZoneSources {
    const char* tzVariable = nullptr;  // the value of $TZ, or nullptr when it is not set
    std::string localtimePath = "/etc/localtime";
    std::string timezonePath = "/etc/timezone";
    std::string zoneInfoFolder = kSystemZoneInfoFolder;
};

SystemTimeZone GetSystemTimeZone(const SystemZoneSources& sources);

// The system's zone from the real environment and files.
SystemTimeZone CurrentSystemTimeZone();

// The catalogue key of the system's zone: its own name when the catalogue lists it, else the key of
// the entry whose zone file is the same file (Etc/UTC is listed as UTC); empty when none is.
std::string CatalogueKeyOfSystemZone(const std::vector<TimeZoneEntry>& catalogue,
                                     const SystemTimeZone& system,
                                     const std::string& zoneInfoFolder);

}  // namespace zones
