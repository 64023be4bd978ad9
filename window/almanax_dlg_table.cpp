// The main window's month table and chart window: the selected place, zone and date handed to the
// table, and a row chosen there shown here; the chart following the report.
#include "almanax_dlg.h"
#include "almanac/day_light.h"
#include "common/utf8_text.h"
#include "day_chart_dlg.h"
#include "month_table_dlg.h"
#include "report/clock_setting.h"

void CAlmanaxDlg::OnMonthTable() {
    MonthTablePlace place;
    place.latitudeDeg = Latitude();
    place.longitudeDeg = Longitude();
    place.zone.rule = GetSelectedTimeZone();
    place.twelveHourClock = report::UserUses12HourClock();
    // A calendar event's location: the city, or the typed coordinates ("-" in the city list).
    const places::PlaceListItems& cities = m_places.Cities();
    const bool city = cities.selection >= 0 && cities.selection < static_cast<int>(cities.texts.size()) &&
                      cities.texts[static_cast<std::size_t>(cities.selection)] != L"-";
    place.name = city ? common::WideToUtf8(cities.texts[static_cast<std::size_t>(cities.selection)])
                      : common::WideToUtf8(m_places.LatitudeText() + L", " + m_places.LongitudeText());
    MonthTableDlg table(this, std::move(place), m_selectedDate, [this](const astro::CalendarDate& date) { ShowDay(date); });
    table.ShowModal();
}

void CAlmanaxDlg::OnChart() {
    if (m_chartWindow == nullptr) m_chartWindow = new DayChartDlg(this);
    RefreshChart();
    m_chartWindow->Show();
    m_chartWindow->Raise();
}

void CAlmanaxDlg::RefreshChart() {
    if (m_chartWindow == nullptr || !m_day.report.ephemerisValid) return;
    almanac::DayZone zone;
    zone.rule = GetSelectedTimeZone();
    const almanac::DayLight light = almanac::ComputeDayLight(m_day, Latitude(), Longitude(), zone);
    m_chartWindow->ShowDay(m_day, light, zone, report::UserUses12HourClock());
}
