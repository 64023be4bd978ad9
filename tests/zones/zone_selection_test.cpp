// The time-zone list's content and choice over the system's tzdata, with the system's zone given
// as $TZ would give it.
#include <gtest/gtest.h>

#include "zones/zone_selection.h"

namespace {

using zones::TimeZoneEntry;
using zones::ZoneSelection;

ZoneSelection::SystemZoneSource SystemZoneFromTz(const char* tz) {
    return [tz] {
        zones::SystemZoneSources sources;
        sources.tzVariable = tz;
        return zones::GetSystemTimeZone(sources);
    };
}

ZoneSelection OfSystemCatalogue(const char* systemTz) {
    std::vector<TimeZoneEntry> catalogue;
    zones::LoadTimeZones(catalogue, zones::kSystemZoneInfoFolder, {});
    return ZoneSelection(std::move(catalogue), SystemZoneFromTz(systemTz));
}

// The positions are those of the sorted list, as the settings store them: equal names keep the
// catalogue order; a position outside the list falls back to the system's zone.
TEST(ZoneSelection, PositionsAreThoseOfTheSortedList) {
    std::vector<TimeZoneEntry> catalogue(4);
    const wchar_t* names[] = {L"(UTC+01:00) b", L"(UTC+01:00) A", L"(UTC+01:00) a", L"(UTC+00:00) UTC"};
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        catalogue[i].displayName = names[i];
        catalogue[i].standardName = names[i];
        catalogue[i].rule.Bias = static_cast<std::int32_t>(10 * (i + 1));
    }
    const ZoneSelection selection(catalogue, SystemZoneFromTz("Asia/Tokyo"));
    const std::vector<std::size_t> expected = {3, 1, 2, 0};
    const auto items = selection.ListItems();
    ASSERT_EQ(items.size(), expected.size());
    for (int position = -1; position <= 4; ++position) {
        const bool inList = position >= 0 && position < 4;
        const std::optional<std::wstring> label = selection.ZoneAt(position).LabelOn({2024, 7, 15});
        if (!inList) {
            EXPECT_EQ(selection.ZoneAt(position).rule.Bias, -540) << position;
            EXPECT_FALSE(label.has_value()) << position;
            continue;
        }
        const TimeZoneEntry& entry = catalogue[expected[position]];
        EXPECT_EQ(items[position], std::make_pair(entry.displayName, expected[position]));
        EXPECT_EQ(selection.ZoneAt(position).rule, entry.rule) << position;
        EXPECT_EQ(selection.ZoneAt(position).id, entry.key) << position;
        EXPECT_EQ(label, entry.standardName) << position;
    }
}

TEST(ZoneSelection, InitialPositionAndItsLabel) {
    const struct {
        const char* systemTz;
        int stored;
        const char* key;  // of the zone selected; empty: the first item
        std::wstring winter, summer;
    } cases[] = {
        {"Europe/Berlin", -1, "Europe/Berlin", L"CET", L"CEST"},
        {"US/Eastern", -1, "America/New_York", L"EST", L"EDT"},
        {"Etc/UTC", -1, "UTC", L"UTC", L"UTC"},
        {"Australia/Sydney", -1, "Australia/Sydney", L"AEDT", L"AEST"},
        {"EST5EDT4,M3.2.0,M11.1.0", -1, "", L"", L""},  // not in the list: the first item
        {"Europe/Berlin", 100000, "Europe/Berlin", L"CET", L"CEST"},  // beyond the list: as a first run
    };
    for (const auto& c : cases) {
        const ZoneSelection selection = OfSystemCatalogue(c.systemTz);
        const int position = selection.InitialPosition(c.stored);
        ASSERT_GE(position, 0) << c.systemTz;
        if (*c.key == '\0') {
            EXPECT_EQ(position, 0) << c.systemTz;
            continue;
        }
        const std::size_t entry = selection.ListItems()[position].second;
        EXPECT_EQ(selection.Catalogue()[entry].key, c.key);
        EXPECT_EQ(selection.InitialPosition(position), position) << "a stored position is kept";
        EXPECT_EQ(selection.ZoneAt(position).LabelOn({2024, 1, 15}), c.winter) << c.systemTz;
        EXPECT_EQ(selection.ZoneAt(position).LabelOn({2024, 7, 15}), c.summer) << c.systemTz;
    }
}

}  // namespace
