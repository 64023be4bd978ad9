#include "day_light_rows.h"

#include "report/value_formatting.h"
#include "resources/string_ids.h"
#include "resources/string_table.h"

namespace almanac {

namespace {

// The text of each white night.
unsigned WhiteNightTextId(WhiteNight night) {
    switch (night) {
        case WhiteNight::kNoAstronomicalNight: return resources::kTextNoAstronomicalNight;
        case WhiteNight::kNoNauticalNight: return resources::kTextNoNauticalNight;
        case WhiteNight::kNoCivilNight: return resources::kTextNoCivilNight;
        case WhiteNight::kNone: break;
    }
    return 0;
}

}  // namespace

std::vector<LightRow> DayLightRows(const DayLight& light, const report::TextStyle& style) {
    auto text = [&](unsigned id) { return resources::LocalizedStringIn(style.languageCode, id); };
    std::vector<LightRow> rows;
    if (!light.valid) return rows;
    auto edge = [&](const report::DayEvent& event) {
        return event.occurs ? report::FormatClockTime(event.hours, style.twelveHourClock) : std::wstring(L"-");
    };
    auto period = [&](unsigned captionId, const LightPeriod& p) {
        rows.push_back({text(captionId), L"", L"", false});
        rows.push_back({text(resources::kCaptionMorning), edge(p.morningBegin),
                        edge(p.morningEnd), true});
        rows.push_back({text(resources::kCaptionEvening), edge(p.eveningBegin),
                        edge(p.eveningEnd), true});
    };
    period(resources::kCaptionGoldenHour, light.goldenHour);
    period(resources::kCaptionBlueHour, light.blueHour);
    if (light.whiteNight != WhiteNight::kNone) {
        rows.push_back({text(resources::kCaptionWhiteNight),
                        text(WhiteNightTextId(light.whiteNight)), L"", false});
    }
    if (light.polar != PolarState::kNone) {
        const unsigned captionId = light.polar == PolarState::kPolarDay ? resources::kCaptionPolarDayUntil
                                                                        : resources::kCaptionPolarNightUntil;
        rows.push_back({text(captionId),
                        light.polarEnds ? report::FormatPhaseDate(*light.polarEnds) : L"-", L"", false});
    }
    return rows;
}

}  // namespace almanac
