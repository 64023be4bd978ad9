// The month table of the window: which month it shows, its rows, and which of them are today and
// the selected date; the months it may move to are those of the years the almanac computes.
#pragma once

#include <vector>

#include "almanac/span_table.h"

namespace almanac {

class MonthTable {
public:
    // The month of the selected date.
    MonthTable(const astro::CalendarDate& selected, const astro::CalendarDate& today);

    int Year() const { return m_year; }
    int Month() const { return m_month; }
    DaySpan Span() const { return MonthSpan(m_year, m_month); }

    bool CanGoBack() const;
    bool CanGoOn() const;
    // The month before or after; false, changing nothing, at the ends of the years computed.
    bool GoBack();
    bool GoOn();

    // Rows count from 0 for the first of the month; -1 when the date lies in another month.
    int RowOf(const astro::CalendarDate& date) const;
    int SelectedRow() const { return RowOf(m_selected); }
    int TodayRow() const { return RowOf(m_today); }
    astro::CalendarDate DateOfRow(int row) const;
    void Select(const astro::CalendarDate& date) { m_selected = date; }

private:
    int m_year;
    int m_month;
    astro::CalendarDate m_selected;
    astro::CalendarDate m_today;
};

// The month's rows in the interface language, each the day's own report.
std::vector<SpanTableRow> MonthTableRows(const std::vector<SpanDay>& days, const report::TextStyle& style);

}  // namespace almanac
