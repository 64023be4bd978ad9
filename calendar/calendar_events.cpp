#include "calendar_events.h"

#include <algorithm>

#include "common/utf8_text.h"
#include "report/value_formatting.h"
#include "resources/string_ids.h"
#include "resources/string_table.h"

namespace calendar {

namespace {

// One event of the day report: the kind it belongs to, its part of the UID, its name and its time.
struct ReportEvent {
    const char* kind;
    const char* uidPart;
    unsigned name;
    bool (*occurs)(const report::DayReport&);
    double (*hours)(const report::DayReport&);
};

constexpr ReportEvent kReportEvents[] = {
    {"sunrise", "sunrise", resources::kTextTableSunrise,
     [](const report::DayReport& r) { return r.sunrise.occurs; }, [](const report::DayReport& r) { return r.sunrise.hours; }},
    {"sunset", "sunset", resources::kTextTableSunset,
     [](const report::DayReport& r) { return r.sunset.occurs; }, [](const report::DayReport& r) { return r.sunset.hours; }},
    {"civil", "civil-begin", resources::kTextCivilTwilightBegins,
     [](const report::DayReport& r) { return r.civilTwilight.occurs; }, [](const report::DayReport& r) { return r.civilTwilight.begin; }},
    {"civil", "civil-end", resources::kTextCivilTwilightEnds,
     [](const report::DayReport& r) { return r.civilTwilight.occurs; }, [](const report::DayReport& r) { return r.civilTwilight.end; }},
    {"nautical", "nautical-begin", resources::kTextNauticalTwilightBegins,
     [](const report::DayReport& r) { return r.nauticalTwilight.occurs; }, [](const report::DayReport& r) { return r.nauticalTwilight.begin; }},
    {"nautical", "nautical-end", resources::kTextNauticalTwilightEnds,
     [](const report::DayReport& r) { return r.nauticalTwilight.occurs; }, [](const report::DayReport& r) { return r.nauticalTwilight.end; }},
    {"astronomical", "astronomical-begin", resources::kTextAstronomicalTwilightBegins,
     [](const report::DayReport& r) { return r.astronomicalTwilight.occurs; }, [](const report::DayReport& r) { return r.astronomicalTwilight.begin; }},
    {"astronomical", "astronomical-end", resources::kTextAstronomicalTwilightEnds,
     [](const report::DayReport& r) { return r.astronomicalTwilight.occurs; }, [](const report::DayReport& r) { return r.astronomicalTwilight.end; }},
    {"moonrise", "moonrise", resources::kTextTableMoonrise,
     [](const report::DayReport& r) { return r.moonrise.occurs; }, [](const report::DayReport& r) { return r.moonrise.hours; }},
    {"moonset", "moonset", resources::kTextTableMoonset,
     [](const report::DayReport& r) { return r.moonset.occurs; }, [](const report::DayReport& r) { return r.moonset.hours; }},
};

std::string Summary(unsigned name, double hours, bool twelveHourClock) {
    return common::WideToUtf8(resources::LoadPlainString(name) + L" " + report::FormatClockTime(hours, twelveHourClock));
}

}  // namespace

std::vector<CalendarEvent> SpanEvents(const std::vector<almanac::SpanDay>& days, const almanac::DayZone& zone,
                                      const std::vector<std::string>& kinds, bool twelveHourClock) {
    const auto asked = [&](const char* kind) { return std::find(kinds.begin(), kinds.end(), kind) != kinds.end(); };
    std::vector<CalendarEvent> events;
    for (const almanac::SpanDay& day : days) {
        const report::DayReport& r = day.day.report;
        if (r.ephemerisValid) {
            for (const ReportEvent& event : kReportEvents) {
                if (!asked(event.kind) || !event.occurs(r)) continue;
                CalendarEvent calendarEvent{r.date, event.uidPart, {}, Summary(event.name, event.hours(r), twelveHourClock)};
                if (report::EventInstant(zone.rule, r.date, event.hours(r), calendarEvent.universal)) {
                    events.push_back(std::move(calendarEvent));
                }
            }
        }
        if (day.phase && asked("phases")) {
            // The phase names stand every second name in the table of the eight phases; the time is
            // cut to the minute as in the span table, so that it stays on its day.
            const unsigned name = resources::kTextFirstPhase + 2 * static_cast<unsigned>(day.phase->phase);
            const zones::LocalDateTime& when = day.phase->when;
            events.push_back({r.date, "phase", day.phase->universal,
                              Summary(name, when.hour + when.minute / 60.0, twelveHourClock)});
        }
    }
    return events;
}

}  // namespace calendar
