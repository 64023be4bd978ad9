// The main window: its start, the refresh of the day report, the date handlers and the rows that
// change places.
#include "almanax_dlg.h"

#include <wx/datectrl.h>
#include <wx/dateevt.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "framework/resource_bitmaps.h"
#include "framework/toolkit_locale.h"
#include "program/interface_language.h"
#include "program/platform_paths.h"
#include "program/program_version.h"
#include "settings/window_session.h"
#include "zones/zone_names_icu.h"
#include "report/clock_setting.h"
#include "almanac/report_fields.h"
#include "report/phase_picture.h"
#include "report/value_formatting.h"
#include "resources/string_table.h"
#include "resources/string_ids.h"

namespace {

// The captions of the window and their texts; buttons get theirs directly.
struct CaptionText {
    int controlId;
    unsigned stringId;
};
constexpr CaptionText kCaptions[] = {
    {kDateCaption, resources::kCaptionDate},          {kTimeZoneCaption, resources::kCaptionTimeZone},        {kSunriseCaption, resources::kCaptionSunrise},
    {kSunsetCaption, resources::kCaptionSunset},        {kMoonriseCaption, resources::kCaptionMoonrise},        {kMoonsetCaption, resources::kCaptionMoonset},
    {kSunCulminationCaption, resources::kCaptionSunCulmination}, {kMoonCulminationCaption, resources::kCaptionMoonCulmination}, {kTwilightCaption, resources::kCaptionTwilight},
    {kAstronomicalCaption, resources::kCaptionAstronomical},  {kNauticalCaption, resources::kCaptionNautical},        {kCivilCaption, resources::kCaptionCivil},
    {kDayLengthCaption, resources::kCaptionDayLength},     {kVisibilityCaption, resources::kCaptionVisibility},      {kPhaseCaption, resources::kCaptionPhase},
    {kNextNewMoonCaption, resources::kCaptionNextNewMoon},   {kNextFullMoonCaption, resources::kCaptionNextFullMoon},    {kContinentCaption, resources::kCaptionContinent},
    {kCountryCaption, resources::kCaptionCountry},       {kLatitudeCaption, resources::kCaptionLatitude},
    {kLongitudeCaption, resources::kCaptionLongitude},     {kCityCaption, resources::kCaptionCity},            {kSunriseAzimuthCaption, resources::kCaptionAzimuth},
    {kSunsetAzimuthCaption, resources::kCaptionAzimuth}, {kMoonriseAzimuthCaption, resources::kCaptionAzimuth}, {kMoonsetAzimuthCaption, resources::kCaptionAzimuth},
    {kSunDeclinationCaption, resources::kCaptionDeclination}, {kMoonDeclinationCaption, resources::kCaptionDeclination}, {kEquationOfTimeCaption, resources::kCaptionEquationOfTime},
    {kStoreCaption, resources::kCaptionStores},
};
constexpr CaptionText kButtonCaptions[] = {
    {kTodayButton, resources::kTextToday}, {kAboutButton, resources::kTextAboutButton}, {kUpdateButton, resources::kTextCheckForUpdate}};

// Captions and times in the bold font.
constexpr int kBoldControls[] = {kSunriseCaption, kSunsetCaption, kMoonriseCaption, kMoonsetCaption,
                                 kSunriseValue,   kSunsetValue,   kMoonriseValue,   kMoonsetValue};

// The rows that change places, in the order of their slots.
constexpr int kMoonriseRow[] = {kMoonriseCaption, kMoonriseValue, kMoonriseAzimuthCaption,
                                kMoonriseAzimuthValue};
constexpr int kMoonsetRow[] = {kMoonsetCaption, kMoonsetValue, kMoonsetAzimuthCaption,
                               kMoonsetAzimuthValue};
constexpr int kNewMoonRow[] = {kNextNewMoonCaption, kNextNewMoonValue};
constexpr int kFullMoonRow[] = {kNextFullMoonCaption, kNextFullMoonValue};

}  // namespace

CAlmanaxDlg::CAlmanaxDlg(std::string programFolder)
    : CLocalizableDialog(resources::kMainWindowDialog),
      m_places([] {
          settings::SavedCoordinates saved = settings::ReadSavedCoordinates();
          return places::CoordinateTexts{std::move(saved.latitude), std::move(saved.longitude)};
      }),
      m_givenProgramFolder(std::move(programFolder)) {
    m_icons = framework::LoadProgramIcons();
    for (const CaptionText& caption : kCaptions) BindText(caption.controlId, &Text(caption.controlId));
    for (const almanac::ReportField& field : almanac::ReportFields()) {
        if (field.valueControl != 0) BindText(field.valueControl, &Text(field.valueControl));
    }
    BindText(kStateCaption, &m_stateCaption);
    BindText(kZoneCaption, &m_zoneCaptionText);
    BindText(kLatitudeField, &m_latitudeField);
    BindText(kLongitudeField, &m_longitudeField);
}

CAlmanaxDlg::~CAlmanaxDlg() { StopDownload(); }

std::wstring& CAlmanaxDlg::Text(int controlId) { return m_texts[controlId]; }

std::vector<framework::CDialog::Route> CAlmanaxDlg::MessageMap() {
    using framework::Notification;
    return {
        {Notification::kSelectionChanged, kContinentList, [this] { OnContinentChanged(); }},
        {Notification::kSelectionChanged, kCountryList, [this] { OnCountryChanged(); }},
        {Notification::kSelectionChanged, kCityList, [this] { OnCityChanged(); }},
        {Notification::kSelectionChanged, kStateList, [this] { OnStateChanged(); }},
        {Notification::kSelectionChanged, kTimeZoneList, [this] { OnTimeZoneChanged(); }},
        {Notification::kEditChanged, kLatitudeField, [this] { OnCoordinateEdited(); }},
        {Notification::kEditChanged, kLongitudeField, [this] { OnCoordinateEdited(); }},
        {Notification::kEditLostFocus, kLatitudeField, [this] { OnLatitudeKillFocus(); }},
        {Notification::kEditLostFocus, kLongitudeField, [this] { OnLongitudeKillFocus(); }},
        {Notification::kDateChanged, kDatePicker, [this] { OnDateChanged(); }},
        {Notification::kButtonClicked, kPreviousDayButton, [this] { OnPreviousDay(); }},
        {Notification::kButtonClicked, kNextDayButton, [this] { OnNextDay(); }},
        {Notification::kButtonClicked, kTodayButton, [this] { OnToday(); }},
        {Notification::kButtonClicked, kUpdateButton, [this] { OnCheckForUpdate(); }},
        {Notification::kButtonClicked, kAboutButton, [this] { OnAbout(); }},
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
    FillCaptions();

    // The bold font of the sunrise, sunset, moonrise and moonset rows: 20 pixels high.
    m_boldFont = wxFont(wxFontInfo(wxSize(0, 20)).Bold());
    for (const int id : kBoldControls) {
        if (wxWindow* control = Control(id)) {
            control->SetFont(m_boldFont);
            control->Refresh();
        }
    }

    m_continentList = decltype(m_continentList)(ControlAs<wxOwnerDrawnComboBox>(kContinentList));
    m_countryList = decltype(m_countryList)(ControlAs<wxOwnerDrawnComboBox>(kCountryList));
    m_cityList = decltype(m_cityList)(ControlAs<wxOwnerDrawnComboBox>(kCityList));
    m_stateList = decltype(m_stateList)(ControlAs<wxOwnerDrawnComboBox>(kStateList));
    m_timeZoneList = decltype(m_timeZoneList)(ControlAs<wxOwnerDrawnComboBox>(kTimeZoneList));
    CaptureSlots();
    update::UpdateChecker& updateChecker = m_updateFlow.Checker();
    updateChecker.SetQueryBase(update::kUpdateQueryBase);
    updateChecker.SetProductId(update::kProductId);
    updateChecker.SetInstalledVersion(program::GetProgramVersion());
    Bind(wxEVT_MOVE, [this](wxMoveEvent& event) {
        event.Skip();
        RecaptureSlots();
    });

    std::vector<zones::TimeZoneEntry> timeZones;
    zones::LoadTimeZones(timeZones, zones::kSystemZoneInfoFolder, zones::IcuZoneNames(m_languageCode));
    m_zoneSelection = zones::ZoneSelection(std::move(timeZones));

    // White backgrounds behind every control, as the window's own.
    SetBackgroundColour(*wxWHITE);
    for (wxWindow* child : GetChildren()) {
        if (dynamic_cast<wxStaticText*>(child) || dynamic_cast<wxStaticBitmap*>(child) ||
            dynamic_cast<wxOwnerDrawnComboBox*>(child)) {
            child->SetBackgroundColour(*wxWHITE);
        }
    }
    SetIcons(m_icons);

    // Enter and Escape move the focus as Tab does; neither closes the window.
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
        const int key = event.GetKeyCode();
        if (key == WXK_RETURN || key == WXK_NUMPAD_ENTER || key == WXK_ESCAPE) {
            if (wxWindow* focus = wxWindow::FindFocus()) {
                focus->Navigate(event.ShiftDown() ? wxNavigationKeyEvent::IsBackward
                                                  : wxNavigationKeyEvent::IsForward);
            } else {
                Navigate();
            }
            return;
        }
        event.Skip();
    });

    if (auto* picker = ControlAs<wxDatePickerCtrl>(kDatePicker)) {
        picker->SetRange(PickerValue(almanac::kFirstDate), PickerValue(almanac::kLastDate));
    }
    m_selectedDate = almanac::Today();
    FillTimeZoneList(session.timeZone);
    InitPlaceSelection(session);
    return true;
}

void CAlmanaxDlg::ChooseInterfaceLanguage() {
    const program::InterfaceLanguage language = program::ChooseInterfaceLanguage();
    framework::UseToolkitLocale(language.localeName);
    m_languageCode = language.languageCode;
}

void CAlmanaxDlg::FillCaptions() {
    for (const CaptionText& caption : kCaptions) {
        Text(caption.controlId) = resources::LoadLocalizedString(caption.stringId);
    }
    m_stateCaption = resources::LoadLocalizedString(resources::kCaptionState);
    for (const CaptionText& caption : kButtonCaptions) SetLocalizedText(Control(caption.controlId), caption.stringId);
    WriteBoundTexts();
}

void CAlmanaxDlg::CaptureSlots() {
    const auto rectOf = [this](int id) {
        const wxWindow* control = Control(id);
        return control != nullptr ? control->GetScreenRect() : wxRect();
    };
    m_slots[kThirdRowCaption] = rectOf(kCityCaption);
    m_slots[kThirdRowList] = rectOf(kCityList);
    m_slots[kFourthRowCaption] = rectOf(kStateCaption);
    m_slots[kFourthRowList] = rectOf(kStateList);
    for (int i = 0; i < 4; ++i) {
        m_slots[kUpperMoonRow0 + i] = rectOf(kMoonriseRow[i]);
        m_slots[kLowerMoonRow0 + i] = rectOf(kMoonsetRow[i]);
    }
    for (int i = 0; i < 2; ++i) {
        m_slots[kLowerPhaseRow0 + i] = rectOf(kFullMoonRow[i]);
        m_slots[kUpperPhaseRow0 + i] = rectOf(kNewMoonRow[i]);
    }
}

// The slots describe rows, not controls: read them again from whichever controls stand in them now,
// so that they follow the window when it moves.
void CAlmanaxDlg::RecaptureSlots() {
    const auto rectOf = [this](int id) {
        const wxWindow* control = Control(id);
        return control != nullptr ? control->GetScreenRect() : wxRect();
    };
    m_slots[kThirdRowCaption] = rectOf(m_places.StateRowShown() ? kStateCaption : kCityCaption);
    m_slots[kThirdRowList] = rectOf(m_places.StateRowShown() ? kStateList : kCityList);
    m_slots[kFourthRowCaption] = rectOf(m_places.StateRowShown() ? kCityCaption : kStateCaption);
    m_slots[kFourthRowList] = rectOf(m_places.StateRowShown() ? kCityList : kStateList);
    for (int i = 0; i < 4; ++i) {
        m_slots[kUpperMoonRow0 + i] = rectOf(m_moonRowsSwapped ? kMoonsetRow[i] : kMoonriseRow[i]);
        m_slots[kLowerMoonRow0 + i] = rectOf(m_moonRowsSwapped ? kMoonriseRow[i] : kMoonsetRow[i]);
    }
    for (int i = 0; i < 2; ++i) {
        m_slots[kUpperPhaseRow0 + i] = rectOf(m_phaseRowsSwapped ? kFullMoonRow[i] : kNewMoonRow[i]);
        m_slots[kLowerPhaseRow0 + i] = rectOf(m_phaseRowsSwapped ? kNewMoonRow[i] : kFullMoonRow[i]);
    }
}

void CAlmanaxDlg::MoveToSlot(int controlId, const wxRect& slot, bool takeSlotSize) {
    wxWindow* control = Control(controlId);
    if (control == nullptr) return;
    const wxPoint position = ScreenToClient(slot.GetTopLeft());
    if (takeSlotSize) {
        control->SetSize(wxRect(position, slot.GetSize()));
    } else {
        control->Move(position);
    }
    control->Refresh();
}

void CAlmanaxDlg::ShowMoonRows(bool moonriseRowFirst) {
    for (int i = 0; i < 4; ++i) {
        MoveToSlot(kMoonriseRow[i], m_slots[(moonriseRowFirst ? kUpperMoonRow0 : kLowerMoonRow0) + i]);
        MoveToSlot(kMoonsetRow[i], m_slots[(moonriseRowFirst ? kLowerMoonRow0 : kUpperMoonRow0) + i]);
    }
    m_moonRowsSwapped = !moonriseRowFirst;
}

void CAlmanaxDlg::ShowPhaseDateRows(bool fullMoonFirst) {
    for (int i = 0; i < 2; ++i) {
        MoveToSlot(kFullMoonRow[i], m_slots[(fullMoonFirst ? kUpperPhaseRow0 : kLowerPhaseRow0) + i]);
        MoveToSlot(kNewMoonRow[i], m_slots[(fullMoonFirst ? kLowerPhaseRow0 : kUpperPhaseRow0) + i]);
    }
    m_phaseRowsSwapped = fullMoonFirst;
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
    almanac::DayZone zone;
    zone.rule = GetSelectedTimeZone();
    if (almanac::ComputeAlmanacDay(m_selectedDate, Latitude(), Longitude(), zone,
                                   report::UserUses12HourClock(), m_day)) {
        const report::DayReport& r = m_day.report;
        for (const almanac::ReportField& field : almanac::ReportFields()) {
            if (field.valueControl != 0) Text(field.valueControl) = m_day.texts.*field.text;
        }
        if (r.ephemerisValid) {
            ShowMoonRows(r.moonRiseRowFirst);
            ShowPhasePicture(report::PhasePictureId(r.phaseIndex, r.southernHemisphere));
        }
        ShowPhaseDateRows(r.fullMoonFirst);
    }
    ShowTimeZoneName();
    WriteBoundTexts();
    ++m_refreshCount;
}

wxDateTime CAlmanaxDlg::PickerValue(const astro::CalendarDate& date) {
    return wxDateTime(static_cast<wxDateTime::wxDateTime_t>(date.day),
                      static_cast<wxDateTime::Month>(date.month - 1), static_cast<int>(date.year));
}

void CAlmanaxDlg::SetPickerDate(const astro::CalendarDate& date) {
    auto* picker = ControlAs<wxDatePickerCtrl>(kDatePicker);
    if (picker == nullptr) return;
    const wxDateTime value = PickerValue(date);
    if (value.IsValid() && picker->GetValue() != value) picker->SetValue(value);
}

// The picker's date, or the selected date when the picker holds none.
astro::CalendarDate CAlmanaxDlg::PickerDate() const {
    const auto* picker = ControlAs<wxDatePickerCtrl>(kDatePicker);
    const wxDateTime value = picker != nullptr ? picker->GetValue() : wxDateTime();
    if (!value.IsValid()) return m_selectedDate;
    return astro::CalendarDate{static_cast<std::uint16_t>(value.GetYear()),
                               static_cast<std::uint16_t>(value.GetMonth() + 1),
                               static_cast<std::uint16_t>(value.GetDay())};
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
