// The calendar export read back with libical's own parser: one event for each event of the day
// reports that occurs, unique UIDs, every start the report's clock time moved to UT by the zone's
// offset, titles in the interface language, and nothing for a sunrise that polar night lacks.
#include <gtest/gtest.h>
#include <libical/ical.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>

#include "almanac/day_span.h"
#include "calendar/span_calendar.h"
#include "resources/string_table.h"
#include "support/scoped_environment.h"

namespace {

const std::vector<std::string> kAllEvents = {"sunrise", "sunset", "civil", "nautical", "astronomical",
                                             "moonrise", "moonset", "phases"};

// Seconds since 1970 of a UT moment, by days from the civil calendar (no library of time zones).
long long EpochSeconds(int year, int month, int day, long long secondsOfDay) {
    const int y = year - (month <= 2);
    const int era = y / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return (static_cast<long long>(era) * 146097 + doe - 719468) * 86400 + secondsOfDay;
}

std::string Uid(const astro::CalendarDate& date, const char* kind, const char* place) {
    char uid[96];
    std::snprintf(uid, sizeof uid, "%04d%02d%02d-%s-%s@almanaxium", date.year, date.month, date.day, kind, place);
    return uid;
}

struct Read {
    long long start;
    std::string summary;
    icalgeotype geo;
};

// UID to the event's start and title; a UID met twice fails the test.
std::map<std::string, Read> ReadBack(const std::string& text) {
    std::map<std::string, Read> events;
    icalcomponent* file = icalparser_parse_string(text.c_str());
    EXPECT_NE(file, nullptr);
    if (file == nullptr) return events;
    for (icalcomponent* e = icalcomponent_get_first_component(file, ICAL_VEVENT_COMPONENT); e != nullptr;
         e = icalcomponent_get_next_component(file, ICAL_VEVENT_COMPONENT)) {
        const icaltimetype start = icalcomponent_get_dtstart(e);
        EXPECT_TRUE(icaltime_is_utc(start));
        const icalproperty* geo = icalcomponent_get_first_property(e, ICAL_GEO_PROPERTY);
        EXPECT_NE(icalcomponent_get_first_property(e, ICAL_DTSTAMP_PROPERTY), nullptr);
        EXPECT_EQ(icalcomponent_get_first_property(e, ICAL_DTEND_PROPERTY), nullptr);
        const bool fresh = events.emplace(icalcomponent_get_uid(e),
                                          Read{icaltime_as_timet(start), icalcomponent_get_summary(e),
                                               geo ? icalproperty_get_geo(geo) : icalgeotype{}}).second;
        EXPECT_TRUE(fresh) << icalcomponent_get_uid(e);
    }
    icalcomponent_free(file);
    return events;
}

// The clock times of the report that are events, each with the UID part of its kind.
struct ReportTime {
    const char* kind;
    bool occurs;
    double hours;
};

std::vector<ReportTime> ReportTimes(const report::DayReport& r) {
    return {{"sunrise", r.sunrise.occurs, r.sunrise.hours},
            {"sunset", r.sunset.occurs, r.sunset.hours},
            {"civil-begin", r.civilTwilight.occurs, r.civilTwilight.begin},
            {"civil-end", r.civilTwilight.occurs, r.civilTwilight.end},
            {"nautical-begin", r.nauticalTwilight.occurs, r.nauticalTwilight.begin},
            {"nautical-end", r.nauticalTwilight.occurs, r.nauticalTwilight.end},
            {"astronomical-begin", r.astronomicalTwilight.occurs, r.astronomicalTwilight.begin},
            {"astronomical-end", r.astronomicalTwilight.occurs, r.astronomicalTwilight.end},
            {"moonrise", r.moonrise.occurs, r.moonrise.hours},
            {"moonset", r.moonset.occurs, r.moonset.hours}};
}

TEST(SpanCalendar, EveryOccurringEventOnceAtItsInstantInUt) {
    // Zones of fixed offset, so that the expected instant is the clock time less the offset.
    struct Case {
        double lat, lon, offset;
        const char* uidPlace;
        almanac::DaySpan span;
    };
    const Case cases[] = {
        {52.52, 13.405, 1, "52.5200-13.4050", almanac::YearSpan(2024)},
        {-33.87, 151.21, 10, "-33.8700-151.2100", almanac::MonthSpan(2024, 6)},
        {40.71, -74.01, -5, "40.7100--74.0100", almanac::MonthSpan(2025, 1)},
        {78.2, 15.6, 1, "78.2000-15.6000", almanac::MonthSpan(2024, 12)},  // polar night
    };
    for (const Case& c : cases) {
        const places::Observer here{c.lat, c.lon, zones::FixedOffsetZone(c.offset), "here"};
        const auto days = almanac::ComputeSpan(c.span, here, {});
        const auto read = ReadBack(calendar::SpanCalendar(days, here, kAllEvents, {}));
        std::size_t expected = 0;
        for (const almanac::SpanDay& day : days) {
            const report::DayReport& r = day.day.report;
            for (const ReportTime& t : ReportTimes(r)) {
                if (!t.occurs) continue;
                ++expected;
                const auto found = read.find(Uid(r.date, t.kind, c.uidPlace));
                ASSERT_NE(found, read.end()) << Uid(r.date, t.kind, c.uidPlace);
                const auto local = static_cast<long long>(std::floor(t.hours * 3600));
                EXPECT_EQ(found->second.start,
                          EpochSeconds(r.date.year, r.date.month, r.date.day, local) - std::llround(c.offset * 3600))
                    << found->first;
                EXPECT_DOUBLE_EQ(found->second.geo.lat, c.lat);
                EXPECT_DOUBLE_EQ(found->second.geo.lon, c.lon);
            }
            if (!day.phase) continue;
            ++expected;
            const auto found = read.find(Uid(r.date, "phase", c.uidPlace));
            ASSERT_NE(found, read.end()) << Uid(r.date, "phase", c.uidPlace);
            const zones::LocalDateTime& w = day.phase->when;
            EXPECT_EQ(found->second.start + std::llround(c.offset * 3600),
                      EpochSeconds(w.year, w.month, w.day, w.hour * 3600 + w.minute * 60 + w.second));
        }
        EXPECT_EQ(read.size(), expected) << c.uidPlace;
        if (c.lat > 70) {
            ASSERT_FALSE(days[14].day.report.sunrise.occurs);
            EXPECT_EQ(read.count(Uid(days[14].day.report.date, "sunrise", c.uidPlace)), 0u);
        }
    }
}

TEST(SpanCalendar, TitlesInTheInterfaceLanguageAndLinesEndInCrLf) {
    struct Case {
        const char* language;
        const char* locale;
        const char* sunrise;  // 2024-12-01 in Berlin
        const char* phase;
    };
    const Case cases[] = {
        {"en", "en_US.UTF-8", "Sunrise 7:55", "New Moon 7:22"},
        {"de", "de_DE.UTF-8", "Sonnenaufgang 7:55", "Neumond 7:22"},
    };
    const places::Observer berlin{52.52, 13.405, zones::FixedOffsetZone(1), "Berlin, Köln"};
    for (const Case& c : cases) {
        // The German locale writes decimal commas: the GEO values must keep their points.
        test_support::ScopedLocale locale(c.locale);
        // The style's language, not the table the process selected, names the events.
        resources::SelectStringTable(c.language == std::string("en") ? "de" : "en");
        const report::TextStyle style{c.language, false};
        const auto days = almanac::ComputeSpan({{2024, 12, 1}, {2024, 12, 1}}, berlin, style);
        const std::string text = calendar::SpanCalendar(days, berlin, {"sunrise", "phases"}, style);
        const auto read = ReadBack(text);
        ASSERT_EQ(read.size(), 2u) << c.language;
        EXPECT_EQ(read.at(Uid({2024, 12, 1}, "sunrise", "52.5200-13.4050")).summary, c.sunrise);
        EXPECT_EQ(read.at(Uid({2024, 12, 1}, "phase", "52.5200-13.4050")).summary, c.phase);
        EXPECT_DOUBLE_EQ(read.begin()->second.geo.lat, 52.52);
        EXPECT_NE(text.find("LOCATION:Berlin\\, Köln\r\n"), std::string::npos);
        for (std::size_t n = text.find('\n'); n != std::string::npos; n = text.find('\n', n + 1)) {
            ASSERT_TRUE(n > 0 && text[n - 1] == '\r') << n;
        }
    }
    resources::SelectStringTable("en");
}

}  // namespace
