#include "span_csv.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <functional>

#include "common/utf8_text.h"

namespace almanac {

namespace {

using report::DayEvent;
using report::DayReport;

std::string Fixed(double value, int decimals) {
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    return std::string(text, result.ptr);
}

std::string TwoDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

// The clock time the report's text shows, "07:55".
std::string Clock(double hours) {
    const report::ClockMinute clock = report::RoundedClockTime(hours);
    return TwoDigits(clock.hour) + ":" + TwoDigits(clock.minute);
}

std::string Event(const DayEvent& event) { return event.occurs ? Clock(event.hours) : std::string(); }

std::string IsoDate(int year, int month, int day) {
    return std::to_string(year) + "-" + TwoDigits(month) + "-" + TwoDigits(day);
}

std::string IsoDateTime(const zones::LocalDateTime& t) {
    return IsoDate(t.year, t.month, t.day) + "T" + TwoDigits(t.hour) + ":" + TwoDigits(t.minute) + ":" +
           TwoDigits(t.second);
}

std::string Offset(double hours) {
    const long minutes = std::lround(hours * 60);
    const long size = std::labs(minutes);
    return std::string(minutes < 0 ? "-" : "+") + TwoDigits(static_cast<int>(size / 60)) + ":" +
           TwoDigits(static_cast<int>(size % 60));
}

std::string Duration(double hours) {
    const long total = report::DayLengthSeconds(hours);
    return TwoDigits(static_cast<int>(total / 3600)) + ":" + TwoDigits(static_cast<int>((total / 60) % 60)) + ":" +
           TwoDigits(static_cast<int>(total % 60));
}

std::string Percent(double fraction) {
    const int percent = report::VisiblePercent(fraction);
    return std::to_string(percent / 100) + "." + TwoDigits(percent % 100);
}

const char* PhaseKey(astro::PrincipalPhase phase) {
    switch (phase) {
        case astro::PrincipalPhase::kNewMoon: return "newMoon";
        case astro::PrincipalPhase::kFirstQuarter: return "firstQuarter";
        case astro::PrincipalPhase::kFullMoon: return "fullMoon";
        case astro::PrincipalPhase::kLastQuarter: return "lastQuarter";
    }
    return "";
}

using Cell = std::function<std::string(const SpanDay&)>;

struct Column {
    const char* name;
    Cell value;
};

Cell EventCell(DayEvent DayReport::*event) {
    return [event](const SpanDay& d) { return Event(d.day.report.*event); };
}

// A value that belongs to an event: empty when the event does not occur.
Cell ValueCell(DayEvent DayReport::*event, double DayReport::*value, int decimals) {
    return [=](const SpanDay& d) {
        const DayReport& r = d.day.report;
        return (r.*event).occurs ? Fixed(r.*value, decimals) : std::string();
    };
}

Cell TwilightCell(report::TwilightSpan DayReport::*twilight, double report::TwilightSpan::*edge) {
    return [=](const SpanDay& d) {
        const report::TwilightSpan& span = d.day.report.*twilight;
        return span.occurs ? Clock(span.*edge) : std::string();
    };
}

const std::vector<Column>& Columns() {
    using R = DayReport;
    using T = report::TwilightSpan;
    static const std::vector<Column> columns = {
        {"date", [](const SpanDay& d) { const auto& t = d.day.report.date; return IsoDate(t.year, t.month, t.day); }},
        // ISO 8601's weekday numbers: 1 is Monday, 7 Sunday.
        {"weekday", [](const SpanDay& d) { return std::to_string(d.day.report.weekday == 0 ? 7 : d.day.report.weekday); }},
        {"utcOffset", [](const SpanDay& d) { return Offset(d.day.report.utcOffsetHours); }},
        {"sunrise", EventCell(&R::sunrise)},
        {"sunriseAzimuth", ValueCell(&R::sunrise, &R::sunriseAzimuth, 0)},
        {"sunset", EventCell(&R::sunset)},
        {"sunsetAzimuth", ValueCell(&R::sunset, &R::sunsetAzimuth, 0)},
        {"sunCulmination", EventCell(&R::sunCulmination)},
        {"sunCulminationAltitude", ValueCell(&R::sunCulmination, &R::sunCulminationAltitude, 1)},
        {"sunDeclination", [](const SpanDay& d) { return Fixed(d.day.report.sunDeclination, 1); }},
        {"equationOfTime", [](const SpanDay& d) { return Fixed(d.day.report.equationOfTimeMinutes, 2); }},
        {"dayLength", [](const SpanDay& d) { return Duration(d.day.report.dayLengthHours); }},
        {"astronomicalTwilightBegin", TwilightCell(&R::astronomicalTwilight, &T::begin)},
        {"astronomicalTwilightEnd", TwilightCell(&R::astronomicalTwilight, &T::end)},
        {"nauticalTwilightBegin", TwilightCell(&R::nauticalTwilight, &T::begin)},
        {"nauticalTwilightEnd", TwilightCell(&R::nauticalTwilight, &T::end)},
        {"civilTwilightBegin", TwilightCell(&R::civilTwilight, &T::begin)},
        {"civilTwilightEnd", TwilightCell(&R::civilTwilight, &T::end)},
        {"moonrise", EventCell(&R::moonrise)},
        {"moonriseAzimuth", ValueCell(&R::moonrise, &R::moonriseAzimuth, 0)},
        {"moonset", EventCell(&R::moonset)},
        {"moonsetAzimuth", ValueCell(&R::moonset, &R::moonsetAzimuth, 0)},
        {"moonCulmination", EventCell(&R::moonCulmination)},
        {"moonCulminationAltitude", ValueCell(&R::moonCulmination, &R::moonCulminationAltitude, 1)},
        // The Moon's declination is taken at its culmination.
        {"moonDeclination", ValueCell(&R::moonCulmination, &R::moonDeclination, 1)},
        {"visibleFraction", [](const SpanDay& d) { return Percent(d.day.report.illuminatedFraction); }},
        {"phase", [](const SpanDay& d) { return common::WideToUtf8(d.day.texts.phase); }},
        {"principalPhase", [](const SpanDay& d) { return d.phase ? std::string(PhaseKey(d.phase->phase)) : std::string(); }},
        {"principalPhaseTime", [](const SpanDay& d) { return d.phase ? IsoDateTime(d.phase->when) : std::string(); }},
        {"nextNewMoon", [](const SpanDay& d) { return IsoDateTime(d.day.report.nextNewMoon); }},
        {"nextFullMoon", [](const SpanDay& d) { return IsoDateTime(d.day.report.nextFullMoon); }},
    };
    return columns;
}

// A field with a separator, a quote or a line end is quoted, its quotes doubled.
void AppendField(std::string& out, const std::string& field) {
    if (field.find_first_of(",\"\r\n") == std::string::npos) {
        out += field;
        return;
    }
    out += '"';
    for (const char ch : field) {
        if (ch == '"') out += '"';
        out += ch;
    }
    out += '"';
}

}  // namespace

std::string SpanCsv(const std::vector<SpanDay>& days) {
    std::string out;
    const std::vector<Column>& columns = Columns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (i > 0) out += ',';
        out += columns[i].name;
    }
    out += "\r\n";
    for (const SpanDay& day : days) {
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (i > 0) out += ',';
            AppendField(out, columns[i].value(day));
        }
        out += "\r\n";
    }
    return out;
}

}  // namespace almanac
