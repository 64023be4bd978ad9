// Saving the main window's place, zone, coordinates and position when it closes, and restoring
// its position when it opens.
#include "almanax_dlg.h"
#include "settings/app_settings.h"

void CAlmanaxDlg::OnClose() {
    using namespace settings;
    StopDownload();
    if (!IsIconized()) {
        const wxRect rect = GetRect();
        WriteSettingDword(kSettingWindowPosLeft, rect.GetLeft());
        WriteSettingDword(kSettingWindowPosTop, rect.GetTop());
        WriteSettingDword(kSettingWindowPosRight, rect.GetRight() + 1);
        WriteSettingDword(kSettingWindowPosBottom, rect.GetBottom() + 1);
    }
    WriteSettingDword(kSettingContinent, m_continentList.GetSelection());
    WriteSettingDword(kSettingCountry, m_countryList.GetSelection());
    WriteSettingDword(kSettingCity, m_cityList.GetSelection());
    WriteSettingDword(kSettingState, m_stateList.GetSelection());
    WriteSettingDword(kSettingTimeZone, m_timeZoneList.GetSelection());
    WriteSettingString(kSettingLatitude, m_latitudeText);
    WriteSettingString(kSettingLongitude, m_longitudeText);
    m_countryList.Reset();
    m_stateList.Reset();
    m_cityList.Reset();
    EndDialog(wxID_CANCEL);
}

void CAlmanaxDlg::RestoreWindowPosition() {
    using namespace settings;
    const int left = ReadSettingDword(kSettingWindowPosLeft);
    const int top = ReadSettingDword(kSettingWindowPosTop);
    const int right = ReadSettingDword(kSettingWindowPosRight);
    const int bottom = ReadSettingDword(kSettingWindowPosBottom);
    if (left != 0 || top != 0 || right != 0 || bottom != 0) {
        Move(left, top);
        Raise();
    }
}
