// Every caption, value and button text of the main window is fully visible in all five languages,
// with the 24-hour and the 12-hour clock.
#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/stattext.h>

#include <tuple>

#include "main_window_fixture.h"
#include "resources/string_ids.h"
#include "resources/string_table.h"

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

// The texts that change with the place and the zone: every state caption and every zone label of
// the catalogue, in every language, fits its control on the lines the control holds.
TEST_F(MainWindowTest, EveryStateCaptionAndZoneLabelFits) {
    for (const char* language : {"en", "de", "es", "fr", "el"}) {
        Open(language);
        std::vector<std::pair<int, std::wstring>> texts;
        for (unsigned id = resources::kCaptionState; id <= resources::kCaptionRegion; ++id) {
            texts.emplace_back(kStateCaption, resources::LoadLocalizedString(id));
        }
        for (const zones::TimeZoneEntry& zone : Window().TimeZones()) {
            texts.emplace_back(kZoneCaption, zone.standardName);
            texts.emplace_back(kZoneCaption, zone.daylightName);
        }
        for (const auto& [id, text] : texts) {
            auto* label = Window().ControlAs<wxStaticText>(id);
            ASSERT_NE(label, nullptr);
            const wxSize has = label->GetSize();
            label->SetLabel(wxString(text));
            if (Window().Template().Find(id)->Has("wrap")) label->Wrap(has.x);
            wxClientDC dc(label);
            dc.SetFont(label->GetFont());
            const wxSize needed = dc.GetMultiLineTextExtent(label->GetLabel());
            EXPECT_TRUE(needed.x <= has.x && needed.y <= has.y + 1)
                << language << ": \"" << wxString(text).utf8_str() << "\" needs " << needed.x << "x"
                << needed.y << " px of " << has.x << "x" << has.y;
        }
        Close();
    }
}

}  // namespace
