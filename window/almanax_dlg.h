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
#include "framework/swapping_rows.h"
#include "almanac/almanac_day.h"
#include "places/place_selection.h"
#include "zones/time_zone_catalogue.h"
#include "zones/zone_selection.h"
#include "update/update_checker.h"
#include "update/update_flow.h"
#include "launcher_installer_starter.h"
#include "localizable_dialog.h"
#include "resources/main_window_controls.h"

namespace settings {
struct WindowSession;
}

class UpdateDownloadProgress;
class wxDatePickerCtrl;
class wxStaticBitmap;
class wxStaticText;

class DayChartDlg;

class CAlmanaxDlg : public CLocalizableDialog {
public:
    // The place catalogue is read from the program's folder, or from the folder given (for tests).
    explicit CAlmanaxDlg(std::string programFolder = std::string());
    ~CAlmanaxDlg() override;

    // The default place, used until the place selection sets one.
    static constexpr double kDefaultLatitude = places::PlaceSelection::kDefaultLatitude;
    static constexpr double kDefaultLongitude = places::PlaceSelection::kDefaultLongitude;

    // What the window holds, for its tests and benchmarks.
    const astro::CalendarDate& SelectedDate() const { return m_selectedDate; }
    double Latitude() const { return m_places.Latitude(); }
    double Longitude() const { return m_places.Longitude(); }
    // The place, zone and name chosen: what every computation of the window is for.
    places::Observer Observer() const;
    const report::TextStyle& TextStyle() const { return m_style; }
    const report::DayReport& Report() const { return m_day.report; }
    bool MoonRowsSwapped() const { return m_moonRows.Swapped(); }
    bool PhaseRowsSwapped() const { return m_phaseRows.Swapped(); }
    const std::vector<zones::TimeZoneEntry>& TimeZones() const { return m_zoneSelection.Catalogue(); }
    const wxBitmap& PhaseBitmap() const { return m_phaseBitmap; }
    int RefreshCount() const { return m_refreshCount; }

    update::UpdateChecker& UpdateService() { return m_updateFlow.Checker(); }
    UpdateDownloadProgress* ProgressWindow() const { return m_progressWindow; }
    // The chart window, once opened.
    DayChartDlg* ChartWindow() const { return m_chartWindow; }
    void OnChart();

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

    // The report.
    void RefreshReport();
    void ShowPhasePicture(int pictureId);
    void SetPickerDate(const astro::CalendarDate& date);
    astro::CalendarDate PickerDate() const;
    void ShowDay(const astro::CalendarDate& date, bool evenIfShown = false);

    // The time zones.
    void FillTimeZoneList(int storedPosition);
    void ShowTimeZoneName(const zones::Zone& zone);
    void OnTimeZoneChanged();

    // The place selection.
    void InitPlaceSelection(const settings::WindowSession& session);
    void ChangePlace(const std::function<places::PlaceChanges()>& change);
    void ShowPlaceChanges(const places::PlaceChanges& changes);
    void ShowStateRow(bool shown);
    using FieldLeft = places::PlaceChanges (places::PlaceSelection::*)(const std::wstring&, const std::wstring&);
    void OnCoordinateFieldLeft(FieldLeft fieldLeft);

    // The update service, the About box and the stores.
    void OnCheckForUpdate();
    void StartDownload();
    void StopDownload();
    void OnAbout();
    void OnMonthTable();
    // The open chart window shows the day the report shows.
    void RefreshChart(const places::Observer& observer);
    void OpenStoreLink(unsigned stringId);

    // The window's state.
    void OnClose();
    void RestoreWindowPosition(const settings::WindowSession& session);

    wxIconBundle m_icons;

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
    almanac::AlmanacDay m_day;  // its texts are bound to the value controls
    DayChartDlg* m_chartWindow = nullptr;  // a child window: destroyed with this one
    astro::CalendarDate m_selectedDate;

    // Rows that trade places: the state row above the city row when a country has states (a
    // closed list is as tall in every row), and the earlier of two events above the later.
    framework::SwappingRows m_placeRows{{kCityCaption, kCityList}, {kStateCaption, kStateList}, true};
    framework::SwappingRows m_moonRows{
        {kMoonriseCaption, kMoonriseValue, kMoonriseAzimuthCaption, kMoonriseAzimuthValue},
        {kMoonsetCaption, kMoonsetValue, kMoonsetAzimuthCaption, kMoonsetAzimuthValue}, false};
    framework::SwappingRows m_phaseRows{{kNextNewMoonCaption, kNextNewMoonValue},
                                        {kNextFullMoonCaption, kNextFullMoonValue}, false};

    zones::ZoneSelection m_zoneSelection;
    wxFont m_boldFont;
    std::string m_languageCode;
    report::TextStyle m_style;  // the interface language and the user's clock, read at the start
    std::string m_programFolder;
    std::string m_givenProgramFolder;
    wxBitmap m_phaseBitmap;
    std::wstring m_stateCaption;
    int m_refreshCount = 0;
    LauncherInstallerStarter m_installerStarter;
    update::UpdateFlow m_updateFlow{m_installerStarter};
    UpdateDownloadProgress* m_progressWindow = nullptr;  // a child window: freed with this one
};
