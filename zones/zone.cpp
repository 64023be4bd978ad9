#include "zone.h"

#include <algorithm>

#include "common/utf8_text.h"

namespace zones {

std::optional<std::wstring> Zone::LabelOn(const astro::CalendarDate& date) const {
    if (entry) return TimeZoneLabel(*entry, date);
    if (listText.empty()) return std::nullopt;
    return listText;
}

Zone CatalogueZone(const TimeZoneEntry& entry) {
    return Zone{entry.rule, entry.key, entry.displayName, entry};
}

std::optional<Zone> FindZone(const std::vector<TimeZoneEntry>& catalogue, const std::string& key) {
    const auto found = std::find_if(catalogue.begin(), catalogue.end(),
                                    [&](const TimeZoneEntry& entry) { return entry.key == key; });
    if (found == catalogue.end()) return std::nullopt;
    return CatalogueZone(*found);
}

Zone FixedOffsetZone(double offsetHours) {
    Zone zone;
    zone.rule.Bias = -static_cast<std::int32_t>(offsetHours * 60 + (offsetHours < 0 ? -0.5 : 0.5));
    const std::wstring prefix = UtcOffsetPrefix(zone.rule.Bias);  // "(UTC+05:30) "
    zone.listText = prefix.substr(1, prefix.size() - 3);
    zone.id = common::WideToUtf8(zone.listText);
    return zone;
}

}  // namespace zones
