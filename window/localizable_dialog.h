// The base of the program's dialogs: a framework dialog whose captions come from the string table
// of the interface language.
#pragma once

#include "framework/framework_dialog.h"

class wxWindow;

// Sets a window's text to the id's text in the interface language (English when missing there).
void SetLocalizedText(wxWindow* window, unsigned stringId);

class CLocalizableDialog : public framework::CDialog {
public:
    using framework::CDialog::CDialog;
    ~CLocalizableDialog() override = default;

protected:
    // Sets the dialog's own title to the id's text in the interface language.
    void SetLocalizedTitle(unsigned stringId);
};
