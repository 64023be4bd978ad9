#include "dialog_looks.h"

#include <wx/button.h>
#include <wx/combo.h>
#include <wx/choice.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "framework/compact_style.h"
#include "framework_dialog.h"

namespace framework {

namespace {

// The text colour of the light desktop themes: a white window keeps it under a dark theme too,
// whose light text would vanish on the white.
const wxColour kDarkText(0x2e, 0x34, 0x36);

// The light themes' button face: a dark theme's dark buttons would stand out of the white window.
const wxColour kLightButton(0xf6, 0xf5, 0xf4);

// Fields, the date picker's included, are white with dark text, buttons and drop-down lists light
// with dark text: the white window looks the same in every theme.
void UseDarkTextOnWhite(wxWindow& parent) {
    for (wxWindow* child : parent.GetChildren()) {
        const bool field = dynamic_cast<wxTextCtrl*>(child) != nullptr || dynamic_cast<wxComboCtrl*>(child) != nullptr;
        const bool button = dynamic_cast<wxButton*>(child) != nullptr || dynamic_cast<wxChoice*>(child) != nullptr;
        if (field) child->SetBackgroundColour(*wxWHITE);
        if (button) child->SetBackgroundColour(kLightButton);
        if (field || button || dynamic_cast<wxStaticText*>(child) != nullptr ||
            dynamic_cast<wxStaticBox*>(child) != nullptr) {
            child->SetForegroundColour(kDarkText);
        }
        UseDarkTextOnWhite(*child);
    }
}

}  // namespace

void UseWhiteBackground(wxWindow& dialog, bool pictures) {
    dialog.SetBackgroundColour(*wxWHITE);
    dialog.SetForegroundColour(kDarkText);
    ApplyLightListStyle(&dialog);
    for (wxWindow* child : dialog.GetChildren()) {
        const bool text = dynamic_cast<wxStaticText*>(child) != nullptr;
        const bool picture = dynamic_cast<wxStaticBitmap*>(child) != nullptr;
        if (text || (pictures && picture)) child->SetBackgroundColour(*wxWHITE);
    }
    UseDarkTextOnWhite(dialog);
}

void MoveFocusOnEnterAndEscape(wxWindow& dialog) {
    dialog.Bind(wxEVT_CHAR_HOOK, [&dialog](wxKeyEvent& event) {
        const int key = event.GetKeyCode();
        if (key != WXK_RETURN && key != WXK_NUMPAD_ENTER && key != WXK_ESCAPE) {
            event.Skip();
            return;
        }
        if (wxWindow* focus = wxWindow::FindFocus()) {
            focus->Navigate(event.ShiftDown() ? wxNavigationKeyEvent::IsBackward
                                              : wxNavigationKeyEvent::IsForward);
        } else {
            dialog.Navigate();
        }
    });
}

void UseFont(CDialog& dialog, std::initializer_list<int> controlIds, const wxFont& font) {
    for (const int id : controlIds) {
        if (wxWindow* control = dialog.Control(id)) {
            control->SetFont(font);
            control->Refresh();
        }
    }
}

}  // namespace framework
