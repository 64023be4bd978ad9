// A place list that cannot be read: its message appears once, the cascade stops where it stands.
#include <wx/msgdlg.h>
#include <wx/choice.h>
#include <wx/timer.h>
#include <wx/generic/msgdlgg.h>

#include <functional>

#include "main_window_fixture.h"

namespace {

// Closes every error box that opens while it lives, keeping their texts.
class ErrorBoxCloser {
public:
    ErrorBoxCloser() : timer_([this] { CloseOpenBoxes(); }) { timer_.Start(20); }
    const std::vector<std::string>& Messages() const { return messages_; }

private:
    class Timer : public wxTimer {
    public:
        explicit Timer(std::function<void()> tick) : tick_(std::move(tick)) {}
        void Notify() override { tick_(); }

    private:
        std::function<void()> tick_;
    };

    void CloseOpenBoxes() {
        for (wxWindow* window : wxTopLevelWindows) {
            auto* box = dynamic_cast<wxGenericMessageDialog*>(window);
            if (box == nullptr || !box->IsModal()) continue;
            messages_.push_back(box->GetMessage().utf8_string());
            box->EndModal(wxID_OK);
        }
    }

    Timer timer_;
    std::vector<std::string> messages_;
};

TEST_F(MainWindowTest, MissingCityListShowsItsMessageOnceAndStopsTheCascade) {
    // A catalogue whose first country names a city list that is not there.
    test_support::TempFolder program;
    for (const char* continent : {"africa", "europe", "asia", "north_america", "south_america", "oceania"}) {
        program.Write(std::string("Location/") + continent + "_en.txt", "Atlantis|0|cities/atlantis.txt\n");
    }
    const int refreshesBefore = 0;
    ErrorBoxCloser closer;
    CAlmanaxDlg& window = Open("en", program.Path().string());
    ASSERT_EQ(closer.Messages().size(), 1u);
    EXPECT_EQ(closer.Messages()[0],
              program.Path().string() + "/Location/cities/atlantis.txt was not found.");
    // The country list was filled, the city list stays empty, and no report was computed.
    EXPECT_EQ(ListText(kCountryList), L"Atlantis");
    EXPECT_EQ(ListCount(kCityList), 0);
    EXPECT_EQ(window.RefreshCount(), refreshesBefore);
    EXPECT_TRUE(window.IsShown());
    // The window goes on: another date still gives a report at the default place.
    Click(kNextDayButton);
    EXPECT_EQ(window.RefreshCount(), 1);
    EXPECT_EQ(closer.Messages().size(), 1u);
}

}  // namespace
