#include "report_output.h"

#include <algorithm>
#include <vector>

#include "common/utf8_text.h"
#include "report/phase_picture.h"
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

void WriteReportMembers(JsonWriter& json, const report::DayReport& r,
                        const report::DayReportTexts& t, const ZoneDescription& zone) {
    const bool valid = r.ephemerisValid;
    json.Key("report");
    json.BeginObject();
    json.Key("year"); json.Integer(r.year);
    json.Key("month"); json.Integer(r.month);
    json.Key("day"); json.Integer(r.day);
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
    WriteText(json, "date", t.date);
    WriteText(json, "sunrise", t.sunrise, valid);
    WriteText(json, "sunset", t.sunset, valid);
    WriteText(json, "sunriseAzimuth", t.sunriseAzimuth, valid);
    WriteText(json, "sunsetAzimuth", t.sunsetAzimuth, valid);
    WriteText(json, "sunCulmination", t.sunCulmination, valid);
    WriteText(json, "sunDeclination", t.sunDeclination, valid);
    WriteText(json, "equationOfTime", t.equationOfTime, valid);
    WriteText(json, "moonrise", t.moonrise, valid);
    WriteText(json, "moonset", t.moonset, valid);
    WriteText(json, "moonriseAzimuth", t.moonriseAzimuth, valid);
    WriteText(json, "moonsetAzimuth", t.moonsetAzimuth, valid);
    WriteText(json, "moonCulmination", t.moonCulmination, valid);
    WriteText(json, "moonDeclination", t.moonDeclination, valid);
    WriteText(json, "visibility", t.visibility, valid);
    WriteText(json, "phase", t.phase, valid);
    WriteText(json, "dayLength", t.dayLength, valid);
    WriteText(json, "astronomicalTwilightBegin", t.astronomicalTwilightBegin, valid);
    WriteText(json, "astronomicalTwilightEnd", t.astronomicalTwilightEnd, valid);
    WriteText(json, "nauticalTwilightBegin", t.nauticalTwilightBegin, valid);
    WriteText(json, "nauticalTwilightEnd", t.nauticalTwilightEnd, valid);
    WriteText(json, "civilTwilightBegin", t.civilTwilightBegin, valid);
    WriteText(json, "civilTwilightEnd", t.civilTwilightEnd, valid);
    WriteText(json, "nextNewMoon", t.nextNewMoon);
    WriteText(json, "nextFullMoon", t.nextFullMoon);
    WriteText(json, "zoneName", zone.label);
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

// Caption ids of the main window.
enum Caption : unsigned {
    kDate = 121, kTimezone = 122, kSunrise = 123, kSunset = 124, kMoonrise = 125, kMoonset = 126,
    kSunCulmination = 127, kMoonCulmination = 128, kTwilight = 129, kAstronomical = 130,
    kNautical = 131, kCivil = 132, kDayLength = 133, kVisibility = 134, kPhase = 135,
    kNextNewMoon = 136, kNextFullMoon = 137, kAzimuth = 163, kDeclination = 166,
    kEquationOfTime = 167,
};

struct Row {
    std::wstring caption;
    std::wstring value;
    std::wstring second;  // an azimuth or a twilight's end
};

}  // namespace

std::string ReportRows(const report::DayReport& r, const report::DayReportTexts& t,
                       const ZoneDescription& zone) {
    auto caption = [](unsigned id) { return resources::LoadLocalizedString(id); };
    const std::wstring azimuth = caption(kAzimuth) + L" ";
    std::vector<Row> rows;
    rows.push_back({caption(kDate), t.date, L""});
    rows.push_back({caption(kTimezone), zone.list, L""});
    rows.push_back({L"", zone.label, L""});
    if (r.ephemerisValid) {
        rows.push_back({caption(kSunrise), t.sunrise, azimuth + t.sunriseAzimuth});
        rows.push_back({caption(kSunset), t.sunset, azimuth + t.sunsetAzimuth});
        rows.push_back({caption(kSunCulmination), t.sunCulmination, L""});
        rows.push_back({caption(kDeclination), t.sunDeclination, L""});
        rows.push_back({caption(kEquationOfTime), t.equationOfTime, L""});
        rows.push_back({caption(kDayLength), t.dayLength, L""});
        rows.push_back({caption(kTwilight), L"", L""});
        rows.push_back({L"  " + caption(kAstronomical), t.astronomicalTwilightBegin,
                        t.astronomicalTwilightEnd});
        rows.push_back({L"  " + caption(kNautical), t.nauticalTwilightBegin, t.nauticalTwilightEnd});
        rows.push_back({L"  " + caption(kCivil), t.civilTwilightBegin, t.civilTwilightEnd});
        const Row moonrise{caption(kMoonrise), t.moonrise, azimuth + t.moonriseAzimuth};
        const Row moonset{caption(kMoonset), t.moonset, azimuth + t.moonsetAzimuth};
        rows.push_back(r.moonRiseRowFirst ? moonrise : moonset);
        rows.push_back(r.moonRiseRowFirst ? moonset : moonrise);
        rows.push_back({caption(kMoonCulmination), t.moonCulmination, L""});
        rows.push_back({caption(kDeclination), t.moonDeclination, L""});
        rows.push_back({caption(kVisibility), t.visibility, L""});
        rows.push_back({caption(kPhase), t.phase, L""});
    }
    const Row newMoon{caption(kNextNewMoon), t.nextNewMoon, L""};
    const Row fullMoon{caption(kNextFullMoon), t.nextFullMoon, L""};
    rows.push_back(r.fullMoonFirst ? fullMoon : newMoon);
    rows.push_back(r.fullMoonFirst ? newMoon : fullMoon);

    std::size_t captionWidth = 0;
    std::size_t valueWidth = 0;
    for (const Row& row : rows) {
        captionWidth = std::max(captionWidth, row.caption.size());
        if (!row.second.empty()) valueWidth = std::max(valueWidth, row.value.size());
    }
    std::wstring out;
    for (const Row& row : rows) {
        std::wstring line = row.caption + std::wstring(captionWidth + 2 - row.caption.size(), L' ') +
                            row.value;
        if (!row.second.empty()) {
            line += std::wstring(valueWidth + 3 - row.value.size(), L' ') + row.second;
        }
        while (!line.empty() && line.back() == L' ') line.pop_back();
        out += line + L'\n';
    }
    return WideToUtf8(out);
}

}  // namespace cli
