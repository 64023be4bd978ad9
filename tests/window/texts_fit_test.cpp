// Every caption, value and button text of the main window is fully visible in all five languages,
// with the 24-hour and the 12-hour clock.
#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/stattext.h>

#include <tuple>

#include "main_window_fixture.h"

namespace {

struct Look {
    const char* language;
    const char* userTimeLocale;  // decides between the 12- and the 24-hour clock
};

void PrintTo(const Look& look, std::ostream* out) { *out << look.language << " " << look.userTimeLocale; }

}  // namespace

// Every shown static text and button of a dialog holds its text, measured with its own font.
void ExpectEveryTextFits(wxWindow& dialog, const char* language) {
        for (wxWindow* child : dialog.GetChildren()) {
            const wxString text = child->GetLabel();
            if (!child->IsShown() || text.empty()) continue;
            wxClientDC dc(child);
            dc.SetFont(child->GetFont());
            const wxSize needed = dc.GetMultiLineTextExtent(text);
            const wxSize has = child->GetSize();
            if (dynamic_cast<wxButton*>(child) != nullptr) {
                // The label and the compact style's padding of 4 px on each side.
                EXPECT_LE(needed.x + 8, has.x) << language << ": button \"" << text.utf8_str()
                                               << "\" needs " << needed.x + 8 << " px of " << has.x;
            } else if (dynamic_cast<wxStaticText*>(child) != nullptr) {
                EXPECT_LE(needed.x, has.x) << language << ": control " << child->GetId() << " \""
                                           << text.utf8_str() << "\" needs " << needed.x
                                           << " px of " << has.x;
                EXPECT_LE(needed.y, has.y + 1) << language << ": control " << child->GetId() << " \""
                                               << text.utf8_str() << "\" needs " << needed.y
                                               << " px high of " << has.y;
            }
        }
}

namespace {

class TextsFit : public MainWindowTest, public testing::WithParamInterface<Look> {
protected:
    void ExpectEveryTextFits() { ::ExpectEveryTextFits(Window(), GetParam().language); }
};

TEST_P(TextsFit, EveryStaticTextAndButton) {
    environment_.Set("LC_TIME", GetParam().userTimeLocale);
    Open(GetParam().language);
    // Days with long values: afternoon hours with two digits, two-digit days and months.
    for (const auto& [year, month, day] : {std::tuple(2024, 11, 28), std::tuple(2024, 6, 21)}) {
        SetDate(year, month, day);
        ExpectEveryTextFits();
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, TextsFit,
                         testing::Values(Look{"en", "C"}, Look{"de", "C"}, Look{"es", "C"},
                                         Look{"fr", "C"}, Look{"el", "C"},
                                         Look{"en", "en_US.UTF-8"}, Look{"el", "en_US.UTF-8"},
                                         Look{"de", "en_US.UTF-8"}));

}  // namespace
