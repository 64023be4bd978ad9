#include "zone_selection.h"

namespace zones {

ZoneSelection::ZoneSelection(std::vector<TimeZoneEntry> catalogue, SystemZoneSource systemZone,
                             std::string zoneInfoFolder)
    : catalogue_(std::move(catalogue)),
      order_(SortedTimeZoneOrder(catalogue_)),
      systemZone_(std::move(systemZone)),
      zoneInfoFolder_(std::move(zoneInfoFolder)) {}

std::vector<std::pair<std::wstring, std::size_t>> ZoneSelection::ListItems() const {
    std::vector<std::pair<std::wstring, std::size_t>> items;
    items.reserve(order_.size());
    for (const std::size_t entry : order_) items.emplace_back(catalogue_[entry].displayName, entry);
    return items;
}

int ZoneSelection::InitialPosition(int storedPosition) const {
    const std::string systemKey = CatalogueKeyOfSystemZone(catalogue_, systemZone_(), zoneInfoFolder_);
    return InitialTimeZonePosition(catalogue_, order_, storedPosition, systemKey);
}

TimeZoneInformation ZoneSelection::RuleAt(int position) const {
    if (const TimeZoneEntry* entry = EntryAt(position)) return entry->rule;
    return systemZone_().rule.rule;
}

std::optional<std::wstring> ZoneSelection::LabelAt(int position, const astro::CalendarDate& date) const {
    const TimeZoneEntry* entry = EntryAt(position);
    if (entry == nullptr) return std::nullopt;
    return TimeZoneLabel(*entry, date);
}

const TimeZoneEntry* ZoneSelection::EntryAt(int position) const {
    if (position < 0 || static_cast<std::size_t>(position) >= order_.size()) return nullptr;
    return &catalogue_[order_[static_cast<std::size_t>(position)]];
}

}  // namespace zones
