#include "report_output.h"

#include <algorithm>
#include <vector>

#include "common/utf8_text.h"
#include "ephemeris_json.h"
#include "report/phase_picture.h"
#include "report/value_formatting.h"
#include "almanac/day_light_rows.h"
#include "almanac/report_fields.h"
#include "report_lines.h"
#include "resources/string_ids.h"
#include "resources/string_table.h"

namespace cli {

namespace {

using common::WideToUtf8;

void WriteEvent(JsonWriter& json, const char* name, const report::DayEvent& event) {
    json.Key(name);
    json.BeginObject();
    json.Key("hours");
    json.Number(event.hours);
    json.Key("occurs");
    json.Bool(event.occurs);
    json.EndObject();
}

void WriteSpan(JsonWriter& json, const char* name, const report::TwilightSpan& span) {
    json.Key(name);
    json.BeginObject();
    json.Key("begin");
    json.Number(span.begin);
    json.Key("end");
    json.Number(span.end);
    json.Key("occurs");
    json.Bool(span.occurs);
    json.EndObject();
}

// A value that exists only with its event.
void WriteValueIf(JsonWriter& json, const char* name, bool exists, double value) {
    json.Key(name);
    if (exists) {
        json.Number(value);
    } else {
        json.Null();
    }
}

void WriteText(JsonWriter& json, const char* name, const std::wstring& text, bool exists = true) {
    json.Key(name);
    if (exists) {
        json.String(WideToUtf8(text));
    } else {
        json.Null();
    }
}

}  // namespace

void WriteReportMembers(JsonWriter& json, const almanac::AlmanacDay& day, const zones::Zone& zone) {
    const report::DayReport& r = day.report;
    const bool valid = r.ephemerisValid;
    json.Key("report");
    json.BeginObject();
    json.Key("year"); json.Integer(r.date.year);
    json.Key("month"); json.Integer(r.date.month);
    json.Key("day"); json.Integer(r.date.day);
    json.Key("weekday"); json.Integer(r.weekday);
    json.Key("utcOffsetHours"); json.Number(r.utcOffsetHours);
    json.Key("ephemerisValid"); json.Bool(valid);
    if (valid) {
        WriteEvent(json, "sunrise", r.sunrise);
        WriteEvent(json, "sunset", r.sunset);
        WriteEvent(json, "sunCulmination", r.sunCulmination);
        WriteEvent(json, "moonrise", r.moonrise);
        WriteEvent(json, "moonset", r.moonset);
        WriteEvent(json, "moonCulmination", r.moonCulmination);
        WriteValueIf(json, "sunriseAzimuth", r.sunrise.occurs, r.sunriseAzimuth);
        WriteValueIf(json, "sunsetAzimuth", r.sunset.occurs, r.sunsetAzimuth);
        WriteValueIf(json, "sunCulminationAltitude", r.sunCulmination.occurs, r.sunCulminationAltitude);
        WriteValueIf(json, "sunDeclination", true, r.sunDeclination);
        WriteValueIf(json, "equationOfTimeMinutes", true, r.equationOfTimeMinutes);
        WriteValueIf(json, "moonriseAzimuth", r.moonrise.occurs, r.moonriseAzimuth);
        WriteValueIf(json, "moonsetAzimuth", r.moonset.occurs, r.moonsetAzimuth);
        WriteValueIf(json, "moonCulminationAltitude", r.moonCulmination.occurs,
                     r.moonCulminationAltitude);
        WriteValueIf(json, "moonDeclination", r.moonCulmination.occurs, r.moonDeclination);
        json.Key("moonRiseRowFirst"); json.Bool(r.moonRiseRowFirst);
        json.Key("illuminatedFraction"); json.Number(r.illuminatedFraction);
        json.Key("phaseIndex"); json.Integer(r.phaseIndex);
        json.Key("southernHemisphere"); json.Bool(r.southernHemisphere);
        json.Key("dayLengthHours"); json.Number(r.dayLengthHours);
        WriteSpan(json, "astronomicalTwilight", r.astronomicalTwilight);
        WriteSpan(json, "nauticalTwilight", r.nauticalTwilight);
        WriteSpan(json, "civilTwilight", r.civilTwilight);
    }
    json.Key("nextNewMoon");
    WriteDateTime(json, r.nextNewMoon);
    json.Key("nextFullMoon");
    WriteDateTime(json, r.nextFullMoon);
    json.Key("fullMoonFirst"); json.Bool(r.fullMoonFirst);
    json.EndObject();

    json.Key("texts");
    json.BeginObject();
    for (const almanac::ReportField& field : almanac::ReportFields()) {
        WriteText(json, field.key, day.texts.*field.text, almanac::HasValue(field, r));
    }
    WriteText(json, "zoneName", day.zoneLabel);
    json.EndObject();

    json.Key("phasePicture");
    if (valid) {
        json.Integer(report::PhasePictureId(r.phaseIndex, r.southernHemisphere));
    } else {
        json.Null();
    }
    json.Key("zone");
    json.String(zone.id);
}

namespace {

// An edge of the golden or the blue hour, as the report's events: {"hours", "occurs"}.
void WritePeriod(JsonWriter& json, const char* name, const almanac::LightPeriod& period) {
    json.Key(name);
    json.BeginObject();
    WriteEvent(json, "morningBegin", period.morningBegin);
    WriteEvent(json, "morningEnd", period.morningEnd);
    WriteEvent(json, "eveningBegin", period.eveningBegin);
    WriteEvent(json, "eveningEnd", period.eveningEnd);
    json.EndObject();
}

}  // namespace

void WriteLightMembers(JsonWriter& json, const almanac::DayLight& light) {
    if (!light.valid) return;
    WritePeriod(json, "goldenHour", light.goldenHour);
    WritePeriod(json, "blueHour", light.blueHour);
    json.Key("polar");
    json.BeginObject();
    json.Key("state");
    json.String(almanac::PolarStateName(light.polar));
    json.Key("ends");
    if (light.polarEnds) {
        WriteDateTime(json, *light.polarEnds);
    } else {
        json.Null();
    }
    json.EndObject();
    json.Key("whiteNight");
    json.String(almanac::WhiteNightName(light.whiteNight));
    json.Key("samples");
    json.BeginArray();
    for (const almanac::LightSample& sample : light.samples) {
        json.BeginObject();
        json.Key("hours"); json.Number(sample.hours);
        json.Key("sunAltitude"); json.Number(sample.sunAltitude);
        json.Key("moonAltitude"); json.Number(sample.moonAltitude);
        json.Key("moonFraction"); json.Number(sample.moonFraction);
        json.EndObject();
    }
    json.EndArray();
}

namespace {

struct Line {
    std::wstring caption;
    std::wstring value;
    std::wstring second;  // an azimuth or a twilight's end
    bool shown = false;
};

// The lines with the caption column captionWidth wide at least and the value column of the lines
// with a second column valueWidth wide at least; no spaces at the ends of lines.
std::wstring AlignedLines(const std::vector<Line>& lines, std::size_t& captionWidth, std::size_t& valueWidth) {
    for (const Line& line : lines) {
        captionWidth = std::max(captionWidth, line.caption.size());
        if (!line.second.empty()) valueWidth = std::max(valueWidth, line.value.size());
    }
    std::wstring out;
    for (const Line& line : lines) {
        std::wstring text = line.caption + std::wstring(captionWidth + 2 - line.caption.size(), L' ') +
                            line.value;
        if (!line.second.empty()) {
            text += std::wstring(valueWidth + 3 - line.value.size(), L' ') + line.second;
        }
        while (!text.empty() && text.back() == L' ') text.pop_back();
        out += text + L'\n';
    }
    return out;
}

// The day's light below the report, the captions of its periods' rows indented.
std::vector<Line> LightLines(const almanac::DayLight& light, const report::TextStyle& style) {
    std::vector<Line> lines;
    for (const almanac::LightRow& row : almanac::DayLightRows(light, style)) {
        lines.push_back({(row.indented ? L"  " : L"") + row.caption, row.value, row.second, true});
    }
    return lines;
}

}  // namespace

std::string DayJson(const almanac::AlmanacDay& day, const almanac::DayLight& light,
                    const zones::Zone& zone, bool oneLine) {
    JsonWriter json(oneLine);
    json.BeginObject();
    WriteEphemerisMembers(json, day.ephemeris, day.phases);
    WriteReportMembers(json, day, zone);
    WriteLightMembers(json, light);
    json.EndObject();
    return json.Text();
}

std::string ReportRows(const almanac::AlmanacDay& day, const almanac::DayLight& light,
                       const zones::Zone& zone, const report::TextStyle& style) {
    using namespace almanac;
    const report::DayReport& r = day.report;
    auto text = [&](unsigned id) { return resources::LocalizedStringIn(style.languageCode, id); };
    std::vector<Line> lines(kLineCount);
    lines[kZoneListLine] = {text(resources::kCaptionTimeZone), zone.listText, L"", true};
    lines[kZoneLabelLine] = {L"", day.zoneLabel, L"", true};
    if (r.ephemerisValid) {
        lines[kTwilightHeadingLine] = {text(resources::kCaptionTwilight), L"", L"", true};
    }
    for (const ReportField& field : ReportFields()) {
        const FieldLine* place = FieldLineOf(field.key);
        if (place == nullptr || !HasValue(field, r)) continue;
        Line& line = lines[static_cast<std::size_t>(place->line)];
        line.shown = true;
        const std::wstring caption = field.captionId != 0 ? text(field.captionId) : L"";
        if (place->secondColumn) {
            line.second = (caption.empty() ? L"" : caption + L" ") + day.texts.*field.text;
        } else {
            const bool indented = place->line >= kFirstTwilightLine && place->line <= kLastTwilightLine;
            line.caption = (indented ? L"  " : L"") + caption;
            line.value = day.texts.*field.text;
        }
    }
    if (!r.moonRiseRowFirst) std::swap(lines[kMoonriseLine], lines[kMoonsetLine]);
    if (r.fullMoonFirst) std::swap(lines[kNewMoonLine], lines[kFullMoonLine]);
    std::erase_if(lines, [](const Line& line) { return !line.shown; });

    // The report's rows keep their own alignment; the light's rows follow it where they fit.
    std::size_t captionWidth = 0;
    std::size_t valueWidth = 0;
    std::wstring out = AlignedLines(lines, captionWidth, valueWidth);
    out += AlignedLines(LightLines(light, style), captionWidth, valueWidth);
    return WideToUtf8(out);
}

}  // namespace cli
