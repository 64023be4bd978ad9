#include "localizable_dialog.h"

#include <wx/window.h>

#include "resources/string_table.h"

void SetLocalizedText(wxWindow* window, unsigned stringId) {
    if (window != nullptr) window->SetLabel(wxString(resources::LoadLocalizedString(stringId)));
}

void CLocalizableDialog::SetLocalizedTitle(unsigned stringId) {
    SetTitle(wxString(resources::LoadLocalizedString(stringId)));
}
