#include "day_light_rows.h"

#include "report/value_formatting.h"
#include "resources/string_ids.h"
#include "resources/string_table.h"

namespace almanac {

std::vector<LightRow> DayLightRows(const DayLight& light, bool twelveHourClock) {
    std::vector<LightRow> rows;
    if (!light.valid) return rows;
    auto edge = [&](const report::DayEvent& event) {
        return event.occurs ? report::FormatClockTime(event.hours, twelveHourClock) : std::wstring(L"-");
    };
    auto period = [&](unsigned captionId, const LightPeriod& p) {
        rows.push_back({resources::LoadLocalizedString(captionId), L"", L"", false});
        rows.push_back({resources::LoadLocalizedString(resources::kCaptionMorning), edge(p.morningBegin),
                        edge(p.morningEnd), true});
        rows.push_back({resources::LoadLocalizedString(resources::kCaptionEvening), edge(p.eveningBegin),
                        edge(p.eveningEnd), true});
    };
    period(resources::kCaptionGoldenHour, light.goldenHour);
    period(resources::kCaptionBlueHour, light.blueHour);
    if (light.whiteNight != WhiteNight::kNone) {
        const unsigned textId = resources::kTextNoAstronomicalNight + static_cast<unsigned>(light.whiteNight) -
                                static_cast<unsigned>(WhiteNight::kNoAstronomicalNight);
        rows.push_back({resources::LoadLocalizedString(resources::kCaptionWhiteNight),
                        resources::LoadLocalizedString(textId), L"", false});
    }
    if (light.polar != PolarState::kNone) {
        const unsigned captionId = light.polar == PolarState::kPolarDay ? resources::kCaptionPolarDayUntil
                                                                        : resources::kCaptionPolarNightUntil;
        rows.push_back({resources::LoadLocalizedString(captionId),
                        light.polarEnds ? report::FormatPhaseDate(*light.polarEnds) : L"-", L"", false});
    }
    return rows;
}

}  // namespace almanac
