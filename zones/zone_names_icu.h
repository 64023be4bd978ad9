// Long names of standard and daylight time in the interface language, from ICU's time-zone names.
#pragma once

#include <string>

#include "time_zone_catalogue.h"

namespace zones {

// A lookup for the language ("en", "de", "es", "fr", "el"); names of the metazone in force now.
ZoneNameLookup IcuZoneNames(const std::string& languageCode);

}  // namespace zones
