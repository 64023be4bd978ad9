// The main window: its start and close (with the saved place, zone and position), the refresh of
// the day report, the date handlers, the rows that change places and the time-zone list.
#include "almanax_dlg.h"

#include <wx/datectrl.h>
#include <wx/dateevt.h>
#include <wx/statbmp.h>

#include "framework/accessible_names.h"
#include "zones/zone_names_icu.h"
#include "framework/date_picker.h"
#include "framework/dialog_looks.h"
#include "framework/resource_bitmaps.h"
#include "framework/toolkit_locale.h"
#include "program/interface_language.h"
#include "program/platform_paths.h"
#include "program/program_version.h"
#include "settings/window_session.h"
#include "report/clock_setting.h"
#include "almanac/report_fields.h"
#include "common/utf8_text.h"
#include "report/phase_picture.h"
#include "resources/string_table.h"
#include "resources/string_ids.h"

CAlmanaxDlg::CAlmanaxDlg(std::string programFolder)
    : CLocalizableDialog(resources::kMainWindowDialog),
      m_places([] {
          settings::SavedCoordinates saved = settings::ReadSavedCoordinates();
          return places::CoordinateTexts{std::move(saved.latitude), std::move(saved.longitude)};
      }),
      m_givenProgramFolder(std::move(programFolder)) {
    m_icons = framework::LoadProgramIcons();
    BindCaptions(resources::kMainWindowCaptions);
    for (const almanac::ReportField& field : almanac::ReportFields()) {
        for (const resources::ReportValueControl& value : resources::kReportValueControls) {
            if (std::string_view(value.fieldKey) == field.key) BindText(value.control, &(m_day.texts.*field.text));
        }
    }
    BindText(kStateCaption, &m_stateCaption);
    BindText(kZoneCaption, &m_zoneCaptionText);
    BindText(kLatitudeField, &m_latitudeField);
    BindText(kLongitudeField, &m_longitudeField);
}

CAlmanaxDlg::~CAlmanaxDlg() { StopDownload(); }

std::vector<framework::CDialog::Route> CAlmanaxDlg::MessageMap() {
    using framework::Notification;
    return {
        {Notification::kSelectionChanged, kContinentList,
         [this] { ChangePlace([this] { return m_places.OnContinentChanged(m_continentList.GetSelection()); }); }},
        {Notification::kSelectionChanged, kCountryList,
         [this] { ChangePlace([this] { return m_places.OnCountryChanged(m_countryList.GetSelection()); }); }},
        {Notification::kSelectionChanged, kCityList,
         [this] { ChangePlace([this] { return m_places.OnCityChanged(m_cityList.GetSelection()); }); }},
        {Notification::kSelectionChanged, kStateList,
         [this] { ChangePlace([this] { return m_places.OnStateChanged(m_stateList.GetSelection()); }); }},
        {Notification::kSelectionChanged, kTimeZoneList, [this] { OnTimeZoneChanged(); }},
        {Notification::kEditChanged, kLatitudeField, [this] { ChangePlace([this] { return m_places.OnCoordinateEdited(); }); }},
        {Notification::kEditChanged, kLongitudeField, [this] { ChangePlace([this] { return m_places.OnCoordinateEdited(); }); }},
        {Notification::kEditLostFocus, kLatitudeField, [this] { OnCoordinateFieldLeft(&places::PlaceSelection::OnLatitudeFieldLeft); }},
        {Notification::kEditLostFocus, kLongitudeField, [this] { OnCoordinateFieldLeft(&places::PlaceSelection::OnLongitudeFieldLeft); }},
        {Notification::kDateChanged, kDatePicker, [this] { OnDateChanged(); }},
        {Notification::kButtonClicked, kPreviousDayButton, [this] { OnPreviousDay(); }},
        {Notification::kButtonClicked, kNextDayButton, [this] { OnNextDay(); }},
        {Notification::kButtonClicked, kTodayButton, [this] { OnToday(); }},
        {Notification::kButtonClicked, kUpdateButton, [this] { OnCheckForUpdate(); }},
        {Notification::kButtonClicked, kAboutButton, [this] { OnAbout(); }},
        {Notification::kButtonClicked, kTableButton, [this] { OnMonthTable(); }},
        {Notification::kButtonClicked, kChartButton, [this] { OnChart(); }},
        {Notification::kButtonClicked, kAppleStoreButton, [this] { OpenStoreLink(resources::kTextAppleStoreAddress); }},
        {Notification::kButtonClicked, kAndroidStoreButton, [this] { OpenStoreLink(resources::kTextAndroidStoreAddress); }},
        {Notification::kButtonClicked, kWindowsStoreButton, [this] { OpenStoreLink(resources::kTextWindowsStoreAddress); }},
    };
}

// The interface language was chosen just before the controls were made (OnCreatingControls), so
// that the date picker writes dates in its locale.
bool CAlmanaxDlg::OnInitDialog() {
    m_programFolder = m_givenProgramFolder.empty() ? program::ProgramFolder() : m_givenProgramFolder;
    SetTitle(wxString(L"Almanaxium - " + resources::LoadPlainString(resources::kTextVersion) + L" " +
                      program::GetProgramVersion() + L" "));
    const settings::WindowSession session = settings::ReadWindowSession();
    RestoreWindowPosition(session);
    m_stateCaption = resources::LoadLocalizedString(resources::kCaptionState);
    LoadCaptions();

    // The bold font of the sunrise, sunset, moonrise and moonset rows: 20 pixels high.
    m_boldFont = wxFont(wxFontInfo(wxSize(0, 20)).Bold());
    framework::UseFont(*this, {kSunriseCaption, kSunsetCaption, kMoonriseCaption, kMoonsetCaption,
                               kSunriseValue, kSunsetValue, kMoonriseValue, kMoonsetValue}, m_boldFont);

    framework::SetAccessibleName(Control(kPreviousDayButton), resources::LoadLocalizedString(resources::kTextPreviousDay));
    framework::SetAccessibleName(Control(kNextDayButton), resources::LoadLocalizedString(resources::kTextNextDay));

    m_continentList = decltype(m_continentList)(ControlAs<wxChoice>(kContinentList));
    m_countryList = decltype(m_countryList)(ControlAs<wxChoice>(kCountryList));
    m_cityList = decltype(m_cityList)(ControlAs<wxChoice>(kCityList));
    m_stateList = decltype(m_stateList)(ControlAs<wxChoice>(kStateList));
    m_timeZoneList = decltype(m_timeZoneList)(ControlAs<wxChoice>(kTimeZoneList));
    for (framework::SwappingRows* rows : {&m_placeRows, &m_moonRows, &m_phaseRows}) rows->Capture(*this);
    m_updateFlow.UseVersionService(program::GetProgramVersion());
    Bind(wxEVT_MOVE, [this](wxMoveEvent& event) {
        event.Skip();
        for (framework::SwappingRows* rows : {&m_placeRows, &m_moonRows, &m_phaseRows}) rows->Capture(*this);
    });

    m_zoneSelection = zones::ZoneSelection(zones::LoadZoneCatalogue(m_languageCode));

    framework::UseWhiteBackground(*this, true);
    SetIcons(m_icons);
    framework::MoveFocusOnEnterAndEscape(*this);

    framework::SetPickerRange(ControlAs<wxDatePickerCtrl>(kDatePicker), almanac::kFirstDate, almanac::kLastDate);
    m_selectedDate = almanac::Today();
    FillTimeZoneList(session.timeZone);
    InitPlaceSelection(session);
    return true;
}

void CAlmanaxDlg::ChooseInterfaceLanguage() {
    const program::InterfaceLanguage language = program::ChooseInterfaceLanguage();
    framework::UseToolkitLocale(language.localeName);
    m_languageCode = language.languageCode;
    m_style = report::TextStyle{m_languageCode, report::UserUses12HourClock()};
}

// The picture that showed before is released when the control and this window let go of it, so
// exactly one phase bitmap is alive.
void CAlmanaxDlg::ShowPhasePicture(int pictureId) {
    auto* picture = ControlAs<wxStaticBitmap>(kPhasePicture);
    if (picture == nullptr) return;
    m_phaseBitmap = framework::LoadResourceBitmap(pictureId);
    picture->SetBitmap(m_phaseBitmap);
}

void CAlmanaxDlg::RefreshReport() {
    SetPickerDate(m_selectedDate);
    const places::Observer observer = Observer();
    if (std::optional<almanac::AlmanacDay> day = almanac::ComputeAlmanacDay(m_selectedDate, observer, m_style)) {
        // A year the engine does not compute keeps the values shown beside the new date.
        m_day = almanac::KeepShownValues(m_day, std::move(*day));
        const report::DayReport& r = m_day.report;
        if (r.ephemerisValid) {
            m_moonRows.Show(*this, !r.moonRiseRowFirst);
            ShowPhasePicture(report::PhasePictureId(r.phaseIndex, r.southernHemisphere));
            framework::SetAccessibleName(Control(kPhasePicture), m_day.texts.phase);
            framework::SetAccessibleDescription(Control(kPhasePicture), m_day.texts.phase);
        }
        m_phaseRows.Show(*this, r.fullMoonFirst);
    }
    ShowTimeZoneName(observer.zone);
    WriteBoundTexts();
    RefreshChart(observer);
    ++m_refreshCount;
}

void CAlmanaxDlg::SetPickerDate(const astro::CalendarDate& date) {
    framework::ShowPickerDate(ControlAs<wxDatePickerCtrl>(kDatePicker), date);
}

// The picker's date, or the selected date when the picker holds none.
astro::CalendarDate CAlmanaxDlg::PickerDate() const {
    return framework::PickerDate(ControlAs<wxDatePickerCtrl>(kDatePicker)).value_or(m_selectedDate);
}

void CAlmanaxDlg::OnDateChanged() {
    m_selectedDate = PickerDate();
    RefreshReport();
}

// The day buttons move by calendar days and stop at the ends of the years the engine computes, so a
// date is never shown beside the values of another.
void CAlmanaxDlg::OnPreviousDay() { ShowDay(almanac::PreviousDay(PickerDate())); }
void CAlmanaxDlg::OnNextDay() { ShowDay(almanac::NextDay(PickerDate())); }
void CAlmanaxDlg::OnToday() { ShowDay(almanac::Today(), true); }

void CAlmanaxDlg::ShowDay(const astro::CalendarDate& date, bool evenIfShown) {
    if (date == PickerDate() && !evenIfShown) return;
    m_selectedDate = date;
    SetPickerDate(m_selectedDate);
    RefreshReport();
}

void CAlmanaxDlg::FillTimeZoneList(int storedPosition) {
    m_timeZoneList.FillItems(m_zoneSelection.ListItems());
    m_timeZoneList.SetSelection(m_zoneSelection.InitialPosition(storedPosition));
}

// A zone without names (the system's rule, when the list holds no zone) leaves the label as it was.
void CAlmanaxDlg::ShowTimeZoneName(const zones::Zone& zone) {
    if (const auto label = zone.LabelOn(m_day.report.date)) m_zoneCaptionText = *label;
}

void CAlmanaxDlg::OnTimeZoneChanged() { RefreshReport(); }

places::Observer CAlmanaxDlg::Observer() const {
    places::Observer observer;
    observer.latitudeDeg = m_places.Latitude();
    observer.longitudeDeg = m_places.Longitude();
    observer.zone = m_zoneSelection.ZoneAt(m_timeZoneList.GetSelection());
    // A calendar event's location: the city, or the typed coordinates ("-" in the city list).
    const places::PlaceListItems& cities = m_places.Cities();
    const bool city = cities.selection >= 0 && cities.selection < static_cast<int>(cities.texts.size()) &&
                      cities.texts[static_cast<std::size_t>(cities.selection)] != L"-";
    observer.name = city ? common::WideToUtf8(cities.texts[static_cast<std::size_t>(cities.selection)])
                         : common::WideToUtf8(m_places.LatitudeText() + L", " + m_places.LongitudeText());
    return observer;
}

void CAlmanaxDlg::OnClose() {
    StopDownload();
    const wxRect rect = GetRect();
    const places::PlacePositions shown = m_places.ShownPositions();
    const settings::WindowSession session{shown.continent, shown.country, shown.city, shown.state,
                                          m_timeZoneList.GetSelection(), m_places.LatitudeText(),
                                          m_places.LongitudeText(), rect.GetLeft(), rect.GetTop(),
                                          rect.GetRight() + 1, rect.GetBottom() + 1};
    settings::WriteWindowSession(session, !IsIconized());
    for (framework::SortedDropDownBase* list : {&m_countryList, &m_stateList, &m_cityList}) list->Reset();
    EndDialog(wxID_CANCEL);
}

void CAlmanaxDlg::RestoreWindowPosition(const settings::WindowSession& session) {
    if (session.HasRectangle()) {
        // The toolkit reads -1 as "keep": a saved -1 is a position like any other.
        SetSize(session.left, session.top, GetSize().x, GetSize().y, wxSIZE_ALLOW_MINUS_ONE);
        Raise();
    }
}
