// The main window driven through its controls: the first run, the place cascade, typed
// coordinates, the keys, the date buttons, the rows that change places, the settings of a close.
#include <wx/datectrl.h>
#include <wx/choice.h>
#include <wx/statbmp.h>

#include <cmath>
#include <ctime>
#include <filesystem>
#include <fstream>

#include "framework/date_picker.h"
#include "main_window_fixture.h"
#include "support/file_contents.h"
#include "places/coordinate_text.h"

namespace {

using settings::kSettingCity;
using settings::kSettingCountry;
using settings::kSettingTimeZone;

std::tm LocalDate(std::int64_t seconds) {
    const std::time_t when = static_cast<std::time_t>(seconds);
    std::tm calendar{};
    localtime_r(&when, &calendar);
    return calendar;
}

class MainWindow : public MainWindowTest {
protected:
    void ChooseBerlin(const wchar_t* europe = L"Europe", const wchar_t* germany = L"Germany") {
        ASSERT_GE(SelectText(kContinentList, europe), 0);
        ASSERT_GE(SelectText(kCountryList, germany), 0);
        ASSERT_GE(SelectText(kStateList, L"Berlin"), 0);
        ASSERT_GE(SelectText(kCityList, L"Berlin"), 0);
    }
};

TEST_F(MainWindow, FirstRunTakesTheFirstPlaceInSortedOrderAndTheSystemsZone) {
    CAlmanaxDlg& window = Open("en");
    // The lists show the cascade's first place, in sorted order.
    EXPECT_EQ(ListText(kContinentList), L"Africa");
    EXPECT_EQ(ListText(kCountryList), L"Algeria");
    EXPECT_FALSE(IsShown(kStateList));
    // The report is of that city.
    EXPECT_EQ(TextOf(kLatitudeField), places::FormatFixed(window.Latitude()));
    EXPECT_GT(window.RefreshCount(), 0);
    EXPECT_FALSE(TextOf(kSunriseValue).empty());
    // The zone of the operating system ($TZ here) is selected, with its label.
    EXPECT_EQ(ListText(kTimeZoneList), L"(UTC+01:00) Europe/Berlin");
    EXPECT_TRUE(TextOf(kZoneCaption) == L"Central European Standard Time" ||
                TextOf(kZoneCaption) == L"Central European Summer Time")
        << TextOf(kZoneCaption);
    // The title carries the version.
    EXPECT_EQ(window.GetTitle(), "Almanaxium - Version 2.5.0.5012 ");
}

TEST_F(MainWindow, StateRowStandsBetweenCountryAndCityOnlyForCountriesWithStates) {
    Open("en");
    const int thirdRow = RectOf(kCityList).y;
    ChooseBerlin();
    ASSERT_TRUE(IsShown(kStateList));
    EXPECT_EQ(RectOf(kStateList).y, thirdRow);
    EXPECT_GT(RectOf(kCityList).y, RectOf(kStateList).y);
    EXPECT_GT(RectOf(kStateList).y, RectOf(kCountryList).y);
    EXPECT_EQ(TextOf(kStateCaption), L"Federal State:");
    EXPECT_NEAR(Window().Latitude(), 52.52, 0.05);
    EXPECT_NEAR(Window().Longitude(), 13.40, 0.05);
    EXPECT_EQ(TextOf(kLatitudeField), L"52.524370");  // "%f": six decimals

    ASSERT_GE(SelectText(kCountryList, L"Austria"), 0);
    EXPECT_FALSE(IsShown(kStateList));
    EXPECT_EQ(RectOf(kCityList).y, thirdRow);
}

TEST_F(MainWindow, TypedCoordinatesReplaceTheCityAndRecomputeOnLeavingTheField) {
    Open("en");
    ChooseBerlin();
    Window().Control(kLatitudeField)->SetFocus();
    Pump();
    const int refreshes = Window().RefreshCount();
    TypeInto(kLatitudeField, L"-33.9");
    // Each keystroke: the last country, "-" in the city and state lists, no refresh yet.
    EXPECT_EQ(ListSelection(kCountryList), ListCount(kCountryList) - 1);
    EXPECT_EQ(ListCount(kCityList), 1);
    EXPECT_EQ(ListText(kCityList), L"-");
    EXPECT_EQ(ListText(kStateList), L"-");
    EXPECT_EQ(Window().RefreshCount(), refreshes);
    EXPECT_EQ(TextOf(kLatitudeField), L"-33.9");
    LeaveField(kLatitudeField);
    EXPECT_GT(Window().RefreshCount(), refreshes);
    EXPECT_DOUBLE_EQ(Window().Latitude(), -33.9);
    EXPECT_TRUE(Window().Report().southernHemisphere);
    EXPECT_EQ(TextOf(kLatitudeField), L"-33.9");  // "%g": no trailing zeros

    // The field shows the number that is used.
    TypeInto(kLongitudeField, L"400");
    LeaveField(kLongitudeField);
    EXPECT_EQ(TextOf(kLongitudeField), L"40");
    EXPECT_DOUBLE_EQ(Window().Longitude(), 40.0);
}

TEST_F(MainWindow, EnterAndEscapeDoNotCloseTheWindow) {
    Open("en");
    Window().Raise();
    Window().Control(kLatitudeField)->SetFocus();
    Pump();
    PressKey(WXK_RETURN);
    PressKey(WXK_ESCAPE);
    EXPECT_TRUE(Window().IsShown());
    EXPECT_NE(Window().Control(kLatitudeField), wxWindow::FindFocus());  // the focus moved on
}

TEST_F(MainWindow, PreviousNextAndToday) {
    Open("en");
    SetDate(2024, 1, 1);
    Click(kPreviousDayButton);
    EXPECT_EQ(Window().SelectedDate(), (astro::CalendarDate{2023, 12, 31}));
    EXPECT_EQ(Window().Report().date.day, 31);
    Click(kNextDayButton);
    Click(kNextDayButton);
    EXPECT_EQ(Window().SelectedDate(), (astro::CalendarDate{2024, 1, 2}));
    EXPECT_EQ(Window().Report().date.year, 2024);
    // Across the change to daylight time the buttons still move by one calendar day.
    SetDate(2024, 3, 30);
    Click(kNextDayButton);
    Click(kNextDayButton);
    EXPECT_EQ(Window().SelectedDate(), (astro::CalendarDate{2024, 4, 1}));
    Click(kTodayButton);
    const std::time_t now = std::time(nullptr);
    EXPECT_EQ(Window().SelectedDate().day, LocalDate(now).tm_mday);
    // Today again, when today is shown, still computes the report anew.
    const int refreshes = Window().RefreshCount();
    Click(kTodayButton);
    EXPECT_EQ(Window().RefreshCount(), refreshes + 1);
}

TEST_F(MainWindow, DayButtonsStopAtTheYearsTheEngineComputes) {
    Open("en");
    SetDate(1901, 1, 1);
    const int refreshes = Window().RefreshCount();
    Click(kPreviousDayButton);
    EXPECT_EQ(Window().SelectedDate(), (astro::CalendarDate{1901, 1, 1}));
    EXPECT_EQ(Window().RefreshCount(), refreshes);
    SetDate(2099, 12, 31);
    Click(kNextDayButton);
    EXPECT_EQ(Window().SelectedDate(), (astro::CalendarDate{2099, 12, 31}));
    EXPECT_TRUE(Window().Report().ephemerisValid);
}

// A computer whose zone skipped a whole calendar day (2011-12-30 never began in Apia): the day
// buttons pass over it, and every press shows another date in the picker and in the report alike.
TEST_F(MainWindow, DayButtonsPassOverADayTheZoneSkipped) {
    environment_.Set("TZ", "Pacific/Apia");
    tzset();
    Open("en");
    const struct {
        astro::CalendarDate from;
        int button;
        astro::CalendarDate presses[3];
    } cases[] = {
        {{2011, 12, 31}, kPreviousDayButton, {{2011, 12, 29}, {2011, 12, 28}, {2011, 12, 27}}},
        {{2011, 12, 29}, kNextDayButton, {{2011, 12, 31}, {2012, 1, 1}, {2012, 1, 2}}},
    };
    auto* picker = Window().ControlAs<wxDatePickerCtrl>(kDatePicker);
    for (const auto& c : cases) {
        SetDate(c.from.year, c.from.month, c.from.day);
        for (const astro::CalendarDate& expected : c.presses) {
            Click(c.button);
            EXPECT_EQ(Window().SelectedDate(), expected) << expected.month << "-" << expected.day;
            EXPECT_EQ(framework::PickerDate(picker), expected) << expected.month << "-" << expected.day;
            EXPECT_EQ(Window().Report().date, expected) << expected.month << "-" << expected.day;
        }
    }
}

TEST_F(MainWindow, MoonRowsSwapWhenTheMoonsetComesFirst) {
    Open("en");
    ChooseBerlin();
    const int upperRow = RectOf(kMoonriseCaption).y;
    const int lowerRow = RectOf(kMoonsetCaption).y;
    SetDate(2024, 6, 9);  // moonset 0:05, moonrise 6:52
    EXPECT_TRUE(Window().MoonRowsSwapped());
    EXPECT_EQ(RectOf(kMoonsetCaption).y, upperRow);
    EXPECT_EQ(RectOf(kMoonsetValue).y, RectOf(kMoonsetCaption).y);
    EXPECT_EQ(RectOf(kMoonriseCaption).y, lowerRow);
    EXPECT_EQ(RectOf(kMoonriseAzimuthValue).y, RectOf(kMoonriseAzimuthCaption).y);
    Click(kPreviousDayButton);  // 2024-06-08: a moonrise and no moonset
    EXPECT_FALSE(Window().MoonRowsSwapped());
    EXPECT_EQ(RectOf(kMoonriseCaption).y, upperRow);
    EXPECT_EQ(RectOf(kMoonsetCaption).y, lowerRow);
    EXPECT_EQ(TextOf(kMoonsetValue), L"-");
    EXPECT_EQ(TextOf(kMoonsetAzimuthValue), L"-");
}

TEST_F(MainWindow, PhaseDateRowsSwapWhenTheFullMoonComesFirst) {
    Open("en");
    ChooseBerlin();
    SetDate(2024, 6, 5);
    EXPECT_FALSE(Window().PhaseRowsSwapped());
    const int upperRow = RectOf(kNextNewMoonCaption).y;
    SetDate(2024, 6, 6);
    EXPECT_TRUE(Window().PhaseRowsSwapped());
    EXPECT_EQ(RectOf(kNextFullMoonCaption).y, upperRow);
    EXPECT_EQ(RectOf(kNextFullMoonValue).y, upperRow);
    SetDate(2024, 6, 22);
    EXPECT_FALSE(Window().PhaseRowsSwapped());
    EXPECT_EQ(RectOf(kNextNewMoonCaption).y, upperRow);
}

TEST_F(MainWindow, RowsStayInTheWindowAfterItMoves) {
    Open("en");
    ChooseBerlin();
    SetDate(2024, 6, 8);
    const int upperRow = RectOf(kMoonriseCaption).y;
    Window().Move(Window().GetPosition() + wxPoint(150, 60));
    Pump();
    SetDate(2024, 6, 9);
    EXPECT_EQ(RectOf(kMoonsetCaption).y, upperRow);
    const wxRect client(wxPoint(0, 0), Window().GetClientSize());
    EXPECT_TRUE(client.Contains(RectOf(kMoonsetCaption)));
    EXPECT_TRUE(client.Contains(RectOf(kMoonriseAzimuthValue)));
}

TEST_F(MainWindow, ClosingSavesAndTheNextStartRestores) {
    Open("en");
    ChooseBerlin();
    const std::wstring zone = L"(UTC-05:00) America/New_York";
    ASSERT_GE(SelectText(kTimeZoneList, zone), 0);
    EXPECT_LE(Window().Report().utcOffsetHours, -4.0) << "the report is of the zone chosen";
    const int zonePosition = ListSelection(kTimeZoneList);
    const int country = ListSelection(kCountryList);
    const int city = ListSelection(kCityList);
    Window().Move(123, 77);
    Pump();
    const wxRect rectangle = Window().GetRect();
    const wxPoint position = rectangle.GetPosition();
    Close();

    EXPECT_EQ(settings::ReadSettingDword(kSettingTimeZone), zonePosition);
    EXPECT_EQ(settings::ReadSettingDword(kSettingCountry), country);
    EXPECT_EQ(settings::ReadSettingDword(kSettingCity), city);
    EXPECT_EQ(settings::ReadSettingString(settings::kSettingLatitude), L"52.524370");
    EXPECT_EQ(settings::ReadSettingDword(settings::kSettingWindowPosLeft), position.x);
    EXPECT_EQ(settings::ReadSettingDword(settings::kSettingWindowPosTop), position.y);
    // Right and bottom lie just past the window.
    EXPECT_EQ(settings::ReadSettingDword(settings::kSettingWindowPosRight), position.x + rectangle.width);
    EXPECT_EQ(settings::ReadSettingDword(settings::kSettingWindowPosBottom), position.y + rectangle.height);

    Open("en");
    EXPECT_EQ(ListText(kContinentList), L"Europe");
    EXPECT_EQ(ListText(kCountryList), L"Germany");
    EXPECT_EQ(ListText(kStateList), L"Berlin");
    EXPECT_EQ(ListText(kCityList), L"Berlin");
    EXPECT_EQ(ListText(kTimeZoneList), zone);
    EXPECT_EQ(Window().GetPosition(), position);
    EXPECT_NEAR(Window().Latitude(), 52.52, 0.05);
}

// The toolkit reads -1 as "keep where it is"; a position saved as -1 is a place like any other.
TEST_F(MainWindow, AStoredPositionOfMinusOneIsRestored) {
    for (const wxPoint stored : {wxPoint(-1, -1), wxPoint(-1, 40), wxPoint(60, -1)}) {
        using namespace settings;
        const std::int32_t rectangle[] = {stored.x, stored.y, stored.x + 500, stored.y + 400};
        for (int i = 0; i < 4; ++i) WriteSettingDword(kSettingWindowPosLeft + i, rectangle[i]);
        Open("en");
        EXPECT_EQ(Window().GetPosition(), stored);
        Close();
    }
}

// A settings file of the user's own keys and comments just under the read limit: the close's
// writes that would push it over are refused, and the file stays whole and readable.
TEST_F(MainWindow, CloseKeepsASettingsFileNearTheSizeLimitWhole) {
    std::string contents = "[Software\\Qelt\\Almanaxium2]\n\"Country\"=dword:00000003\n"
                           "[Software\\Mine]\n\"Own\"=\"kept\"\n";
    while (contents.size() + 20 < 1048476) contents += "; a line of my own\n";
    contents += std::string(1048476 - contents.size() - 1, ';') + "\n";
    std::filesystem::create_directories(std::filesystem::path(files_.user).parent_path());
    std::ofstream(files_.user, std::ios::binary) << contents;
    Open("en");
    Close();
    EXPECT_FALSE(std::filesystem::exists(files_.user + ".damaged"));
    const std::string after = test_support::ReadWholeFile(files_.user);
    EXPECT_LE(after.size(), 1u << 20);
    EXPECT_NE(after.find("[Software\\Mine]\n\"Own\"=\"kept\"\n; a line of my own\n"), std::string::npos);
    EXPECT_EQ(settings::ReadSettingDword(kSettingCountry), 3) << "the file still reads";
}

TEST_F(MainWindow, OnePhaseBitmapAliveAfterManyDates) {
    Open("en");
    for (int i = 0; i < 100; ++i) Click(kNextDayButton);
    // The window's reference and the picture control's: nothing else holds a phase bitmap.
    ASSERT_TRUE(Window().PhaseBitmap().IsOk());
    EXPECT_EQ(Window().PhaseBitmap().GetRefData()->GetRefCount(), 2);
    auto* picture = Window().ControlAs<wxStaticBitmap>(kPhasePicture);
    EXPECT_EQ(picture->GetBitmap().GetRefData(), Window().PhaseBitmap().GetRefData());
}

TEST_F(MainWindow, GermanWindowWritesDatesAndNumbersItsWay) {
    Open("de");
    ChooseBerlin(L"Europa", L"Deutschland");
    SetDate(2018, 6, 21);
    EXPECT_EQ(TextOf(kDateCaption), L"Datum:");
    EXPECT_EQ(TextOf(kPhaseValue), L"Erstes Viertel");
    EXPECT_EQ(TextOf(kLatitudeField), L"52,524370");
    EXPECT_NE(TextOf(kEquationOfTimeValue).find(L','), std::wstring::npos);
    EXPECT_EQ(TextOf(kSunriseValue), L"4:43");
    // A typed number takes the decimal comma.
    TypeInto(kLatitudeField, L"48,5");
    LeaveField(kLatitudeField);
    EXPECT_DOUBLE_EQ(Window().Latitude(), 48.5);
    EXPECT_EQ(TextOf(kLatitudeField), L"48,5");
}

}  // namespace
