#include "zone_selection.h"

namespace zones {

ZoneSelection::ZoneSelection(std::vector<TimeZoneEntry> catalogue, SystemZoneSource systemZone,
                             std::string zoneInfoFolder)
    : m_catalogue(std::move(catalogue)),
      m_order(SortedTimeZoneOrder(m_catalogue)),
      m_systemZone(std::move(systemZone)),
      m_zoneInfoFolder(std::move(zoneInfoFolder)) {}

std::vector<std::pair<std::wstring, std::size_t>> ZoneSelection::ListItems() const {
    std::vector<std::pair<std::wstring, std::size_t>> items;
    items.reserve(m_order.size());
    for (const std::size_t entry : m_order) items.emplace_back(m_catalogue[entry].displayName, entry);
    return items;
}

int ZoneSelection::InitialPosition(int storedPosition) const {
    const std::string systemKey = CatalogueKeyOfSystemZone(m_catalogue, m_systemZone(), m_zoneInfoFolder);
    return InitialTimeZonePosition(m_catalogue, m_order, storedPosition, systemKey);
}

Zone ZoneSelection::ZoneAt(int position) const {
    if (const TimeZoneEntry* entry = EntryAt(position)) return CatalogueZone(*entry);
    Zone system;
    system.rule = m_systemZone().rule.rule;
    return system;
}

const TimeZoneEntry* ZoneSelection::EntryAt(int position) const {
    if (position < 0 || static_cast<std::size_t>(position) >= m_order.size()) return nullptr;
    return &m_catalogue[m_order[static_cast<std::size_t>(position)]];
}

}  // namespace zones
