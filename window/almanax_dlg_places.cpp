// The main window's place selection: continent, country, state and city lists cascading from the
// place catalogue, and the typed coordinates.
#include <wx/odcombo.h>

#include "almanax_dlg.h"
#include "settings/app_settings.h"
#include "places/coordinate_text.h"
#include "resources/string_table.h"

namespace {

constexpr const wchar_t* kTypedCoordinates = L"-";

}  // namespace

void CAlmanaxDlg::InitPlaceSelection() {
    for (const places::ContinentEntry& continent : places::kContinents) {
        m_continentList.AddItem(resources::LoadPlainString(continent.stringId),
                                std::make_unique<const places::ContinentEntry*>(&continent));
    }
    auto stored = [](int id) { return std::max(0, settings::ReadSettingDword(id)); };
    m_continentIndex = stored(settings::kSettingContinent);
    m_countryIndex = stored(settings::kSettingCountry);
    m_stateIndex = stored(settings::kSettingState);
    m_cityIndex = stored(settings::kSettingCity);
    m_continentList.SetSelection(m_continentIndex);
    FillCountryList();
}

void CAlmanaxDlg::FillCountryList() {
    m_countryList.Reset();
    const places::ContinentEntry* const* continent = m_continentList.ItemRecord(m_continentIndex);
    if (continent == nullptr) return;
    m_countryList.FillItems(places::ReadCountryList(m_programFolder, **continent, m_languageCode));
    m_countryList.SetSelection(m_countryIndex);
    FillBelowCountry();
}

// A country with states shows the state row and its states; any other lists its cities at once.
void CAlmanaxDlg::FillBelowCountry() {
    const places::RegionEntry* country = m_countryList.ItemRecord(m_countryIndex);
    if (country == nullptr) return;
    ShowStateRow(country->hasStates);
    if (country->hasStates) {
        FillStateList();
    } else {
        FillCitiesOfCountry();
    }
}

void CAlmanaxDlg::FillStateList() {
    m_stateList.Reset();
    const places::RegionEntry* country = m_countryList.ItemRecord(m_countryIndex);
    if (country == nullptr) return;
    places::StateList states = places::ReadStateList(m_programFolder, *country);
    m_stateList.FillItems(std::move(states.states));
    m_stateCaption = resources::LoadLocalizedString(states.captionId);
    m_stateList.SetSelection(m_stateIndex);
    FillCitiesOfState();
}

void CAlmanaxDlg::FillCitiesOfState() {
    if (const places::RegionEntry* state = m_stateList.ItemRecord(m_stateIndex)) FillCityList(*state);
}

void CAlmanaxDlg::FillCitiesOfCountry() {
    if (const places::RegionEntry* country = m_countryList.ItemRecord(m_countryIndex)) {
        FillCityList(*country);
    }
}

void CAlmanaxDlg::FillCityList(const places::RegionEntry& region) {
    m_cityList.Reset();
    m_cityList.FillItems(places::ReadCityList(m_programFolder, region));
    m_cityList.SetSelection(m_cityIndex);
    m_cityIndex = m_cityList.GetSelection();
    OnPlaceChanged();
}

void CAlmanaxDlg::OnPlaceChanged() {
    const int selection = m_cityList.GetSelection();
    if (selection >= 0) {
        if (const places::GeoLocation* city = m_cityList.ItemRecord(selection)) {
            m_latitudeText = places::FormatFixed(city->latitude);
            m_longitudeText = places::FormatFixed(city->longitude);
            m_latitude = city->latitude;
            m_longitude = city->longitude;
        } else {
            // The "-" of typed coordinates: the coordinates saved when the window last closed.
            m_latitudeText = settings::ReadSettingString(settings::kSettingLatitude);
            m_longitudeText = settings::ReadSettingString(settings::kSettingLongitude);
            const wchar_t separator = places::LocaleDecimalSeparator();
            m_latitude = places::LimitLatitude(places::ParseDecimalNumber(m_latitudeText, separator));
            m_longitude =
                places::NormalizeLongitude(places::ParseDecimalNumber(m_longitudeText, separator));
        }
        RefreshReport();
    }
    WriteBoundTexts();
}

void CAlmanaxDlg::ShowStateRow(bool shown) {
    for (const int id : {kStateCaption, kStateList}) {
        if (wxWindow* control = Control(id)) control->Show(shown);
    }
    // The slots keep their own list height: a closed list is as tall in every row.
    if (shown) {
        MoveToSlot(kStateCaption, m_slots[kThirdRowCaption], true);
        MoveToSlot(kStateList, m_slots[kThirdRowList], true);
        MoveToSlot(kCityCaption, m_slots[kFourthRowCaption], true);
        MoveToSlot(kCityList, m_slots[kFourthRowList], true);
    } else {
        MoveToSlot(kCityCaption, m_slots[kThirdRowCaption], true);
        MoveToSlot(kCityList, m_slots[kThirdRowList], true);
        MoveToSlot(kStateCaption, m_slots[kFourthRowCaption], true);
        MoveToSlot(kStateList, m_slots[kFourthRowList], true);
    }
    m_stateRowShown = shown;
}

void CAlmanaxDlg::OnContinentChanged() {
    const int selection = m_continentList.GetSelection();
    if (selection == m_continentIndex) return;
    m_continentIndex = selection;
    m_countryIndex = m_stateIndex = m_cityIndex = 0;
    FillCountryList();
}

void CAlmanaxDlg::OnCountryChanged() {
    m_countryIndex = m_countryList.GetSelection();
    m_stateIndex = m_cityIndex = 0;
    FillBelowCountry();
}

void CAlmanaxDlg::OnStateChanged() {
    m_stateIndex = m_stateList.GetSelection();
    m_cityIndex = 0;
    FillCitiesOfState();
}

void CAlmanaxDlg::OnCityChanged() {
    m_cityIndex = m_cityList.GetSelection();
    OnPlaceChanged();
}

void CAlmanaxDlg::OnCoordinateEdited() {
    m_countryList.SetSelection(m_countryList.Count() - 1);
    for (auto* list : {static_cast<framework::SortedDropDownBase*>(&m_cityList),
                       static_cast<framework::SortedDropDownBase*>(&m_stateList)}) {
        list->Reset();
    }
    m_cityList.AddItemWithoutRecord(kTypedCoordinates);
    m_stateList.AddItemWithoutRecord(kTypedCoordinates);
    m_cityList.SetSelection(0);
    m_stateList.SetSelection(0);
}

// A typed latitude beyond a pole is held at the pole and a longitude beyond +-180 is taken round
// the globe, so that the report never shows values of a place that does not exist; the field then
// shows the number that is used.
void CAlmanaxDlg::OnLatitudeKillFocus() {
    ReadBoundTexts();
    m_latitude = places::LimitLatitude(
        places::ParseDecimalNumber(m_latitudeText, places::LocaleDecimalSeparator()));
    m_latitudeText = places::FormatShortest(m_latitude);
    RefreshReport();
}

void CAlmanaxDlg::OnLongitudeKillFocus() {
    ReadBoundTexts();
    m_longitude = places::NormalizeLongitude(
        places::ParseDecimalNumber(m_longitudeText, places::LocaleDecimalSeparator()));
    m_longitudeText = places::FormatShortest(m_longitude);
    RefreshReport();
}
