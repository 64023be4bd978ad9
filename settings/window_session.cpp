#include "window_session.h"

#include "settings/app_settings.h"

namespace settings {

WindowSession ReadWindowSession() {
    WindowSession session;
    session.continent = ReadSettingDword(kSettingContinent);
    session.country = ReadSettingDword(kSettingCountry);
    session.city = ReadSettingDword(kSettingCity);
    session.state = ReadSettingDword(kSettingState);
    session.timeZone = ReadSettingDword(kSettingTimeZone);
    session.latitude = ReadSettingString(kSettingLatitude);
    session.longitude = ReadSettingString(kSettingLongitude);
    session.left = ReadSettingDword(kSettingWindowPosLeft);
    session.top = ReadSettingDword(kSettingWindowPosTop);
    session.right = ReadSettingDword(kSettingWindowPosRight);
    session.bottom = ReadSettingDword(kSettingWindowPosBottom);
    return session;
}

// Each write replaces the file; the order is that of earlier versions, so that a run stopped
// half-way leaves the same values behind as they did.
void WriteWindowSession(const WindowSession& session, bool withRectangle) {
    if (withRectangle) {
        WriteSettingDword(kSettingWindowPosLeft, session.left);
        WriteSettingDword(kSettingWindowPosTop, session.top);
        WriteSettingDword(kSettingWindowPosRight, session.right);
        WriteSettingDword(kSettingWindowPosBottom, session.bottom);
    }
    WriteSettingDword(kSettingContinent, session.continent);
    WriteSettingDword(kSettingCountry, session.country);
    WriteSettingDword(kSettingCity, session.city);
    WriteSettingDword(kSettingState, session.state);
    WriteSettingDword(kSettingTimeZone, session.timeZone);
    WriteSettingString(kSettingLatitude, session.latitude);
    WriteSettingString(kSettingLongitude, session.longitude);
}

SavedCoordinates ReadSavedCoordinates() {
    return {ReadSettingString(kSettingLatitude), ReadSettingString(kSettingLongitude)};
}

}  // namespace settings
