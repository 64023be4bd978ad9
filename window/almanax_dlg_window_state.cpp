// Saving the main window's place, zone, coordinates and position when it closes, and restoring
// its position when it opens.
#include "almanax_dlg.h"
#include "settings/window_session.h"

void CAlmanaxDlg::OnClose() {
    StopDownload();
    settings::WindowSession session;
    const wxRect rect = GetRect();
    session.left = rect.GetLeft();
    session.top = rect.GetTop();
    session.right = rect.GetRight() + 1;
    session.bottom = rect.GetBottom() + 1;
    const places::PlacePositions shown = m_places.ShownPositions();
    session.continent = shown.continent;
    session.country = shown.country;
    session.city = shown.city;
    session.state = shown.state;
    session.timeZone = m_timeZoneList.GetSelection();
    session.latitude = m_places.LatitudeText();
    session.longitude = m_places.LongitudeText();
    settings::WriteWindowSession(session, !IsIconized());
    m_countryList.Reset();
    m_stateList.Reset();
    m_cityList.Reset();
    EndDialog(wxID_CANCEL);
}

void CAlmanaxDlg::RestoreWindowPosition(const settings::WindowSession& session) {
    if (session.HasRectangle()) {
        Move(session.left, session.top);
        Raise();
    }
}
