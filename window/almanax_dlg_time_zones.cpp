// The main window's time-zone list, its label, and the zone the report uses.
#include "almanax_dlg.h"

void CAlmanaxDlg::FillTimeZoneList(int storedPosition) {
    m_timeZoneList.FillItems(m_zoneSelection.ListItems());
    m_timeZoneList.SetSelection(m_zoneSelection.InitialPosition(storedPosition));
}

zones::TimeZoneInformation CAlmanaxDlg::GetSelectedTimeZone() const {
    return m_zoneSelection.RuleAt(m_timeZoneList.GetSelection());
}

void CAlmanaxDlg::ShowTimeZoneName() {
    const std::optional<std::wstring> label = m_zoneSelection.LabelAt(
        m_timeZoneList.GetSelection(), m_day.report.date);
    if (!label) return;
    m_zoneCaptionText = *label;
    WriteBoundTexts();
}

void CAlmanaxDlg::OnTimeZoneChanged() {
    ShowTimeZoneName();
    RefreshReport();
}
