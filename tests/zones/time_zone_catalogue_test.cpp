// The catalogue read from the system's tzdata, the sorted list, the first-run choice, the label and
// the operating system's own zone.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "common/utf8_text.h"
#include "zones/system_time_zone.h"
#include "zones/time_zone_catalogue.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using zones::TimeZoneEntry;

std::vector<TimeZoneEntry> SystemCatalogue() {
    std::vector<TimeZoneEntry> catalogue;
    zones::LoadTimeZones(catalogue, zones::kSystemZoneInfoFolder, {});
    return catalogue;
}

const TimeZoneEntry* Find(const std::vector<TimeZoneEntry>& catalogue, const std::string& key) {
    for (const TimeZoneEntry& entry : catalogue) {
        if (entry.key == key) return &entry;
    }
    return nullptr;
}

astro::CalendarDate Date(int year, int month, int day) {
    return {static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month),
            static_cast<std::uint16_t>(day)};
}

TEST(LoadTimeZones, EveryCountryZoneOfTheSystemDatabasePlusUtc) {
    const std::vector<TimeZoneEntry> catalogue = SystemCatalogue();
    // zone.tab lists over 400 zones; every one of them has a rule we can hold.
    EXPECT_GT(catalogue.size(), 400u);
    EXPECT_TRUE(std::is_sorted(catalogue.begin(), catalogue.end(),
                               [](const auto& a, const auto& b) { return a.key < b.key; }));
    const TimeZoneEntry* berlin = Find(catalogue, "Europe/Berlin");
    ASSERT_NE(berlin, nullptr);
    EXPECT_EQ(berlin->displayName, L"(UTC+01:00) Europe/Berlin");
    EXPECT_EQ(berlin->standardName, L"CET");  // no name lookup: the abbreviations
    EXPECT_EQ(berlin->daylightName, L"CEST");
    EXPECT_EQ(berlin->rule.Bias, -60);
    const TimeZoneEntry* stJohns = Find(catalogue, "America/St_Johns");
    ASSERT_NE(stJohns, nullptr);
    EXPECT_EQ(stJohns->displayName, L"(UTC-03:30) America/St_Johns");
    const TimeZoneEntry* utc = Find(catalogue, "UTC");
    ASSERT_NE(utc, nullptr);
    EXPECT_EQ(utc->displayName, L"(UTC+00:00) UTC");
    // A zone without daylight time names its standard time for both.
    const TimeZoneEntry* kolkata = Find(catalogue, "Asia/Kolkata");
    ASSERT_NE(kolkata, nullptr);
    EXPECT_EQ(kolkata->daylightName, kolkata->standardName);
    // Every capital's zone is there.
    for (const char* key : {"Europe/Athens", "Europe/Paris", "Europe/Madrid", "America/New_York",
                            "Australia/Sydney", "Africa/Johannesburg", "Asia/Tokyo",
                            "America/Sao_Paulo", "Pacific/Auckland", "Asia/Kathmandu"}) {
        EXPECT_NE(Find(catalogue, key), nullptr) << key;
    }
}

TEST(LoadTimeZones, NamesComeFromTheLookupWhereItHasThem) {
    std::vector<TimeZoneEntry> catalogue;
    zones::LoadTimeZones(catalogue, zones::kSystemZoneInfoFolder, [](const std::string& key) {
        return key == "Europe/Berlin" ? zones::ZoneNames{L"Normalzeit", L"Sommerzeit"}
                                      : zones::ZoneNames{};
    });
    EXPECT_EQ(Find(catalogue, "Europe/Berlin")->standardName, L"Normalzeit");
    EXPECT_EQ(Find(catalogue, "Europe/Berlin")->daylightName, L"Sommerzeit");
    EXPECT_EQ(Find(catalogue, "Europe/Paris")->standardName, L"CET");
}

TEST(LoadTimeZones, DamagedDatabaseFolder) {
    test_support::TempFolder folder;
    const std::string berlin = "/usr/share/zoneinfo/Europe/Berlin";
    fs::create_directories(folder.Path() / "Europe");
    fs::copy_file(berlin, folder.Path() / "Europe/Berlin");
    folder.Write("Europe/Broken", "TZif2 this is not a zone file");
    folder.Write("UTC", "not a zone file either");
    folder.Write("zone.tab",
                 "# comment\n"
                 "DE\t+5230+01322\tEurope/Berlin\tmost of Germany\r\n"
                 "XX\t+0000+00000\tEurope/Broken\n"
                 "XX\t+0000+00000\tEurope/Missing\n"
                 "XX\t+0000+00000\t../../etc/passwd\n"
                 "XX\t+0000+00000\t/etc/passwd\n"
                 "malformed line\n");
    std::vector<TimeZoneEntry> catalogue;
    EXPECT_TRUE(zones::LoadTimeZones(catalogue, folder.Path().string(), {}));
    ASSERT_EQ(catalogue.size(), 1u);
    EXPECT_EQ(catalogue[0].key, "Europe/Berlin");

    std::vector<TimeZoneEntry> none;
    EXPECT_FALSE(zones::LoadTimeZones(none, (folder.Path() / "absent").string(), {}));
    EXPECT_TRUE(none.empty());
}

TEST(SortedTimeZoneOrder, DisplayNamesWithoutRegardToCase) {
    std::vector<TimeZoneEntry> catalogue(4);
    catalogue[0].displayName = L"(UTC+01:00) europe/b";
    catalogue[1].displayName = L"(UTC+01:00) Europe/A";
    catalogue[2].displayName = L"(UTC-01:00) Atlantic/Azores";
    catalogue[3].displayName = L"(UTC+00:00) UTC";
    const std::vector<std::size_t> order = zones::SortedTimeZoneOrder(catalogue);
    EXPECT_EQ(order, (std::vector<std::size_t>{3, 1, 0, 2}));
}

TEST(InitialTimeZonePosition, FirstRunStoredAndOutOfRange) {
    const std::vector<TimeZoneEntry> catalogue = SystemCatalogue();
    const std::vector<std::size_t> order = zones::SortedTimeZoneOrder(catalogue);
    const int size = static_cast<int>(order.size());
    // First run: the system's zone wherever it stands in the sorted list.
    const int berlin = zones::InitialTimeZonePosition(catalogue, order, -1, "Europe/Berlin");
    ASSERT_GE(berlin, 0);
    EXPECT_EQ(catalogue[order[berlin]].key, "Europe/Berlin");
    const int utc = zones::InitialTimeZonePosition(catalogue, order, -1, "UTC");
    EXPECT_EQ(catalogue[order[utc]].key, "UTC");
    // Not in the list: the first item.
    EXPECT_EQ(zones::InitialTimeZonePosition(catalogue, order, -1, "Mars/Olympus"), 0);
    EXPECT_EQ(zones::InitialTimeZonePosition(catalogue, order, -1, ""), 0);
    // A stored position in the list is taken as it is; one outside it counts as none stored.
    EXPECT_EQ(zones::InitialTimeZonePosition(catalogue, order, 7, "Europe/Berlin"), 7);
    EXPECT_EQ(zones::InitialTimeZonePosition(catalogue, order, size - 1, "UTC"), size - 1);
    EXPECT_EQ(zones::InitialTimeZonePosition(catalogue, order, size, "UTC"), utc);
    EXPECT_EQ(zones::InitialTimeZonePosition(catalogue, order, -5, "Europe/Berlin"), berlin);
    EXPECT_EQ(zones::InitialTimeZonePosition({}, {}, -1, "UTC"), -1);
}

TEST(TimeZoneLabel, DaylightNameWhileDaylightTimeIsInForceAtNoonUt) {
    const std::vector<TimeZoneEntry> catalogue = SystemCatalogue();
    const TimeZoneEntry& berlin = *Find(catalogue, "Europe/Berlin");
    EXPECT_EQ(zones::TimeZoneLabel(berlin, Date(2024, 1, 15)), L"CET");
    EXPECT_EQ(zones::TimeZoneLabel(berlin, Date(2024, 7, 15)), L"CEST");
    EXPECT_EQ(zones::TimeZoneLabel(berlin, Date(2024, 3, 31)), L"CEST");
    const TimeZoneEntry& sydney = *Find(catalogue, "Australia/Sydney");
    EXPECT_EQ(zones::TimeZoneLabel(sydney, Date(2024, 1, 15)), L"AEDT");
    EXPECT_EQ(zones::TimeZoneLabel(sydney, Date(2024, 7, 15)), L"AEST");
    const TimeZoneEntry& tokyo = *Find(catalogue, "Asia/Tokyo");
    EXPECT_EQ(zones::TimeZoneLabel(tokyo, Date(2024, 7, 15)), L"JST");
}

TEST(GetSystemTimeZone, FromTheVariableTheLinkOrTheNameFile) {
    test_support::TempFolder folder;
    zones::SystemZoneSources sources;
    sources.localtimePath = folder / "localtime";
    sources.timezonePath = folder / "timezone";

    sources.tzVariable = ":Europe/Berlin";
    EXPECT_EQ(zones::GetSystemTimeZone(sources).key, "Europe/Berlin");
    // A link name resolves to the zone it stands for.
    sources.tzVariable = "US/Eastern";
    EXPECT_EQ(zones::GetSystemTimeZone(sources).key, "America/New_York");
    sources.tzVariable = "/usr/share/zoneinfo/Asia/Calcutta";
    EXPECT_EQ(zones::GetSystemTimeZone(sources).key, "Asia/Kolkata");
    // A TZ string of its own has a rule but no key.
    sources.tzVariable = "EST5EDT4,M3.2.0,M11.1.0";
    zones::SystemTimeZone posix = zones::GetSystemTimeZone(sources);
    EXPECT_EQ(posix.rule.rule.Bias, 300);
    EXPECT_TRUE(posix.key.empty() || posix.key == "EST5EDT");
    sources.tzVariable = "../../../etc/passwd";
    EXPECT_TRUE(zones::GetSystemTimeZone(sources).key.empty());

    sources.tzVariable = nullptr;
    fs::create_symlink("/usr/share/zoneinfo/Europe/Athens", folder.Path() / "localtime");
    EXPECT_EQ(zones::GetSystemTimeZone(sources).key, "Europe/Athens");
    fs::remove(folder.Path() / "localtime");
    folder.Write("timezone", "Australia/Sydney\n");
    EXPECT_EQ(zones::GetSystemTimeZone(sources).key, "Australia/Sydney");
    // A copied zone file takes its name from the name file when the rules agree.
    fs::copy_file("/usr/share/zoneinfo/Australia/Sydney", folder.Path() / "localtime");
    EXPECT_EQ(zones::GetSystemTimeZone(sources).key, "Australia/Sydney");
    fs::remove(folder.Path() / "timezone");
    const zones::SystemTimeZone copied = zones::GetSystemTimeZone(sources);
    EXPECT_TRUE(copied.key.empty());
    EXPECT_EQ(copied.rule.rule.Bias, -600);
    // Nothing at all: UTC.
    fs::remove(folder.Path() / "localtime");
    const zones::SystemTimeZone nothing = zones::GetSystemTimeZone(sources);
    EXPECT_TRUE(nothing.key.empty());
    EXPECT_EQ(nothing.rule.rule, zones::TimeZoneInformation{});
}

TEST(CatalogueKeyOfSystemZone, LinksAndUtc) {
    const std::vector<TimeZoneEntry> catalogue = SystemCatalogue();
    zones::SystemZoneSources sources;
    sources.tzVariable = "Etc/UTC";
    EXPECT_EQ(zones::CatalogueKeyOfSystemZone(catalogue, zones::GetSystemTimeZone(sources),
                                               zones::kSystemZoneInfoFolder),
              "UTC");
    sources.tzVariable = "Asia/Calcutta";
    EXPECT_EQ(zones::CatalogueKeyOfSystemZone(catalogue, zones::GetSystemTimeZone(sources),
                                               zones::kSystemZoneInfoFolder),
              "Asia/Kolkata");
    sources.tzVariable = "EST5EDT4,M3.2.0,M11.1.0";
    EXPECT_EQ(zones::CatalogueKeyOfSystemZone(catalogue, zones::GetSystemTimeZone(sources),
                                               zones::kSystemZoneInfoFolder),
              "");
}

}  // namespace
