// Looks and keys that the program's dialogs share.
#pragma once

#include <initializer_list>

class wxFont;
class wxWindow;

namespace framework {

class CDialog;

// A white dialog: its texts (and with picturesAndLists its pictures and drop-down lists) get the
// white background too, whatever the desktop theme paints behind them, and texts, fields and lists
// are dark on white whatever the theme's own colours.
void UseWhiteBackground(wxWindow& dialog, bool picturesAndLists);

// Enter and Escape move the focus on as Tab does (Shift backwards); neither closes the dialog.
void MoveFocusOnEnterAndEscape(wxWindow& dialog);

void UseFont(CDialog& dialog, std::initializer_list<int> controlIds, const wxFont& font);

}  // namespace framework
