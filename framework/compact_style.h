// A compact look for the program's windows: GTK's default theme pads buttons, entries and combo boxes
// far more than the dialog templates' rectangles expect (a 14 by 14 dialog-unit button would show no
// label). The style applies to the windows that carry it only.
#pragma once

class wxWindow;

namespace framework {

void ApplyCompactStyle(wxWindow* topLevelWindow);

// A drop-down list as wide as its template says: the toolkit would otherwise measure the text of
// every item (a zone list's 400) to find its natural width, again on every change of the items.
void KeepTemplateWidth(wxWindow* dropDownList);

// The drop-down lists of a white window light with dark text in every theme, their arrow
// included (the toolkit's colours reach only the list's text).
void ApplyLightListStyle(wxWindow* topLevelWindow);

}  // namespace framework
