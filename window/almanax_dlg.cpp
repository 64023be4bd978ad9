// The main window: its start, the refresh of the day report, the date handlers and the rows that
// change places.
#include "almanax_dlg.h"

#include <wx/datectrl.h>
#include <wx/dateevt.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include <ctime>

#include "framework/resource_bitmaps.h"
#include "framework/toolkit_locale.h"
#include "program/interface_language.h"
#include "program/platform_paths.h"
#include "program/program_version.h"
#include "settings/window_session.h"
#include "zones/zone_names_icu.h"
#include "report/clock_setting.h"
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

// The value controls, whose texts each refresh sets.
constexpr int kValueControls[] = {
    kSunriseValue, kSunsetValue, kMoonriseValue, kMoonsetValue, kSunCulminationValue,
    kDayLengthValue, kAstronomicalEndValue, kNauticalEndValue, kCivilEndValue,
    kAstronomicalBeginValue, kNauticalBeginValue, kCivilBeginValue, kMoonCulminationValue,
    kPhaseValue, kVisibilityValue, kNextNewMoonValue, kNextFullMoonValue, kSunDeclinationValue,
    kMoonDeclinationValue, kEquationOfTimeValue, kSunriseAzimuthValue, kSunsetAzimuthValue,
    kMoonriseAzimuthValue, kMoonsetAzimuthValue,
};

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

// The years the engine computes, and so the years the date picker offers.
constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2099;

std::tm LocalCalendar(std::int64_t seconds) {
    const std::time_t when = static_cast<std::time_t>(seconds);
    std::tm calendar{};
    localtime_r(&when, &calendar);
    return calendar;
}

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
    for (const int value : kValueControls) BindText(value, &Text(value));
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
    m_updateChecker.SetQueryBase(update::kUpdateQueryBase);
    m_updateChecker.SetProductId(update::kProductId);
    m_updateChecker.SetInstalledVersion(program::GetProgramVersion());
    Bind(wxEVT_MOVE, [this](wxMoveEvent& event) {
        event.Skip();
        RecaptureSlots();
    });

    zones::LoadTimeZones(m_timeZones, zones::kSystemZoneInfoFolder,
                          zones::IcuZoneNames(m_languageCode));

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
        picker->SetRange(wxDateTime(1, wxDateTime::Jan, kFirstYear),
                         wxDateTime(31, wxDateTime::Dec, kLastYear));
    }
    m_selectedDate = static_cast<std::int64_t>(std::time(nullptr));
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
    report::DayReport dayReport = m_report;
    const bool computed = report::ComputeDayReport(m_selectedDate, Latitude(), Longitude(),
                                                   GetSelectedTimeZone(), m_ephemeris, dayReport);
    if (computed) {
        m_report = dayReport;
        const report::DayReportTexts t = report::FormatDayReport(dayReport, report::UserUses12HourClock());
        if (dayReport.ephemerisValid) {
            Text(kSunriseValue) = t.sunrise;
            Text(kSunriseAzimuthValue) = t.sunriseAzimuth;
            Text(kSunsetValue) = t.sunset;
            Text(kSunsetAzimuthValue) = t.sunsetAzimuth;
            Text(kSunCulminationValue) = t.sunCulmination;
            Text(kSunDeclinationValue) = t.sunDeclination;
            Text(kEquationOfTimeValue) = t.equationOfTime;
            Text(kMoonriseValue) = t.moonrise;
            Text(kMoonriseAzimuthValue) = t.moonriseAzimuth;
            Text(kMoonsetValue) = t.moonset;
            Text(kMoonsetAzimuthValue) = t.moonsetAzimuth;
            Text(kMoonCulminationValue) = t.moonCulmination;
            Text(kMoonDeclinationValue) = t.moonDeclination;
            ShowMoonRows(dayReport.moonRiseRowFirst);

            Text(kVisibilityValue) = t.visibility;
            ShowPhasePicture(report::PhasePictureId(dayReport.phaseIndex, dayReport.southernHemisphere));
            Text(kPhaseValue) = t.phase;
            Text(kDayLengthValue) = t.dayLength;
            Text(kAstronomicalBeginValue) = t.astronomicalTwilightBegin;
            Text(kAstronomicalEndValue) = t.astronomicalTwilightEnd;
            Text(kNauticalBeginValue) = t.nauticalTwilightBegin;
            Text(kNauticalEndValue) = t.nauticalTwilightEnd;
            Text(kCivilBeginValue) = t.civilTwilightBegin;
            Text(kCivilEndValue) = t.civilTwilightEnd;
        }
        Text(kNextNewMoonValue) = t.nextNewMoon;
        Text(kNextFullMoonValue) = t.nextFullMoon;
        ShowPhaseDateRows(dayReport.fullMoonFirst);
    }
    ShowTimeZoneName();
    WriteBoundTexts();
    ++m_refreshCount;
}

void CAlmanaxDlg::SetPickerDate(std::int64_t selectedDate) {
    auto* picker = ControlAs<wxDatePickerCtrl>(kDatePicker);
    if (picker == nullptr) return;
    const std::tm calendar = LocalCalendar(selectedDate);
    const wxDateTime date(static_cast<wxDateTime::wxDateTime_t>(calendar.tm_mday),
                          static_cast<wxDateTime::Month>(calendar.tm_mon), calendar.tm_year + 1900);
    if (date.IsValid() && picker->GetValue() != date) picker->SetValue(date);
}

// The picker's date as a selected date (12:00 of that day), or the selected date when the picker
// holds none.
std::int64_t CAlmanaxDlg::PickerDate() const {
    const auto* picker = ControlAs<wxDatePickerCtrl>(kDatePicker);
    const wxDateTime date = picker != nullptr ? picker->GetValue() : wxDateTime();
    if (!date.IsValid()) return m_selectedDate;
    return report::SelectedDateOf(date.GetYear(), date.GetMonth() + 1, date.GetDay());
}

void CAlmanaxDlg::OnDateChanged() {
    m_selectedDate = PickerDate();
    RefreshReport();
}

// The day buttons move by calendar days and stop at the ends of the years the engine computes, so a
// date is never shown beside the values of another.
void CAlmanaxDlg::OnPreviousDay() {
    const std::tm calendar = LocalCalendar(PickerDate());
    if (calendar.tm_year + 1900 <= kFirstYear && calendar.tm_mon == 0 && calendar.tm_mday == 1) return;
    m_selectedDate =
        report::SelectedDateOf(calendar.tm_year + 1900, calendar.tm_mon + 1, calendar.tm_mday - 1);
    SetPickerDate(m_selectedDate);
    RefreshReport();
}

void CAlmanaxDlg::OnNextDay() {
    const std::tm calendar = LocalCalendar(PickerDate());
    if (calendar.tm_year + 1900 >= kLastYear && calendar.tm_mon == 11 && calendar.tm_mday == 31) return;
    m_selectedDate =
        report::SelectedDateOf(calendar.tm_year + 1900, calendar.tm_mon + 1, calendar.tm_mday + 1);
    SetPickerDate(m_selectedDate);
    RefreshReport();
}

void CAlmanaxDlg::OnToday() {
    m_selectedDate = static_cast<std::int64_t>(std::time(nullptr));
    SetPickerDate(m_selectedDate);
    RefreshReport();
}
