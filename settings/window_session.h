// What the main window keeps between runs: the place, the zone, the typed coordinates and where
// the window stood.
#pragma once

#include <string>

namespace settings {

struct WindowSession {
    // Positions in the place lists and the time-zone list, as the lists show them.
    int continent = 0;
    int country = 0;
    int city = 0;
    int state = 0;
    int timeZone = 0;
    std::wstring latitude;
    std::wstring longitude;
    // The window's edges; right and bottom lie just past it. All 0 when it was never saved.
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool HasRectangle() const { return left != 0 || top != 0 || right != 0 || bottom != 0; }
};

WindowSession ReadWindowSession();
// The rectangle is left as it was when withRectangle is false: a minimized window's is not where
// it will open again.
void WriteWindowSession(const WindowSession& session, bool withRectangle);

struct SavedCoordinates {
    std::wstring latitude;
    std::wstring longitude;
};
SavedCoordinates ReadSavedCoordinates();

}  // namespace settings
