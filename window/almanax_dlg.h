// The program's main window: the day report of the selected date, place and time zone, with the
// date controls, the place cascade, the time-zone list and the buttons of the update service, the
// About box and the app stores. Every change of date, place or zone recomputes the whole report at
// once, on the user-interface thread.
#pragma once

#include <array>
#include <map>
#include <cstdint>
#include <string>
#include <vector>

#include <wx/bitmap.h>
#include <wx/datetime.h>
#include <wx/font.h>
#include <wx/gdicmn.h>
#include <wx/iconbndl.h>

#include "framework/sorted_drop_down_list.h"
#include "almanac/almanac_day.h"
#include "places/place_files.h"
#include "zones/time_zone_catalogue.h"
#include "zones/zone_selection.h"
#include "update/update_checker.h"
#include "update/update_flow.h"
#include "launcher_installer_starter.h"
#include "localizable_dialog.h"
#include "resources/main_window_controls.h"

class UpdateDownloadProgress;
class wxDatePickerCtrl;
class wxStaticBitmap;
class wxStaticText;

class CAlmanaxDlg : public CLocalizableDialog {
public:
    // The place catalogue is read from the program's folder, or from the folder given (for tests).
    explicit CAlmanaxDlg(std::string programFolder = std::string());
    ~CAlmanaxDlg() override;

    // The default place, used until the place selection sets one.
    static constexpr double kDefaultLatitude = 52.5161564;
    static constexpr double kDefaultLongitude = 13.3775096;

    // What the window holds, for its tests and benchmarks.
    const astro::CalendarDate& SelectedDate() const { return m_selectedDate; }
    double Latitude() const { return m_latitude; }
    double Longitude() const { return m_longitude; }
    const report::DayReport& Report() const { return m_day.report; }
    bool MoonRowsSwapped() const { return m_moonRowsSwapped; }
    bool PhaseRowsSwapped() const { return m_phaseRowsSwapped; }
    const std::vector<zones::TimeZoneEntry>& TimeZones() const { return m_zoneSelection.Catalogue(); }
    const wxBitmap& PhaseBitmap() const { return m_phaseBitmap; }
    int RefreshCount() const { return m_refreshCount; }

    update::UpdateChecker& UpdateService() { return m_updateFlow.Checker(); }
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
    static wxDateTime PickerValue(const astro::CalendarDate& date);
    void SetPickerDate(const astro::CalendarDate& date);
    astro::CalendarDate PickerDate() const;
    void ShowDay(const astro::CalendarDate& date, bool evenIfShown = false);

    // The time zones.
    void FillTimeZoneList(int storedPosition);
    zones::TimeZoneInformation GetSelectedTimeZone() const;
    void ShowTimeZoneName();
    void OnTimeZoneChanged();

    // The place selection.
    void InitPlaceSelection();
    void FillCountryList();
    void FillBelowCountry();
    void FillStateList();
    void FillCitiesOfState();
    void FillCitiesOfCountry();
    void FillCityList(const places::RegionEntry& region);
    void OnPlaceChanged();
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
    void RestoreWindowPosition();

    wxIconBundle m_icons;

    // Texts of the value controls and captions, bound to their controls.
    std::map<int, std::wstring> m_texts;
    std::wstring& Text(int controlId);

    framework::SortedDropDownList<const places::ContinentEntry*> m_continentList{nullptr};
    framework::SortedDropDownList<places::RegionEntry> m_countryList{nullptr};
    framework::SortedDropDownList<places::GeoLocation> m_cityList{nullptr};
    framework::SortedDropDownList<places::RegionEntry> m_stateList{nullptr};
    framework::SortedDropDownList<std::size_t> m_timeZoneList{nullptr};  // catalogue positions

    std::wstring m_latitudeText;
    std::wstring m_longitudeText;
    std::wstring m_zoneCaptionText;
    almanac::AlmanacDay m_day;
    double m_latitude = kDefaultLatitude;
    double m_longitude = kDefaultLongitude;
    astro::CalendarDate m_selectedDate;

    // Row slots: the rectangles (screen coordinates) of rows whose controls move.
    enum Slot {
        kThirdRowCaption, kThirdRowList, kFourthRowCaption, kFourthRowList,
        kUpperMoonRow0, kUpperMoonRow1, kUpperMoonRow2, kUpperMoonRow3,
        kLowerMoonRow0, kLowerMoonRow1, kLowerMoonRow2, kLowerMoonRow3,
        kLowerPhaseRow0, kLowerPhaseRow1, kUpperPhaseRow0, kUpperPhaseRow1,
        kSlotCount
    };
    std::array<wxRect, kSlotCount> m_slots;
    bool m_stateRowShown = false;

    zones::ZoneSelection m_zoneSelection;
    wxFont m_boldFont;
    int m_continentIndex = -1;
    int m_countryIndex = -1;
    int m_stateIndex = -1;
    int m_cityIndex = -1;
    std::string m_languageCode;
    std::string m_programFolder;
    std::string m_givenProgramFolder;
    bool m_phaseRowsSwapped = false;
    bool m_moonRowsSwapped = false;
    wxBitmap m_phaseBitmap;
    std::wstring m_stateCaption;
    int m_refreshCount = 0;
    LauncherInstallerStarter m_installerStarter;
    update::UpdateFlow m_updateFlow{m_installerStarter};
    UpdateDownloadProgress* m_progressWindow = nullptr;  // a child window: freed with this one
};
