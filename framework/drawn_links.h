// Lines of a dialog drawn as links: the dialog paints each line's text over its control's whole
// rectangle, in a link colour and underlined, shows the hand cursor over it, and on a click opens
// the address with the desktop's application, showing the wait cursor while it starts.
#pragma once

#include <string>
#include <vector>

#include <wx/colour.h>
#include <wx/gdicmn.h>
#include <wx/timer.h>

class wxDC;

namespace framework {

class CDialog;

class DrawnLinks {
public:
    struct Link {
        int controlId;        // a static text of the dialog, hidden: its text and place are the link's
        std::wstring address;
    };

    // Takes over the controls' drawing and the dialog's mouse; call once the controls exist.
    DrawnLinks(CDialog& dialog, std::vector<Link> links);

    // The colour of the links, from the brightness of the colour behind them.
    static wxColour LinkColour(const wxColour& buttonFace);
    // The colour they are drawn with: from the dialog's own background, which a white dialog keeps
    // under a dark theme (the theme's button face would give light links on the white).
    wxColour Colour() const;

    // The address of the link at a point of the client area; empty when there is none.
    std::wstring LinkAt(const wxPoint& point) const;
    bool HandCursorShown() const { return handCursorShown_; }

    void OnMouseMove(const wxPoint& point);
    void OnLButtonDown(const wxPoint& point);

private:
    void Draw(wxDC& dc, const Link& link) const;

    CDialog& dialog_;
    std::vector<Link> links_;
    bool handCursorShown_ = false;
    wxTimer waitCursorTimer_;
};

}  // namespace framework
