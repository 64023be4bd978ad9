// Who observes where: the one value of a place, its zone and its name that every computation of
// the almanac above the engine takes.
#pragma once

#include <string>

#include "zones/zone.h"

namespace places {

struct Observer {
    double latitudeDeg = 0.0;   // degrees, north positive, -90 to 90
    double longitudeDeg = 0.0;  // degrees, east positive, -180 to 180
    zones::Zone zone;           // the clock the observer's times are given on
    std::string name;           // UTF-8: the city, or the coordinates as typed; may be empty
    // The observer's height above the horizon and the horizon's profile belong here too; at height
    // 0 with a flat horizon every value is that of the place alone.
};

}  // namespace places
