#include "span_table.h"

#include "resources/string_ids.h"
#include "resources/string_table.h"

namespace almanac {

SpanTableCells SpanTableHeadings() {
    SpanTableCells headings;
    for (std::size_t i = 0; i < kSpanTableColumns; ++i) {
        headings[i] = resources::LoadPlainString(resources::kTextTableDate + static_cast<unsigned>(i));
    }
    return headings;
}

SpanTableRow SpanTableRowOf(const SpanDay& day, bool twelveHourClock) {
    const report::DayReport& r = day.day.report;
    const report::DayReportTexts& t = day.day.texts;
    SpanTableRow row;
    row.date = r.date;
    row.cells = {report::FormatWeekdayDate(r.date.year, r.date.month, r.date.day),
                 t.sunrise, t.sunset, t.dayLength, t.civilTwilightBegin, t.civilTwilightEnd,
                 t.moonrise, t.moonset, t.visibility, std::wstring()};
    if (day.phase) {
        row.cells.back() = PrincipalPhaseText(*day.phase, twelveHourClock);
        row.principalPhase = true;
    }
    return row;
}

std::wstring PrincipalPhaseText(const PhaseOnDay& phase, bool twelveHourClock) {
    // The phase names stand every second name in the table of the eight phases.
    const unsigned name = resources::kTextFirstPhase + 2 * static_cast<unsigned>(phase.phase);
    return resources::LoadPlainString(name) + L" " +
           report::FormatClockTime(phase.when.hour + phase.when.minute / 60.0, twelveHourClock);
}

}  // namespace almanac
