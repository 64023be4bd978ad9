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
        // The phase names stand every second name in the table of the eight phases.
        const unsigned name = resources::kTextFirstPhase + 2 * static_cast<unsigned>(day.phase->phase);
        const zones::LocalDateTime& when = day.phase->when;
        row.cells.back() = resources::LoadPlainString(name) + L" " +
                           report::FormatClockTime(when.hour + when.minute / 60.0, twelveHourClock);
        row.principalPhase = true;
    }
    return row;
}

}  // namespace almanac
