// The almanac core: day steps at the ends of the engine's years, zones of fixed offset and of the
// catalogue, and the field table against the main window's template.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "almanac/almanac_day.h"
#include "almanac/export_target.h"
#include "almanac/month_table.h"
#include "almanac/report_fields.h"
#include "resources/dialog_template.h"
#include "resources/main_window_controls.h"
#include "zones/zone_names_icu.h"

namespace {

using astro::CalendarDate;

TEST(DaySteps, MoveByCalendarDaysAndStopAtTheEnginesYears) {
    struct Case {
        CalendarDate date, previous, next;
        int weekday;
    };
    const Case cases[] = {
        {{2024, 1, 1}, {2023, 12, 31}, {2024, 1, 2}, 1},
        {{2024, 3, 1}, {2024, 2, 29}, {2024, 3, 2}, 5},
        {{2023, 3, 1}, {2023, 2, 28}, {2023, 3, 2}, 3},
        {{2000, 2, 29}, {2000, 2, 28}, {2000, 3, 1}, 2},
        {{2024, 3, 31}, {2024, 3, 30}, {2024, 4, 1}, 0},   // a clock change in Europe
        {{1901, 1, 1}, {1901, 1, 1}, {1901, 1, 2}, 2},     // the first day the engine computes
        {{2099, 12, 31}, {2099, 12, 30}, {2099, 12, 31}, 4},  // and its last
    };
    for (const Case& c : cases) {
        EXPECT_EQ(almanac::PreviousDay(c.date), c.previous) << c.date.year << "-" << c.date.month;
        EXPECT_EQ(almanac::NextDay(c.date), c.next) << c.date.year << "-" << c.date.month;
        EXPECT_EQ(astro::Weekday(c.date), c.weekday) << c.date.year << "-" << c.date.month;
    }
}

TEST(DayZones, FixedOffsetsRoundToTheMinuteAndCatalogueZonesByKey) {
    const std::pair<double, const char*> offsets[] = {
        {0, "UTC+00:00"}, {2, "UTC+02:00"}, {5.5, "UTC+05:30"}, {5.75, "UTC+05:45"},
        {-3.5, "UTC-03:30"}, {-12, "UTC-12:00"}, {14, "UTC+14:00"}, {1.0 / 120, "UTC+00:01"},
    };
    for (const auto& [hours, name] : offsets) {
        const zones::Zone zone = zones::FixedOffsetZone(hours);
        EXPECT_EQ(zone.id, name) << hours;
        EXPECT_EQ(zone.LabelOn({2024, 7, 1}), zone.listText) << hours;
    }
    const auto catalogue = zones::LoadZoneCatalogue("en");
    const auto berlin = zones::FindZone(catalogue, "Europe/Berlin");
    ASSERT_TRUE(berlin.has_value());
    EXPECT_EQ(berlin->rule.Bias, -60);
    EXPECT_NE(berlin->LabelOn({2024, 1, 15}), berlin->LabelOn({2024, 7, 15}));
    EXPECT_FALSE(zones::FindZone(catalogue, "Europe/Atlantis").has_value());
    EXPECT_FALSE(zones::FindZone(catalogue, "").has_value());
}

TEST(ReportFields, EachValueControlOfTheMainWindowShowsOneFieldOnce) {
    const resources::DialogTemplate& window = resources::LoadDialogTemplate(resources::kMainWindowDialog);
    std::set<std::string_view> keys;
    for (const almanac::ReportField& field : almanac::ReportFields()) keys.insert(field.key);
    std::set<int> controls;
    std::set<std::string_view> shown;
    for (const resources::ReportValueControl& value : resources::kReportValueControls) {
        EXPECT_TRUE(keys.count(value.fieldKey)) << value.fieldKey;
        EXPECT_NE(window.Find(value.control), nullptr) << value.fieldKey;
        EXPECT_TRUE(controls.insert(value.control).second) << value.fieldKey;
        EXPECT_TRUE(shown.insert(value.fieldKey).second) << value.fieldKey;
    }
    EXPECT_EQ(shown.size() + 1, keys.size());  // every field but the date, which the picker shows
}

// A day is computed afresh; a window that shows a year the engine does not compute keeps the
// values it showed beside the new date and phases.
TEST(AlmanacDay, FreshValuesAndTheValuesAWindowKeeps) {
    const places::Observer berlin{52.52, 13.405, zones::FixedOffsetZone(1), "Berlin"};
    const report::TextStyle style;
    const auto june = almanac::ComputeAlmanacDay({2024, 6, 21}, berlin, style);
    const auto outside = almanac::ComputeAlmanacDay({1900, 6, 21}, berlin, style);
    ASSERT_TRUE(june && outside);
    EXPECT_FALSE(almanac::ComputeAlmanacDay({2023, 2, 29}, berlin, style).has_value());
    EXPECT_TRUE(june->report.ephemerisValid);
    EXPECT_FALSE(outside->report.ephemerisValid);
    EXPECT_TRUE(outside->texts.sunrise.empty());
    EXPECT_FALSE(outside->texts.nextNewMoon.empty());
    EXPECT_EQ(outside->zoneLabel, L"UTC+01:00");

    const almanac::AlmanacDay kept = almanac::KeepShownValues(*june, *outside);
    EXPECT_EQ(kept.report.date, (CalendarDate{1900, 6, 21}));
    EXPECT_FALSE(kept.report.ephemerisValid);
    EXPECT_EQ(kept.texts.sunrise, june->texts.sunrise);
    EXPECT_EQ(kept.report.sunrise.hours, june->report.sunrise.hours);
    EXPECT_EQ(kept.texts.date, outside->texts.date);
    EXPECT_EQ(kept.texts.nextFullMoon, outside->texts.nextFullMoon);
    EXPECT_EQ(kept.report.nextNewMoon.year, outside->report.nextNewMoon.year);
    const almanac::AlmanacDay back = almanac::KeepShownValues(kept, *june);
    EXPECT_EQ(back.texts.date, june->texts.date);
    EXPECT_TRUE(back.report.ephemerisValid);
}

// The month table moves by months within the years computed, across the ends of years.
TEST(MonthTable, MonthsOnAndBackAndTheRowsOfTheSelectedDateAndToday) {
    const struct {
        astro::CalendarDate selected;
        bool on;  // GoOn, else GoBack
        bool moved;
        int year, month, days;
    } cases[] = {
        {{2024, 1, 31}, true, true, 2024, 2, 29},   {{2024, 12, 5}, true, true, 2025, 1, 31},
        {{2024, 1, 5}, false, true, 2023, 12, 31},  {{2099, 12, 31}, true, false, 2099, 12, 31},
        {{1901, 1, 1}, false, false, 1901, 1, 31},  {{2099, 11, 30}, true, true, 2099, 12, 31},
    };
    for (const auto& c : cases) {
        almanac::MonthTable table(c.selected, {2024, 2, 10});
        EXPECT_EQ(c.on ? table.GoOn() : table.GoBack(), c.moved) << c.selected.year << "-" << c.selected.month;
        EXPECT_EQ(table.Year(), c.year);
        EXPECT_EQ(table.Month(), c.month);
        EXPECT_EQ(table.Span().last.day, c.days);
        EXPECT_EQ(table.SelectedRow(), c.moved ? -1 : c.selected.day - 1);
        EXPECT_EQ(table.TodayRow(), c.year == 2024 && c.month == 2 ? 9 : -1);
        EXPECT_EQ(table.DateOfRow(c.days - 1), (astro::CalendarDate{static_cast<std::uint16_t>(c.year),
                                                 static_cast<std::uint16_t>(c.month), static_cast<std::uint16_t>(c.days)}));
    }
}

// The month table's export writes the chosen format's ending, and asks itself before it replaces a
// file the file dialog did not ask about.
TEST(ExportTarget, TheFormatsEndingAndTheQuestionAboutTheFileWritten) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "almanaxium_export_target";
    std::filesystem::create_directories(folder);
    for (const char* present : {"noext.csv", "cal.ics"}) std::ofstream(folder / present) << "old";
    const auto at = [&](const char* name) { return (folder / name).string(); };
    const struct {
        const char* chosen;
        bool calendar;
        const char* written;
        bool ask;
    } cases[] = {
        {"noext", false, "noext.csv", true},   // the dialog asked about "noext", which is not there
        {"new", false, "new.csv", false},
        {"cal.ics", false, "cal.csv", false},  // the other format's ending is replaced
        {"cal.csv", true, "cal.ics", true},
        {"noext.csv", false, "noext.csv", false},  // the dialog asked about this very file
        {"month.CSV", true, "month.CSV.ics", false},
    };
    for (const auto& c : cases) {
        const almanac::ExportTarget target = almanac::ExportTargetOf(at(c.chosen), c.calendar);
        EXPECT_EQ(target.path, at(c.written)) << c.chosen;
        EXPECT_EQ(target.askToReplace, c.ask) << c.chosen;
    }
    std::filesystem::remove_all(folder);
}

}  // namespace
