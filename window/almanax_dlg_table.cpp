// The main window's month table and chart window: the selected place, zone and date handed to the
// table, and a row chosen there shown here; the chart following the report.
#include "almanax_dlg.h"
#include "almanac/day_light.h"
#include "day_chart_dlg.h"
#include "month_table_dlg.h"

void CAlmanaxDlg::OnMonthTable() {
    MonthTableDlg table(this, Observer(), m_style, m_selectedDate,
                        [this](const astro::CalendarDate& date) { ShowDay(date); });
    table.ShowModal();
}

void CAlmanaxDlg::OnChart() {
    if (m_chartWindow == nullptr) m_chartWindow = new DayChartDlg(this);
    RefreshChart(Observer());
    m_chartWindow->Show();
    m_chartWindow->Raise();
}

void CAlmanaxDlg::RefreshChart(const places::Observer& observer) {
    if (m_chartWindow == nullptr || !m_day.report.ephemerisValid) return;
    const almanac::DayLight light = almanac::ComputeDayLight(m_day, observer);
    m_chartWindow->ShowDay(m_day, light, observer.zone, m_style);
}
