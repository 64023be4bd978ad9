// Long names of standard and daylight time in the interface language, from ICU's time-zone names.
#pragma once

#include <string>
#include <vector>

#include "time_zone_catalogue.h"

namespace zones {

// A lookup for the language ("en", "de", "es", "fr", "el"); names of the metazone in force now.
ZoneNameLookup IcuZoneNames(const std::string& languageCode);

// The catalogue in the interface language, from the system's time-zone database.
std::vector<TimeZoneEntry> LoadZoneCatalogue(const std::string& languageCode);

}  // namespace zones
