// A compact look for the program's windows: GTK's default theme pads buttons, entries and combo boxes
// far more than the dialog templates' rectangles expect (a 14 by 14 dialog-unit button would show no
// label). The style applies to the windows that carry it only.
#pragma once

class wxWindow;

namespace framework {

void ApplyCompactStyle(wxWindow* topLevelWindow);

}  // namespace framework
