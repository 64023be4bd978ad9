#include "calendar_events.h"

#include <algorithm>

#include "almanac/span_table.h"
#include "common/utf8_text.h"
#include "report/value_formatting.h"
#include "resources/string_ids.h"
#include "resources/string_table.h"

namespace calendar {

namespace {

using report::DayReport;
using report::TwilightSpan;

// One event of the day report: the kind it belongs to, its part of the UID, its name, and where the
// report holds it: a rise, set or culmination, or one edge of a twilight.
struct ReportEvent {
    const char* kind;
    const char* uidPart;
    unsigned name;
    report::DayEvent DayReport::*event = nullptr;
    TwilightSpan DayReport::*twilight = nullptr;
    double TwilightSpan::*edge = nullptr;

    bool Occurs(const DayReport& r) const { return event ? (r.*event).occurs : (r.*twilight).occurs; }
    double Hours(const DayReport& r) const { return event ? (r.*event).hours : (r.*twilight).*edge; }
};

constexpr ReportEvent kReportEvents[] = {
    {"sunrise", "sunrise", resources::kTextTableSunrise, &DayReport::sunrise},
    {"sunset", "sunset", resources::kTextTableSunset, &DayReport::sunset},
    {"civil", "civil-begin", resources::kTextCivilTwilightBegins, nullptr, &DayReport::civilTwilight, &TwilightSpan::begin},
    {"civil", "civil-end", resources::kTextCivilTwilightEnds, nullptr, &DayReport::civilTwilight, &TwilightSpan::end},
    {"nautical", "nautical-begin", resources::kTextNauticalTwilightBegins, nullptr, &DayReport::nauticalTwilight, &TwilightSpan::begin},
    {"nautical", "nautical-end", resources::kTextNauticalTwilightEnds, nullptr, &DayReport::nauticalTwilight, &TwilightSpan::end},
    {"astronomical", "astronomical-begin", resources::kTextAstronomicalTwilightBegins, nullptr, &DayReport::astronomicalTwilight, &TwilightSpan::begin},
    {"astronomical", "astronomical-end", resources::kTextAstronomicalTwilightEnds, nullptr, &DayReport::astronomicalTwilight, &TwilightSpan::end},
    {"moonrise", "moonrise", resources::kTextTableMoonrise, &DayReport::moonrise},
    {"moonset", "moonset", resources::kTextTableMoonset, &DayReport::moonset},
};

std::string Summary(unsigned name, double hours, const report::TextStyle& style) {
    return common::WideToUtf8(resources::PlainStringIn(style.languageCode, name) + L" " +
                              report::FormatClockTime(hours, style.twelveHourClock));
}

}  // namespace

std::vector<CalendarEvent> SpanEvents(const std::vector<almanac::SpanDay>& days, const zones::Zone& zone,
                                      const std::vector<std::string>& kinds, const report::TextStyle& style) {
    const auto asked = [&](const char* kind) { return std::find(kinds.begin(), kinds.end(), kind) != kinds.end(); };
    std::vector<CalendarEvent> events;
    for (const almanac::SpanDay& day : days) {
        const report::DayReport& r = day.day.report;
        if (r.ephemerisValid) {
            for (const ReportEvent& event : kReportEvents) {
                if (!asked(event.kind) || !event.Occurs(r)) continue;
                CalendarEvent calendarEvent{r.date, event.uidPart, {}, Summary(event.name, event.Hours(r), style)};
                if (report::EventInstant(zone.rule, r.date, event.Hours(r), calendarEvent.universal)) {
                    events.push_back(std::move(calendarEvent));
                }
            }
        }
        if (day.phase && asked("phases")) {
            events.push_back({r.date, "phase", day.phase->universal,
                              common::WideToUtf8(almanac::PrincipalPhaseText(*day.phase, style))});
        }
    }
    return events;
}

}  // namespace calendar
