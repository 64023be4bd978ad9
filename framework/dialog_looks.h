// Looks and keys that the program's dialogs share.
#pragma once

#include <initializer_list>

class wxFont;
class wxWindow;

namespace framework {

class CDialog;

// A white dialog: its texts (and with pictures its pictures) get the white background too,
// whatever the desktop theme paints behind them, and texts, fields, buttons and lists are dark on
// white or light grey whatever the theme's own colours.
void UseWhiteBackground(wxWindow& dialog, bool pictures);

// Enter and Escape move the focus on as Tab does (Shift backwards); neither closes the dialog.
void MoveFocusOnEnterAndEscape(wxWindow& dialog);

void UseFont(CDialog& dialog, std::initializer_list<int> controlIds, const wxFont& font);

}  // namespace framework
