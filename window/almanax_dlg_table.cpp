// The main window's month table: the selected place, zone and date handed to the table, and a row
// chosen there shown here.
#include "almanax_dlg.h"
#include "common/utf8_text.h"
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
