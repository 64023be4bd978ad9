// Every text of the program's windows is drawn readably on what lies behind it, whatever the
// desktop's theme (ctest runs this once more under a dark theme): a contrast of at least 4.5 : 1
// between the colour a control draws its text with and the background it stands on.
#include <wx/button.h>
#include <wx/combo.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <cmath>
#include <string>

#include "main_window_fixture.h"
#include "window/about_dlg.h"
#include "window/update_dlg.h"
#include "window/update_download_progress.h"

namespace {

double Luminance(const wxColour& colour) {
    const auto channel = [](unsigned char value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.Red()) + 0.7152 * channel(colour.Green()) + 0.0722 * channel(colour.Blue());
}

double Contrast(const wxColour& a, const wxColour& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The background behind a control: its own when it has one, else that of the nearest window that
// has one (a theme's transparent background shows its parent's).
wxColour Behind(wxWindow* window) {
    for (; window != nullptr; window = window->GetParent()) {
        const wxColour colour = window->GetBackgroundColour();
        if ((window->UseBgCol() || window->IsTopLevel()) && colour.IsOk() && colour.Alpha() != 0) return colour;
    }
    return *wxWHITE;
}

bool ShowsText(wxWindow* window) {
    return dynamic_cast<wxStaticText*>(window) != nullptr || dynamic_cast<wxTextCtrl*>(window) != nullptr ||
           dynamic_cast<wxButton*>(window) != nullptr || dynamic_cast<wxStaticBox*>(window) != nullptr ||
           dynamic_cast<wxComboCtrl*>(window) != nullptr;
}

// The controls of a window, with the windows inside them (the date picker's field).
void ExpectReadable(wxWindow& parent, const std::string& where, int& checked) {
    for (wxWindow* child : parent.GetChildren()) {
        if (ShowsText(child)) {
            ++checked;
            const double contrast = Contrast(child->GetForegroundColour(), Behind(child));
            EXPECT_GE(contrast, 4.5) << where << ": " << child->GetClassInfo()->GetClassName() << " \""
                                     << child->GetLabel() << "\" " << child->GetForegroundColour().GetAsString()
                                     << " on " << Behind(child).GetAsString();
        }
        ExpectReadable(*child, where, checked);
    }
}

class Readability : public MainWindowTest {};

TEST_F(Readability, EveryTextContrastsWithItsBackground) {
    Open("en");
    CAboutDlg about(L"Almanaxium");
    UpdateDlg offer(L"2.5", L"9.0");
    UpdateDownloadProgress progress;
    const struct {
        const char* name;
        framework::CDialog* dialog;
    } windows[] = {{"main window", &Window()}, {"About", &about}, {"update offer", &offer}, {"download", &progress}};
    for (const auto& w : windows) {
        if (w.dialog != &Window()) {
            ASSERT_TRUE(w.dialog->CreateModeless(nullptr)) << w.name;
        }
        Pump();
        int checked = 0;
        ExpectReadable(*w.dialog, w.name, checked);
        EXPECT_GT(checked, 0) << w.name;
        if (w.dialog != &Window()) w.dialog->Hide();
    }
    ASSERT_NE(about.Links(), nullptr);
    EXPECT_GE(Contrast(about.Links()->Colour(), Behind(&about)), 4.5) << "the About box's links";
}

}  // namespace
