#include "about_dlg.h"

#include <wx/dcclient.h>
#include <wx/settings.h>
#include <wx/stattext.h>
#include <wx/timer.h>

#include "framework/launcher.h"
#include "resources/string_table.h"
#include "resources/string_ids.h"

namespace {

enum : int {
    kProductText = 1016,
    kCopyrightLink = 1017,
    kPlaceDataLink = 1060,
    kIconsCaption = 1061,
    kContactCaption = 1062,
    kImageCaption = 1063,
    kPlaceDataCaption = 1064,
    kIconCredit = 1067,
    kCloseButton = 1092,
};

constexpr int kLinks[] = {kCopyrightLink, kPlaceDataLink};

// How long the wait cursor shows after a click, while the browser starts.
constexpr int kWaitCursorMilliseconds = 2000;

}  // namespace

CAboutDlg::CAboutDlg(std::wstring productText) : CLocalizableDialog(resources::kAboutDialog), m_productText(std::move(productText)) {
    BindText(kProductText, &m_productText);
    BindText(kContactCaption, &m_contactCaption);
    BindText(kImageCaption, &m_imageCaption);
    BindText(kIconsCaption, &m_iconsCaption);
    BindText(kPlaceDataCaption, &m_placeDataCaption);
    BindText(kIconCredit, &m_iconCredit);
}

std::vector<framework::CDialog::Route> CAboutDlg::MessageMap() {
    // Close asks the dialog to close, which then ends like Cancel.
    return {{framework::Notification::kButtonClicked, kCloseButton, [this] { CallAfter([this] { Close(); }); }}};
}

bool CAboutDlg::OnInitDialog() {
    SetBackgroundColour(*wxWHITE);
    for (wxWindow* child : GetChildren()) {
        if (dynamic_cast<wxStaticText*>(child) != nullptr) child->SetBackgroundColour(*wxWHITE);
    }
    SetLocalizedTitle(resources::kTextAboutTitle);
    m_contactCaption = resources::LoadLocalizedString(resources::kCaptionContact);
    m_imageCaption = resources::LoadLocalizedString(resources::kCaptionImageSource);
    m_placeDataCaption = resources::LoadLocalizedString(resources::kCaptionLocationSource);
    m_iconsCaption = resources::LoadLocalizedString(resources::kCaptionIcons);
    m_iconCredit = resources::LoadLocalizedString(resources::kTextIconsCredit);
    SetLocalizedText(Control(kCloseButton), resources::kTextClose);
    WriteBoundTexts();

    // The dialog draws the two links itself, over the whole rectangles of their controls.
    for (const int id : kLinks) {
        if (wxWindow* link = Control(id)) link->Hide();
    }
    Bind(wxEVT_PAINT, &CAboutDlg::OnPaint, this);
    Bind(wxEVT_MOTION, [this](wxMouseEvent& event) {
        OnMouseMove(event.GetPosition());
        event.Skip();
    });
    Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent& event) {
        OnLButtonDown(event.GetPosition());
        event.Skip();
    });
    m_waitCursorTimer.SetOwner(this);
    Bind(wxEVT_TIMER, [this](wxTimerEvent&) {
        SetCursor(m_handCursorShown ? wxCursor(wxCURSOR_HAND) : wxNullCursor);
    });
    return true;
}

wxColour CAboutDlg::LinkColour(const wxColour& buttonFace) {
    const int brightness = buttonFace.Red() + buttonFace.Green() + buttonFace.Blue() / 2;
    return brightness < 300 ? wxColour(153, 153, 255) : wxColour(0, 51, 255);
}

void CAboutDlg::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    for (const int id : kLinks) DrawLink(dc, id);
}

void CAboutDlg::DrawLink(wxDC& dc, int controlId) {
    wxWindow* control = Control(controlId);
    if (control == nullptr) return;
    const wxColour colour = LinkColour(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
    const wxRect rect = control->GetRect();
    const wxString text = control->GetLabel();
    dc.SetFont(control->GetFont());
    dc.SetTextForeground(colour);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetPen(wxPen(colour, 1));
    const wxSize extent = dc.GetTextExtent(text);
    dc.DrawText(text, rect.GetTopLeft());
    const int underline = rect.y + extent.y - 1;
    dc.DrawLine(rect.x, underline, rect.x + extent.x, underline);
}

std::wstring CAboutDlg::LinkAt(const wxPoint& point) const {
    if (const wxWindow* copyright = Control(kCopyrightLink); copyright && copyright->GetRect().Contains(point)) {
        return kMakerHomePage;
    }
    if (const wxWindow* places = Control(kPlaceDataLink); places && places->GetRect().Contains(point)) {
        return kPlaceDataPage;
    }
    return std::wstring();
}

void CAboutDlg::OnMouseMove(const wxPoint& point) {
    const bool overLink = !LinkAt(point).empty();
    if (overLink != m_handCursorShown) {
        SetCursor(overLink ? wxCursor(wxCURSOR_HAND) : wxNullCursor);
        m_handCursorShown = overLink;
    }
}

// The wait cursor shows while the browser starts; a timer puts the cursor back, so the box stays
// responsive meanwhile.
void CAboutDlg::OnLButtonDown(const wxPoint& point) {
    const std::wstring address = LinkAt(point);
    if (address.empty()) return;
    SetCursor(wxCursor(wxCURSOR_WAIT));
    framework::CurrentLauncher().OpenAddress(address);
    m_waitCursorTimer.StartOnce(kWaitCursorMilliseconds);
}
