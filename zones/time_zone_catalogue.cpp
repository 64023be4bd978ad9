#include "time_zone_catalogue.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "common/text_compare.h"
#include "common/utf8_text.h"
#include "posix_time_zone.h"
#include "tzif_file.h"

namespace zones {

namespace {

// Zone files are a few kilobytes; anything far larger is not one.
constexpr std::streamsize kLargestZoneFile = 1 << 20;

std::optional<std::string> ReadSmallFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::string contents(static_cast<std::size_t>(kLargestZoneFile) + 1, '\0');
    file.read(contents.data(), kLargestZoneFile + 1);
    const std::streamsize got = file.gcount();
    if (got > kLargestZoneFile || file.bad()) return std::nullopt;
    contents.resize(static_cast<std::size_t>(got));
    return contents;
}

// A zone name as zone.tab writes it: letters, digits, "_", "+", "-" and "/" between parts, no
// empty or dot part, so that it can only name a file inside the database folder.
bool IsSafeZoneName(const std::string& name) {
    if (name.empty() || name.front() == '/' || name.back() == '/') return false;
    std::size_t partStart = 0;
    for (std::size_t i = 0; i <= name.size(); ++i) {
        if (i == name.size() || name[i] == '/') {
            const std::string part = name.substr(partStart, i - partStart);
            if (part.empty() || part == "." || part == "..") return false;
            partStart = i + 1;
            continue;
        }
        const char ch = name[i];
        const bool allowed = (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') ||
                             (ch >= '0' && ch <= '9') || ch == '_' || ch == '+' || ch == '-' ||
                             ch == '.';
        if (!allowed) return false;
    }
    return true;
}

std::vector<std::string> ZoneTabNames(const std::string& zoneInfoFolder) {
    std::vector<std::string> names;
    const auto table = ReadSmallFile(zoneInfoFolder + "/zone.tab");
    if (!table) return names;
    std::istringstream lines(*table);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.empty() || line.front() == '#') continue;
        // country code, coordinates, zone name, optional comment: separated by tabs
        const std::size_t first = line.find('\t');
        const std::size_t second = first == std::string::npos ? first : line.find('\t', first + 1);
        if (second == std::string::npos) continue;
        const std::size_t third = line.find('\t', second + 1);
        std::string name = line.substr(second + 1, third == std::string::npos
                                                       ? std::string::npos
                                                       : third - second - 1);
        if (!name.empty() && name.back() == '\r') name.pop_back();
        if (IsSafeZoneName(name)) names.push_back(std::move(name));
    }
    return names;
}

}  // namespace

std::optional<ZoneRule> ReadZoneFileRule(const std::string& path) {
    const auto contents = ReadSmallFile(path);
    if (!contents) return std::nullopt;
    const auto footer = TzifFooter(*contents);
    if (!footer) return std::nullopt;
    const auto posix = ParsePosixTimeZone(*footer);
    if (!posix) return std::nullopt;
    return ZoneRuleFromPosix(*posix);
}

std::wstring UtcOffsetPrefix(std::int32_t biasMinutes) {
    const std::int32_t offset = -biasMinutes;
    const std::int32_t magnitude = offset < 0 ? -offset : offset;
    wchar_t text[24];
    std::swprintf(text, sizeof text / sizeof text[0], L"(UTC%lc%02d:%02d) ",
                  static_cast<wint_t>(offset < 0 ? L'-' : L'+'), magnitude / 60, magnitude % 60);
    return text;
}

bool LoadTimeZones(std::vector<TimeZoneEntry>& catalogue, const std::string& zoneInfoFolder,
                   const ZoneNameLookup& names) {
    std::vector<std::string> keys = ZoneTabNames(zoneInfoFolder);
    keys.push_back("UTC");
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());

    for (const std::string& key : keys) {
        const auto zone = ReadZoneFileRule(zoneInfoFolder + "/" + key);
        if (!zone) continue;
        TimeZoneEntry entry;
        entry.key = key;
        entry.rule = zone->rule;
        entry.displayName = UtcOffsetPrefix(zone->rule.Bias) + common::Utf8ToWide(key);
        const ZoneNames longNames = names ? names(key) : ZoneNames{};
        entry.standardName = !longNames.standard.empty()
                                 ? longNames.standard
                                 : common::Utf8ToWide(zone->standardAbbreviation);
        entry.daylightName = !longNames.daylight.empty()
                                 ? longNames.daylight
                                 : common::Utf8ToWide(zone->daylightAbbreviation);
        if (entry.daylightName.empty()) entry.daylightName = entry.standardName;
        catalogue.push_back(std::move(entry));
    }
    return !catalogue.empty();
}

std::vector<std::size_t> SortedTimeZoneOrder(const std::vector<TimeZoneEntry>& catalogue) {
    std::vector<std::size_t> order(catalogue.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return common::CompareWithoutCase(catalogue[a].displayName, catalogue[b].displayName) < 0;
    });
    return order;
}

int InitialTimeZonePosition(const std::vector<TimeZoneEntry>& catalogue,
                            const std::vector<std::size_t>& sortedOrder, int storedPosition,
                            const std::string& systemZoneKey) {
    const int size = static_cast<int>(sortedOrder.size());
    if (storedPosition >= 0 && storedPosition < size) return storedPosition;
    // No stored position, or one from a longer list (a settings file of another computer): the
    // first run's choice, rather than a report in UT beside an empty list.
    if (size == 0) return -1;
    // The last matching entry in catalogue order counts; keys are unique, so there is at most one.
    int match = -1;
    for (int position = 0; position < size; ++position) {
        if (catalogue[sortedOrder[position]].key == systemZoneKey) {
            if (match < 0 || sortedOrder[position] > sortedOrder[match]) match = position;
        }
    }
    return match >= 0 ? match : 0;
}

std::wstring TimeZoneLabel(const TimeZoneEntry& entry, const astro::CalendarDate& date) {
    return IsDaylightTime(entry.rule, date) ? entry.daylightName : entry.standardName;
}

}  // namespace zones
