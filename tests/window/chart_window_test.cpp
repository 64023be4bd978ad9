// The chart window opened from the main window: it shows the main window's day, with its key times
// as text, and follows the date as it changes.
#include <wx/panel.h>

#include "main_window_fixture.h"
#include "window/day_chart_dlg.h"

namespace {

TEST_F(MainWindowTest, ChartWindowFollowsTheDateWithItsKeyTimes) {
    Open("en");
    SelectText(kContinentList, L"Europe");
    SelectText(kCountryList, L"Norway");
    SelectText(kCityList, L"Troms\u00f8");
    SetDate(2026, 12, 21);
    Click(kChartButton);
    DayChartDlg* chart = Window().ChartWindow();
    ASSERT_NE(chart, nullptr);
    EXPECT_TRUE(chart->IsShown());
    ASSERT_TRUE(chart->Chart().valid);
    // A polar night: its end named beside the drawing, and no sunrise drawn.
    const std::wstring night = chart->KeyTimes();
    EXPECT_NE(night.find(L"Polar Night until:"), std::wstring::npos) << night;
    for (const chart::EventMark& event : chart->Chart().events) EXPECT_FALSE(event.sun);
    SetDate(2026, 6, 21);
    EXPECT_NE(chart->KeyTimes(), night);
    EXPECT_NE(chart->KeyTimes().find(L"Polar Day until:"), std::wstring::npos) << chart->KeyTimes();
    EXPECT_GT(chart->Drawing()->GetClientSize().x, 300);
}

}  // namespace
