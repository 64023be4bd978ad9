#include "localizable_dialog.h"

#include "resources/string_table.h"

void CLocalizableDialog::SetLocalizedTitle(unsigned stringId) {
    SetTitle(wxString(resources::LoadLocalizedString(stringId)));
}

void CLocalizableDialog::BindCaptions(std::span<const resources::CaptionText> captions) {
    for (const resources::CaptionText& caption : captions) {
        m_captionIds.push_back(caption);
        BindText(caption.controlId, &m_captions[caption.controlId]);
    }
}

void CLocalizableDialog::LoadCaptions() {
    for (const resources::CaptionText& caption : m_captionIds) {
        m_captions[caption.controlId] = resources::LoadLocalizedString(caption.stringId);
    }
    WriteBoundTexts();
}
