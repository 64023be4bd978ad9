#include "dialog_looks.h"

#include <wx/odcombo.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "framework_dialog.h"

namespace framework {

void UseWhiteBackground(wxWindow& dialog, bool picturesAndLists) {
    dialog.SetBackgroundColour(*wxWHITE);
    for (wxWindow* child : dialog.GetChildren()) {
        const bool text = dynamic_cast<wxStaticText*>(child) != nullptr;
        const bool pictureOrList = dynamic_cast<wxStaticBitmap*>(child) != nullptr ||
                                   dynamic_cast<wxOwnerDrawnComboBox*>(child) != nullptr;
        if (text || (picturesAndLists && pictureOrList)) child->SetBackgroundColour(*wxWHITE);
    }
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
