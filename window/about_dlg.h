// The About box: the product and its version, the maker's copyright line and contact, the credits
// of the pictures, the icons and the place data. Two lines are links, drawn by the dialog in blue
// and underlined, with the hand cursor over them.
#pragma once

#include <string>

#include <wx/cursor.h>
#include <wx/timer.h>

#include "localizable_dialog.h"

class wxMouseEvent;
class wxPaintEvent;

class CAboutDlg : public CLocalizableDialog {
public:
    explicit CAboutDlg(std::wstring productText);

    // The addresses of the two links.
    static constexpr const wchar_t* kMakerHomePage = L"https://www.qelt.com/";
    static constexpr const wchar_t* kPlaceDataPage = L"https://www.geonames.org/about.html";

    // The colour the links are drawn in, from the brightness of the button-face colour.
    static wxColour LinkColour(const wxColour& buttonFace);

    // The address of the link at a point of the client area; empty when there is none.
    std::wstring LinkAt(const wxPoint& point) const;
    bool HandCursorShown() const { return m_handCursorShown; }

    void OnMouseMove(const wxPoint& point);
    void OnLButtonDown(const wxPoint& point);

protected:
    std::vector<Route> MessageMap() override;
    bool OnInitDialog() override;

private:
    void OnPaint(wxPaintEvent& event);
    void DrawLink(wxDC& dc, int controlId);

    std::wstring m_productText;
    std::wstring m_contactCaption;
    std::wstring m_imageCaption;
    std::wstring m_iconsCaption;
    std::wstring m_placeDataCaption;
    std::wstring m_iconCredit;
    bool m_handCursorShown = false;
    wxTimer m_waitCursorTimer;
};
