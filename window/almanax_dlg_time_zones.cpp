// The main window's time-zone list, its label, and the zone the report uses.
#include <wx/odcombo.h>

#include "almanax_dlg.h"
#include "zones/system_time_zone.h"

void CAlmanaxDlg::FillTimeZoneList(int storedPosition) {
    const zones::SystemTimeZone system = zones::CurrentSystemTimeZone();
    std::vector<std::pair<std::wstring, std::size_t>> items;
    items.reserve(m_timeZones.size());
    for (std::size_t i = 0; i < m_timeZones.size(); ++i) items.emplace_back(m_timeZones[i].displayName, i);
    m_timeZoneList.FillItems(std::move(items));
    const std::string systemKey =
        zones::CatalogueKeyOfSystemZone(m_timeZones, system, zones::kSystemZoneInfoFolder);
    m_timeZoneList.SetSelection(zones::InitialTimeZonePosition(
        m_timeZones, zones::SortedTimeZoneOrder(m_timeZones), storedPosition, systemKey));
}

zones::TimeZoneInformation CAlmanaxDlg::GetSelectedTimeZone() const {
    if (const std::size_t* entry = m_timeZoneList.ItemRecord(m_timeZoneList.GetSelection())) {
        return m_timeZones[*entry].rule;
    }
    return zones::CurrentSystemTimeZone().rule.rule;
}

void CAlmanaxDlg::ShowTimeZoneName() {
    const std::size_t* entry = m_timeZoneList.ItemRecord(m_timeZoneList.GetSelection());
    if (entry == nullptr) return;
    m_zoneCaptionText = zones::TimeZoneLabel(m_timeZones[*entry], m_day.report.date);
    WriteBoundTexts();
}

void CAlmanaxDlg::OnTimeZoneChanged() {
    ShowTimeZoneName();
    RefreshReport();
}
