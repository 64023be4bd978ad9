#include "drawn_links.h"

#include <wx/dcclient.h>

#include "framework_dialog.h"
#include "launcher.h"

namespace framework {

namespace {

// How long the wait cursor shows after a click, while the browser starts.
constexpr int kWaitCursorMilliseconds = 2000;

}  // namespace

DrawnLinks::DrawnLinks(CDialog& dialog, std::vector<Link> links)
    : dialog_(dialog), links_(std::move(links)) {
    for (const Link& link : links_) {
        if (wxWindow* control = dialog_.Control(link.controlId)) control->Hide();
    }
    dialog_.Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
        wxPaintDC dc(&dialog_);
        for (const Link& link : links_) Draw(dc, link);
    });
    dialog_.Bind(wxEVT_MOTION, [this](wxMouseEvent& event) {
        OnMouseMove(event.GetPosition());
        event.Skip();
    });
    dialog_.Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent& event) {
        OnLButtonDown(event.GetPosition());
        event.Skip();
    });
    waitCursorTimer_.SetOwner(&dialog_);
    dialog_.Bind(wxEVT_TIMER, [this](wxTimerEvent&) {
        dialog_.SetCursor(handCursorShown_ ? wxCursor(wxCURSOR_HAND) : wxNullCursor);
    });
}

wxColour DrawnLinks::LinkColour(const wxColour& buttonFace) {
    const int brightness = buttonFace.Red() + buttonFace.Green() + buttonFace.Blue() / 2;
    return brightness < 300 ? wxColour(153, 153, 255) : wxColour(0, 51, 255);
}

wxColour DrawnLinks::Colour() const { return LinkColour(dialog_.GetBackgroundColour()); }

void DrawnLinks::Draw(wxDC& dc, const Link& link) const {
    const wxWindow* control = dialog_.Control(link.controlId);
    if (control == nullptr) return;
    const wxColour colour = Colour();
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

std::wstring DrawnLinks::LinkAt(const wxPoint& point) const {
    for (const Link& link : links_) {
        const wxWindow* control = dialog_.Control(link.controlId);
        if (control != nullptr && control->GetRect().Contains(point)) return link.address;
    }
    return std::wstring();
}

void DrawnLinks::OnMouseMove(const wxPoint& point) {
    const bool overLink = !LinkAt(point).empty();
    if (overLink != handCursorShown_) {
        dialog_.SetCursor(overLink ? wxCursor(wxCURSOR_HAND) : wxNullCursor);
        handCursorShown_ = overLink;
    }
}

// The timer puts the cursor back, so the dialog stays responsive while the browser starts.
void DrawnLinks::OnLButtonDown(const wxPoint& point) {
    const std::wstring address = LinkAt(point);
    if (address.empty()) return;
    dialog_.SetCursor(wxCursor(wxCURSOR_WAIT));
    CurrentLauncher().OpenAddress(address);
    waitCursorTimer_.StartOnce(kWaitCursorMilliseconds);
}

}  // namespace framework
