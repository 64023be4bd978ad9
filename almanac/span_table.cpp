#include "span_table.h"

#include "resources/string_ids.h"
#include "resources/string_table.h"

namespace almanac {

SpanTableCells SpanTableHeadings(const report::TextStyle& style) {
    static_assert(std::size(resources::kSpanTableHeadingIds) == kSpanTableColumns);
    SpanTableCells headings;
    for (std::size_t i = 0; i < kSpanTableColumns; ++i) {
        headings[i] = resources::PlainStringIn(style.languageCode, resources::kSpanTableHeadingIds[i]);
    }
    return headings;
}

SpanTableRow SpanTableRowOf(const SpanDay& day, const report::TextStyle& style) {
    const report::DayReport& r = day.day.report;
    const report::DayReportTexts& t = day.day.texts;
    SpanTableRow row;
    row.date = r.date;
    row.cells = {report::FormatWeekdayDate(r.date.year, r.date.month, r.date.day),
                 t.sunrise, t.sunset, t.dayLength, t.civilTwilightBegin, t.civilTwilightEnd,
                 t.moonrise, t.moonset, t.visibility, std::wstring()};
    if (day.phase) {
        row.cells.back() = PrincipalPhaseText(*day.phase, style);
        row.principalPhase = true;
    }
    return row;
}

std::wstring PrincipalPhaseText(const PhaseOnDay& phase, const report::TextStyle& style) {
    return resources::PlainStringIn(style.languageCode, PrincipalPhaseNameId(phase.phase)) + L" " +
           report::FormatClockTime(phase.when.hour + phase.when.minute / 60.0, style.twelveHourClock);
}

unsigned PrincipalPhaseNameId(astro::PrincipalPhase phase) {
    switch (phase) {
        case astro::PrincipalPhase::kNewMoon: return resources::kTextPhaseNewMoon;
        case astro::PrincipalPhase::kFirstQuarter: return resources::kTextPhaseFirstQuarter;
        case astro::PrincipalPhase::kFullMoon: return resources::kTextPhaseFullMoon;
        case astro::PrincipalPhase::kLastQuarter: return resources::kTextPhaseLastQuarter;
    }
    return resources::kTextPhaseNewMoon;
}

}  // namespace almanac
