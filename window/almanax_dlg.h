// The program's main window: the day report of the selected date, place and time zone, with the
// date controls, the place cascade, the time-zone list and the buttons of the update service, the
// About box and the app stores. Every change of date, place or zone recomputes the whole report at
// once, on the user-interface thread.
#pragma once

#include <array>
#include <map>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <wx/bitmap.h>
#include <wx/font.h>
#include <wx/gdicmn.h>
#include <wx/iconbndl.h>

#include "framework/sorted_drop_down_list.h"
#include "astro/astronomy.h"
#include "places/place_selection.h"
#include "zones/time_zone_catalogue.h"
#include "report/day_report.h"
#include "update/update_checker.h"
#include "localizable_dialog.h"

namespace settings {
struct WindowSession;
}

class UpdateDownloadProgress;
class wxDatePickerCtrl;
class wxStaticBitmap;
class wxStaticText;

// Control ids of the main window's template.
enum MainWindowControl : int {
    kCityList = 1000,
    kCountryList = 1003,
    kStateList = 1004,
    kContinentList = 1007,
    kLatitudeField = 1011,
    kLongitudeField = 1012,
    kAboutButton = 1015,
    kPhasePicture = 1018,
    kSunPicture = 1019,
    kUpdateButton = 1022,
    kTimeZoneList = 1023,
    kStateCaption = 1024,
    kZoneCaption = 1025,
    kPreviousDayButton = 1028,
    kDatePicker = 1035,
    kSunriseValue = 1037,
    kSunsetValue = 1038,
    kMoonriseValue = 1039,
    kMoonsetValue = 1040,
    kSunCulminationValue = 1041,
    kDayLengthValue = 1042,
    kAstronomicalEndValue = 1043,
    kNauticalEndValue = 1044,
    kCivilEndValue = 1045,
    kAstronomicalBeginValue = 1046,
    kNauticalBeginValue = 1047,
    kCivilBeginValue = 1048,
    kMoonCulminationValue = 1049,
    kPhaseValue = 1050,
    kVisibilityValue = 1051,
    kSunriseCaption = 1052,
    kNextNewMoonValue = 1053,
    kNextFullMoonValue = 1054,
    kSunsetCaption = 1055,
    kMoonriseCaption = 1056,
    kMoonsetCaption = 1057,
    kNextDayButton = 1058,
    kTodayButton = 1059,
    kSunDeclinationValue = 1060,
    kMoonDeclinationValue = 1061,
    kEquationOfTimeValue = 1062,
    kMoonCulminationCaption = 1069,
    kPhaseCaption = 1070,
    kVisibilityCaption = 1071,
    kSunCulminationCaption = 1072,
    kSunDeclinationCaption = 1073,
    kDayLengthCaption = 1074,
    kStoreCaption = 1075,
    kNauticalCaption = 1076,
    kCivilCaption = 1077,
    kNextNewMoonCaption = 1078,
    kNextFullMoonCaption = 1079,
    kTwilightCaption = 1080,
    kCountryCaption = 1081,
    kCityCaption = 1082,
    kContinentCaption = 1083,
    kDateCaption = 1084,
    kTimeZoneCaption = 1085,
    kLatitudeCaption = 1086,
    kLongitudeCaption = 1087,
    kMoonDeclinationCaption = 1088,
    kEquationOfTimeCaption = 1089,
    kSunriseAzimuthCaption = 1090,
    kSunriseAzimuthValue = 1091,
    kSunsetAzimuthCaption = 1092,
    kSunsetAzimuthValue = 1093,
    kMoonriseAzimuthCaption = 1094,
    kMoonriseAzimuthValue = 1095,
    kMoonsetAzimuthCaption = 1096,
    kMoonsetAzimuthValue = 1097,
    kAppleStoreButton = 1099,
    kAndroidStoreButton = 1100,
    kWindowsStoreButton = 1101,
    kAstronomicalCaption = 1103,
};

class CAlmanaxDlg : public CLocalizableDialog {
public:
    // The place catalogue is read from the program's folder, or from the folder given (for tests).
    explicit CAlmanaxDlg(std::string programFolder = std::string());
    ~CAlmanaxDlg() override;

    // The default place, used until the place selection sets one.
    static constexpr double kDefaultLatitude = places::PlaceSelection::kDefaultLatitude;
    static constexpr double kDefaultLongitude = places::PlaceSelection::kDefaultLongitude;

    // What the window holds, for its tests and benchmarks.
    std::int64_t SelectedDate() const { return m_selectedDate; }
    double Latitude() const { return m_places.Latitude(); }
    double Longitude() const { return m_places.Longitude(); }
    const report::DayReport& Report() const { return m_report; }
    bool MoonRowsSwapped() const { return m_moonRowsSwapped; }
    bool PhaseRowsSwapped() const { return m_phaseRowsSwapped; }
    const std::vector<zones::TimeZoneEntry>& TimeZones() const { return m_timeZones; }
    const wxBitmap& PhaseBitmap() const { return m_phaseBitmap; }
    int RefreshCount() const { return m_refreshCount; }

    update::UpdateChecker& UpdateService() { return m_updateChecker; }
    UpdateDownloadProgress* ProgressWindow() const { return m_progressWindow; }

    // The date handlers, as the buttons and the picker call them.
    void OnDateChanged();
    void OnPreviousDay();
    void OnNextDay();
    void OnToday();

protected:
    std::vector<Route> MessageMap() override;
    void OnCreatingControls() override { ChooseInterfaceLanguage(); }
    bool OnInitDialog() override;
    void OnCloseBox() override { OnClose(); }
    void OnTimer(int timerId) override;

private:
    // Part of the window's start: the language and the captions.
    void ChooseInterfaceLanguage();
    void FillCaptions();
    void CaptureSlots();
    void RecaptureSlots();

    // The report.
    void RefreshReport();
    void ShowMoonRows(bool moonriseRowFirst);
    void ShowPhaseDateRows(bool fullMoonFirst);
    void ShowPhasePicture(int pictureId);
    void MoveToSlot(int controlId, const wxRect& slot, bool takeSlotSize = false);
    void SetPickerDate(std::int64_t selectedDate);
    std::int64_t PickerDate() const;

    // The time zones.
    void FillTimeZoneList(int storedPosition);
    zones::TimeZoneInformation GetSelectedTimeZone() const;
    void ShowTimeZoneName();
    void OnTimeZoneChanged();

    // The place selection.
    void InitPlaceSelection(const settings::WindowSession& session);
    void ChangePlace(const std::function<places::PlaceChanges()>& change);
    void ShowPlaceChanges(const places::PlaceChanges& changes);
    void ShowStateRow(bool shown);
    void OnContinentChanged();
    void OnCountryChanged();
    void OnStateChanged();
    void OnCityChanged();
    void OnCoordinateEdited();
    void OnLatitudeKillFocus();
    void OnLongitudeKillFocus();

    // The update service, the About box and the stores.
    void OnCheckForUpdate();
    void StartDownload();
    void StopDownload();
    void OnAbout();
    void OpenStoreLink(unsigned stringId);

    // The window's state.
    void OnClose();
    void RestoreWindowPosition(const settings::WindowSession& session);

    wxIconBundle m_icons;

    // Texts of the value controls and captions, bound to their controls.
    std::map<int, std::wstring> m_texts;
    std::wstring& Text(int controlId);

    // The place lists show the items of the place selection, which keeps their records.
    places::PlaceSelection m_places;
    framework::SortedDropDownBase m_continentList{nullptr};
    framework::SortedDropDownBase m_countryList{nullptr};
    framework::SortedDropDownBase m_cityList{nullptr};
    framework::SortedDropDownBase m_stateList{nullptr};
    framework::SortedDropDownList<std::size_t> m_timeZoneList{nullptr};  // catalogue positions

    // The coordinate fields' texts: the selection's, or what is being typed.
    std::wstring m_latitudeField;
    std::wstring m_longitudeField;
    std::wstring m_zoneCaptionText;
    astro::DayEphemeris m_ephemeris;
    report::DayReport m_report;
    std::int64_t m_selectedDate = 0;

    // Row slots: the rectangles (screen coordinates) of rows whose controls move.
    enum Slot {
        kThirdRowCaption, kThirdRowList, kFourthRowCaption, kFourthRowList,
        kUpperMoonRow0, kUpperMoonRow1, kUpperMoonRow2, kUpperMoonRow3,
        kLowerMoonRow0, kLowerMoonRow1, kLowerMoonRow2, kLowerMoonRow3,
        kLowerPhaseRow0, kLowerPhaseRow1, kUpperPhaseRow0, kUpperPhaseRow1,
        kSlotCount
    };
    std::array<wxRect, kSlotCount> m_slots;

    std::vector<zones::TimeZoneEntry> m_timeZones;
    wxFont m_boldFont;
    std::string m_languageCode;
    std::string m_programFolder;
    std::string m_givenProgramFolder;
    bool m_phaseRowsSwapped = false;
    bool m_moonRowsSwapped = false;
    wxBitmap m_phaseBitmap;
    std::wstring m_stateCaption;
    int m_refreshCount = 0;
    update::UpdateChecker m_updateChecker;
    UpdateDownloadProgress* m_progressWindow = nullptr;  // a child window: freed with this one
    bool m_installerStarted = false;
};
