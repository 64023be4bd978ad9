#include "span_calendar.h"

#include <libical/ical.h>

#include <charconv>
#include <cstdio>
#include <memory>

#include "calendar_events.h"

namespace calendar {

namespace {

icaltimetype UtcTime(const astro::CivilDateTime& when) {
    icaltimetype time = icaltime_null_time();
    time.year = when.year;
    time.month = when.month;
    time.day = when.day;
    time.hour = when.hour;
    time.minute = when.minute;
    time.second = when.second;
    return icaltime_set_timezone(&time, icaltimezone_get_utc_timezone());
}

// Degrees with four decimals and a point whatever the process locale: 11 m on the ground, enough to
// tell two places apart without a UID changing with the last digits of a typed coordinate.
std::string Degrees(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 4);
    return std::string(buffer, result.ptr);
}

std::string Uid(const CalendarEvent& event, const places::Observer& place) {
    char date[16];
    std::snprintf(date, sizeof date, "%04u%02u%02u", static_cast<unsigned>(event.date.year),
                  static_cast<unsigned>(event.date.month), static_cast<unsigned>(event.date.day));
    return std::string(date) + "-" + event.kind + "-" + Degrees(place.latitudeDeg) + "-" +
           Degrees(place.longitudeDeg) + "@almanaxium";
}

struct ComponentFree {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};

}  // namespace

std::string SpanCalendar(const std::vector<almanac::SpanDay>& days, const places::Observer& place,
                         const std::vector<std::string>& events, const report::TextStyle& style) {
    std::unique_ptr<icalcomponent, ComponentFree> file(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
    icalcomponent_add_property(file.get(), icalproperty_new_prodid("-//Qelt//Almanaxium//EN"));
    icalcomponent_add_property(file.get(), icalproperty_new_version("2.0"));
    // One stamp for the whole file: the moment it was made.
    const icaltimetype stamp = icaltime_current_time_with_zone(icaltimezone_get_utc_timezone());
    for (const CalendarEvent& event : SpanEvents(days, place.zone, events, style)) {
        icalcomponent* vevent = icalcomponent_new(ICAL_VEVENT_COMPONENT);
        icalcomponent_add_property(vevent, icalproperty_new_uid(Uid(event, place).c_str()));
        icalcomponent_add_property(vevent, icalproperty_new_dtstamp(stamp));
        icalcomponent_add_property(vevent, icalproperty_new_dtstart(UtcTime(event.universal)));
        icalcomponent_add_property(vevent, icalproperty_new_summary(event.summary.c_str()));
        icalcomponent_add_property(vevent, icalproperty_new_location(place.name.c_str()));
        icalcomponent_add_property(vevent, icalproperty_new_geo({place.latitudeDeg, place.longitudeDeg}));
        // An instant, not a stretch of time: it does not block the day.
        icalcomponent_add_property(vevent, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
        icalcomponent_add_component(file.get(), vevent);
    }
    char* text = icalcomponent_as_ical_string_r(file.get());
    std::string calendarText = text ? text : "";
    icalmemory_free_buffer(text);
    return calendarText;
}

}  // namespace calendar
