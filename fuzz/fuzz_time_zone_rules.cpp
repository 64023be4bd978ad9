// The zone files: any bytes as a TZif file and as a POSIX TZ string; a rule they give must convert
// every moment without failing.
#include <cmath>
#include <cstdint>
#include <string>

#include "zones/posix_time_zone.h"
#include "zones/time_zone_rule.h"
#include "zones/tzif_file.h"

namespace {

void ExerciseRule(const zones::TimeZoneInformation& rule, const std::uint8_t* data, std::size_t size) {
    for (std::size_t i = 0; i + 4 <= size && i < 64; i += 4) {
        zones::SystemTime moment;
        moment.wYear = static_cast<std::uint16_t>(1970 + data[i] % 130);
        moment.wMonth = static_cast<std::uint16_t>(1 + data[i + 1] % 12);
        moment.wDay = static_cast<std::uint16_t>(1 + data[i + 2] % 28);
        moment.wHour = static_cast<std::uint16_t>(data[i + 3] % 24);
        zones::SystemTime local;
        if (!zones::SystemTimeToZoneLocalTime(rule, moment, local)) __builtin_trap();
        zones::SystemTime back;
        if (!zones::ZoneLocalTimeToSystemTime(rule, local, back)) __builtin_trap();
        const astro::CalendarDate date{moment.wYear, moment.wMonth, moment.wDay};
        const double offset = zones::GetUtcOffset(rule, date);
        if (!std::isfinite(offset) || std::fabs(offset) > 49) __builtin_trap();
        zones::IsDaylightTime(rule, date);
        astro::CivilDateTime ut;
        zones::LocalToUniversal(rule, date, (data[i] % 240) / 10.0, ut);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string tz(bytes);
    if (const auto footer = zones::TzifFooter(bytes)) tz = *footer;
    if (const auto posix = zones::ParsePosixTimeZone(tz)) {
        if (const auto rule = zones::ZoneRuleFromPosix(*posix)) ExerciseRule(rule->rule, data, size);
    }
    return 0;
}
