// The base of the program's dialogs: a framework dialog whose captions come from the string table
// of the interface language.
#pragma once

#include <map>
#include <span>
#include <string>
#include <vector>

#include "framework/framework_dialog.h"

class CLocalizableDialog : public framework::CDialog {
public:
    using framework::CDialog::CDialog;
    ~CLocalizableDialog() override = default;

protected:
    // Sets the dialog's own title to the id's text in the interface language.
    void SetLocalizedTitle(unsigned stringId);

    // Captions whose texts come from the string table: bound when the dialog is made, loaded (and
    // shown) once its controls exist.
    void BindCaptions(std::span<const resources::CaptionText> captions);
    void LoadCaptions();

private:
    std::vector<resources::CaptionText> m_captionIds;
    std::map<int, std::wstring> m_captions;
};
