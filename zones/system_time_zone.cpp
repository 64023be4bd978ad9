#include "system_time_zone.h"

#include <climits>
#include <cstdlib>
#include <fstream>

namespace zones {

namespace {

std::string RealPath(const std::string& path) {
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : std::string();
}

// The zone's name relative to the database folder, or empty when the file lies elsewhere.
std::string KeyOfCanonicalPath(const std::string& canonicalPath, const std::string& folder) {
    const std::string canonicalFolder = RealPath(folder);
    if (canonicalFolder.empty() || canonicalPath.size() <= canonicalFolder.size() + 1 ||
        canonicalPath.compare(0, canonicalFolder.size(), canonicalFolder) != 0 ||
        canonicalPath[canonicalFolder.size()] != '/') {
        return std::string();
    }
    return canonicalPath.substr(canonicalFolder.size() + 1);
}

ZoneRule UtcRule() {
    ZoneRule utc;
    utc.standardAbbreviation = "UTC";
    return utc;
}

// A zone named by a file: fills key, path and rule; false when it is not a readable zone file.
bool FromZoneFile(const std::string& path, const std::string& folder, SystemTimeZone& zone) {
    const std::string canonical = RealPath(path);
    if (canonical.empty()) return false;
    const auto rule = ReadZoneFileRule(canonical);
    if (!rule) return false;
    zone.canonicalPath = canonical;
    zone.key = KeyOfCanonicalPath(canonical, folder);
    zone.rule = *rule;
    return true;
}

bool FromZoneName(std::string name, const std::string& folder, SystemTimeZone& zone) {
    while (!name.empty() && (name.back() == '\n' || name.back() == '\r' || name.back() == ' ')) {
        name.pop_back();
    }
    if (name.empty()) return false;
    if (name.front() == '/') return FromZoneFile(name, folder, zone);
    if (name.find("..") != std::string::npos) return false;
    return FromZoneFile(folder + "/" + name, folder, zone);
}

}  // namespace

SystemTimeZone GetSystemTimeZone(const SystemZoneSources& sources) {
    SystemTimeZone zone;
    zone.rule = UtcRule();
    const std::string& folder = sources.zoneInfoFolder;

    if (sources.tzVariable != nullptr && sources.tzVariable[0] != '\0') {
        std::string tz = sources.tzVariable;
        // ":name" names a zone file; a bare name is tried as one before it is read as a TZ string.
        if (tz.front() == ':') tz.erase(0, 1);
        if (FromZoneName(tz, folder, zone)) return zone;
        if (const auto posix = ParsePosixTimeZone(tz)) {
            if (const auto rule = ZoneRuleFromPosix(*posix)) zone.rule = *rule;
        }
        return zone;
    }
    if (FromZoneFile(sources.localtimePath, folder, zone)) {
        if (!zone.key.empty()) return zone;
        // A copy of a zone file rather than a link: its name may still be in /etc/timezone.
        SystemTimeZone named;
        std::ifstream file(sources.timezonePath);
        std::string name;
        if (std::getline(file, name) && FromZoneName(name, folder, named) &&
            named.rule.rule == zone.rule.rule) {
            return named;
        }
        return zone;
    }
    std::ifstream file(sources.timezonePath);
    std::string name;
    if (std::getline(file, name)) FromZoneName(name, folder, zone);
    return zone;
}

SystemTimeZone CurrentSystemTimeZone() {
    SystemZoneSources sources;
    sources.tzVariable = std::getenv("TZ");
    return GetSystemTimeZone(sources);
}

std::string CatalogueKeyOfSystemZone(const std::vector<TimeZoneEntry>& catalogue,
                                     const SystemTimeZone& system,
                                     const std::string& zoneInfoFolder) {
    if (system.canonicalPath.empty()) return std::string();
    for (const TimeZoneEntry& entry : catalogue) {
        if (entry.key == system.key) return entry.key;
    }
    for (const TimeZoneEntry& entry : catalogue) {
        if (RealPath(zoneInfoFolder + "/" + entry.key) == system.canonicalPath) return entry.key;
    }
    return std::string();
}

}  // namespace zones
