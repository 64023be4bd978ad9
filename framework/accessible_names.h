// What a screen reader is told about a dialog's controls, through the toolkit's accessibility
// objects: each field and list is named by its caption, each value is labelled by its caption, and
// a caption's mnemonic moves the focus to the field or list it names.
#pragma once

#include <string>

class wxKeyEvent;
class wxWindow;

namespace framework {

class CDialog;

// Ties every caption of the dialog's template to the controls it names. Run once the captions hold
// their texts in the interface language.
void NameControlsByCaptions(CDialog& dialog);

// Gives an Alt+letter to the mnemonics of the dialog's captions and buttons (the same letter
// again moves on to the next control that carries it). False when none carries the letter.
bool ActivateMnemonic(wxWindow& dialog, const wxKeyEvent& key);

// The name a screen reader says for a control whose own text says nothing ("<" for the day before).
void SetAccessibleName(wxWindow* control, const std::wstring& name);

// The description of a picture, what it shows (the Moon's phase).
void SetAccessibleDescription(wxWindow* control, const std::wstring& description);

}  // namespace framework
