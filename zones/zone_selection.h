// The time-zone list of the main window apart from the window: its items in the order the sorted
// list shows them, the zone to select when the window opens, and the zone at a position, whose rule
// the report uses and whose label stands under the list. A position here is a position in that list, as the settings store it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "system_time_zone.h"
#include "time_zone_catalogue.h"
#include "zone.h"

namespace zones {

class ZoneSelection {
public:
    // Asked each time the system's zone is needed, so that a change of it is seen.
    using SystemZoneSource = std::function<SystemTimeZone()>;

    ZoneSelection() : ZoneSelection(std::vector<TimeZoneEntry>()) {}
    explicit ZoneSelection(std::vector<TimeZoneEntry> catalogue,
                           SystemZoneSource systemZone = CurrentSystemTimeZone,
                           std::string zoneInfoFolder = kSystemZoneInfoFolder);

    const std::vector<TimeZoneEntry>& Catalogue() const { return m_catalogue; }

    // The list's texts in list order, each with the catalogue position of its zone.
    std::vector<std::pair<std::wstring, std::size_t>> ListItems() const;

    // The position to select when the window opens, from the stored one (-1 on a first run).
    int InitialPosition(int storedPosition) const;

    // The zone at a position, with its rule and names; the system zone's rule alone (no id, no
    // label) when no zone is there.
    Zone ZoneAt(int position) const;

private:
    const TimeZoneEntry* EntryAt(int position) const;

    std::vector<TimeZoneEntry> m_catalogue;
    std::vector<std::size_t> m_order;  // catalogue positions in list order
    SystemZoneSource m_systemZone;
    std::string m_zoneInfoFolder;
};

}  // namespace zones
