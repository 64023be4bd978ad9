// The day's chart: its bands, curves, marks and hours against the report it is drawn from, and
// the files it is written to.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "chart/chart_drawing.h"
#include "zones/zone_names_icu.h"
#include "chart/day_chart.h"
#include "support/file_contents.h"
#include "support/temp_folder.h"

namespace {

struct ChartDay {
    const char* what;
    astro::CalendarDate date;
    double latitude, longitude;
    const char* zone;
    double dayHours;
};

const ChartDay kDays[] = {
    {"Berlin, summer solstice", {2026, 6, 21}, 52.52, 13.405, "Europe/Berlin", 24},
    {"Berlin, clocks forward", {2026, 3, 29}, 52.52, 13.405, "Europe/Berlin", 23},
    {"Berlin, clocks back", {2026, 10, 25}, 52.52, 13.405, "Europe/Berlin", 25},
    {"Tromso, polar night", {2026, 12, 21}, 69.65, 18.96, "Europe/Oslo", 24},
    {"Tromso, midnight sun", {2026, 6, 21}, 69.65, 18.96, "Europe/Oslo", 24},
    {"Quito, equinox", {2026, 3, 20}, -0.18, -78.47, "America/Guayaquil", 24},
};

TEST(DayChart, AgreesWithTheReportItIsDrawnFrom) {
    const auto catalogue = zones::LoadZoneCatalogue("en");
    for (const ChartDay& d : kDays) {
        SCOPED_TRACE(d.what);
        const places::Observer observer{d.latitude, d.longitude, *zones::FindZone(catalogue, d.zone), d.what};
        const zones::Zone& zone = observer.zone;
        const auto computed = almanac::ComputeAlmanacDay(d.date, observer, {});
        ASSERT_TRUE(computed.has_value());
        const almanac::AlmanacDay& day = *computed;
        const almanac::DayLight light = almanac::ComputeDayLight(day, observer);
        const chart::DayChart c = chart::MakeDayChart(day, light, zone, {});
        ASSERT_TRUE(c.valid);
        const report::DayReport& r = day.report;
        const auto axis = [&](double hours) { return chart::ElapsedHoursOf(hours, day, light); };

        // The hours of a 23- or 25-hour day, one tick each.
        EXPECT_DOUBLE_EQ(c.dayHours, d.dayHours);
        EXPECT_EQ(c.hours.size(), static_cast<std::size_t>(d.dayHours) + 1);

        // The sky's bands cover the day without gap, and every edge within it is a twilight,
        // sunrise or sunset of the report.
        std::vector<double> edges;
        for (const report::TwilightSpan* t : {&r.civilTwilight, &r.nauticalTwilight, &r.astronomicalTwilight}) {
            if (t->occurs) edges.insert(edges.end(), {axis(t->begin), axis(t->end)});
        }
        for (const report::DayEvent* e : {&r.sunrise, &r.sunset}) {
            if (e->occurs) edges.push_back(axis(e->hours));
        }
        ASSERT_FALSE(c.sky.empty());
        EXPECT_EQ(c.sky.front().span.from, 0.0);
        EXPECT_DOUBLE_EQ(c.sky.back().span.to, d.dayHours);
        for (std::size_t i = 1; i < c.sky.size(); ++i) {
            const double edge = c.sky[i].span.from;
            EXPECT_EQ(edge, c.sky[i - 1].span.to);
            EXPECT_TRUE(std::any_of(edges.begin(), edges.end(), [&](double e) { return e == edge; }))
                << "band edge at " << edge << " h is none of the report's events";
        }

        // The Sun's curve tops out at the report's culmination.
        if (r.sunCulmination.occurs) {
            const auto top = std::max_element(c.sun.begin(), c.sun.end(), [](const auto& a, const auto& b) {
                return a.altitude < b.altitude;
            });
            EXPECT_NEAR(top->hours, axis(r.sunCulmination.hours), 1.0 / 60);
            EXPECT_NEAR(top->altitude, r.sunCulminationAltitude, 0.001);
        }

        // A mark for each rise, set and culmination the report has, and none for the others.
        std::size_t occurring = 0;
        for (const report::DayEvent* e : {&r.sunrise, &r.sunCulmination, &r.sunset, &r.moonrise,
                                          &r.moonCulmination, &r.moonset}) {
            occurring += e->occurs;
        }
        EXPECT_EQ(c.events.size(), occurring);
    }
}

TEST(DayChartFile, WritesPngAndSvgWholeOrNotAtAll) {
    const places::Observer berlin{52.52, 13.405, *zones::FindZone(zones::LoadZoneCatalogue("en"), "Europe/Berlin"),
                                  "Berlin"};
    const auto day = almanac::ComputeAlmanacDay({2026, 3, 20}, berlin, {});
    ASSERT_TRUE(day.has_value());
    const chart::DayChart c = chart::MakeDayChart(*day, almanac::ComputeDayLight(*day, berlin), berlin.zone, {});
    test_support::TempFolder folder;
    EXPECT_EQ(chart::WriteDayChartFile(folder / "day.png", 800, 400, c), "");
    EXPECT_EQ(test_support::ReadWholeFile(folder / "day.png").substr(0, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_EQ(chart::WriteDayChartFile(folder / "day.SVG", 640, 320, c), "");
    EXPECT_NE(test_support::ReadWholeFile(folder / "day.SVG").find("<svg"), std::string::npos);
    EXPECT_NE(chart::WriteDayChartFile(folder / "missing/day.png", 800, 400, c), "");
    EXPECT_NE(chart::WriteDayChartFile(folder / "day.jpg", 800, 400, c), "");
    EXPECT_FALSE(std::filesystem::exists(folder / "day.jpg"));
}

}  // namespace
