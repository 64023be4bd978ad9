#include "month_table.h"

namespace almanac {

MonthTable::MonthTable(const astro::CalendarDate& selected, const astro::CalendarDate& today)
    : m_year(selected.year), m_month(selected.month), m_selected(selected), m_today(today) {}

bool MonthTable::CanGoBack() const { return MonthSpan(m_year, m_month).first > kFirstDate; }
bool MonthTable::CanGoOn() const { return MonthSpan(m_year, m_month).last < kLastDate; }

bool MonthTable::GoBack() {
    if (!CanGoBack()) return false;
    if (--m_month == 0) {
        m_month = 12;
        --m_year;
    }
    return true;
}

bool MonthTable::GoOn() {
    if (!CanGoOn()) return false;
    if (++m_month == 13) {
        m_month = 1;
        ++m_year;
    }
    return true;
}

int MonthTable::RowOf(const astro::CalendarDate& date) const {
    return date.year == m_year && date.month == m_month ? date.day - 1 : -1;
}

astro::CalendarDate MonthTable::DateOfRow(int row) const {
    return {static_cast<std::uint16_t>(m_year), static_cast<std::uint16_t>(m_month), static_cast<std::uint16_t>(row + 1)};
}

std::vector<SpanTableRow> MonthTableRows(const std::vector<SpanDay>& days, const report::TextStyle& style) {
    std::vector<SpanTableRow> rows;
    rows.reserve(days.size());
    for (const SpanDay& day : days) rows.push_back(SpanTableRowOf(day, style));
    return rows;
}

}  // namespace almanac
