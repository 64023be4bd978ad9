#include "day_zone.h"

#include <algorithm>

#include "common/utf8_text.h"
#include "zones/zone_names_icu.h"

namespace almanac {

std::wstring DayZone::LabelOn(const astro::CalendarDate& date) const {
    return entry ? zones::TimeZoneLabel(*entry, date) : listText;
}

std::vector<zones::TimeZoneEntry> LoadZoneCatalogue(const std::string& languageCode) {
    std::vector<zones::TimeZoneEntry> catalogue;
    zones::LoadTimeZones(catalogue, zones::kSystemZoneInfoFolder, zones::IcuZoneNames(languageCode));
    return catalogue;
}

DayZone CatalogueZone(const zones::TimeZoneEntry& entry) {
    return DayZone{entry.rule, entry.key, entry.displayName, entry};
}

std::optional<DayZone> FindZone(const std::vector<zones::TimeZoneEntry>& catalogue,
                                const std::string& key) {
    const auto found = std::find_if(catalogue.begin(), catalogue.end(),
                                    [&](const zones::TimeZoneEntry& entry) { return entry.key == key; });
    if (found == catalogue.end()) return std::nullopt;
    return CatalogueZone(*found);
}

DayZone FixedOffsetZone(double offsetHours) {
    DayZone zone;
    zone.rule.Bias = -static_cast<std::int32_t>(offsetHours * 60 + (offsetHours < 0 ? -0.5 : 0.5));
    const std::wstring prefix = zones::UtcOffsetPrefix(zone.rule.Bias);  // "(UTC+05:30) "
    zone.listText = prefix.substr(1, prefix.size() - 3);
    zone.id = common::WideToUtf8(zone.listText);
    return zone;
}

}  // namespace almanac
