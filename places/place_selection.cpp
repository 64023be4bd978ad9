#include "place_selection.h"

#include <algorithm>
#include <utility>

#include "common/text_compare.h"
#include "places/coordinate_text.h"
#include "resources/string_ids.h"
#include "resources/string_table.h"

namespace places {

namespace {

constexpr const wchar_t* kTypedCoordinates = L"-";

// A position outside the list selects nothing.
void Select(PlaceListItems& list, int position) {
    const bool inList = position >= 0 && position < static_cast<int>(list.texts.size());
    list.selection = inList ? position : -1;
}

template <typename Record>
void Clear(PlaceListItems& list, std::vector<Record>& records) {
    list.texts.clear();
    list.selection = -1;
    records.clear();
}

// The program's sort order; equal texts keep the order of the file, so that a stored position
// names the same item in every run.
template <typename Record, typename Entry>
void Fill(PlaceListItems& list, std::vector<Record>& records,
          std::vector<std::pair<std::wstring, Entry>> entries) {
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return common::CompareWithoutCase(a.first, b.first) < 0;
    });
    Clear(list, records);
    for (auto& [text, record] : entries) {
        list.texts.push_back(std::move(text));
        records.emplace_back(std::move(record));
    }
}

template <typename Record>
const Record* RecordAt(const std::vector<std::optional<Record>>& records, int position) {
    if (position < 0 || position >= static_cast<int>(records.size()) || !records[position]) {
        return nullptr;
    }
    return &*records[static_cast<std::size_t>(position)];
}

const ContinentEntry* RecordAt(const std::vector<const ContinentEntry*>& records, int position) {
    return position >= 0 && position < static_cast<int>(records.size())
               ? records[static_cast<std::size_t>(position)]
               : nullptr;
}

// A typed latitude beyond a pole is held at the pole and a longitude beyond +-180 is taken round
// the globe, so that the report never shows values of a place that does not exist.
double TypedLatitude(const std::wstring& text) {
    return LimitLatitude(ParseDecimalNumber(text, LocaleDecimalSeparator()));
}

double TypedLongitude(const std::wstring& text) {
    return NormalizeLongitude(ParseDecimalNumber(text, LocaleDecimalSeparator()));
}

}  // namespace

PlaceSelection::PlaceSelection(SavedCoordinates savedCoordinates)
    : m_savedCoordinates(std::move(savedCoordinates)), m_stateCaptionId(resources::kCaptionState) {}

PlaceChanges PlaceSelection::TakeChanges() { return std::exchange(m_changes, PlaceChanges()); }

PlacePositions PlaceSelection::ShownPositions() const {
    return {m_continents.selection, m_countries.selection, m_states.selection, m_cities.selection};
}

PlaceChanges PlaceSelection::InitPlaceSelection(const std::string& programFolder,
                                                const std::string& languageCode,
                                                const PlacePositions& stored) {
    m_programFolder = programFolder;
    m_languageCode = languageCode;
    std::vector<std::pair<std::wstring, const ContinentEntry*>> continents;
    for (const ContinentEntry& continent : kContinents) {
        continents.emplace_back(resources::LoadPlainString(continent.stringId), &continent);
    }
    Fill(m_continents, m_continentRecords, std::move(continents));
    m_continentIndex = std::max(0, stored.continent);
    m_countryIndex = std::max(0, stored.country);
    m_stateIndex = std::max(0, stored.state);
    m_cityIndex = std::max(0, stored.city);
    Select(m_continents, m_continentIndex);
    m_changes.continents = {true, true};
    FillCountryList();
    return TakeChanges();
}

void PlaceSelection::FillCountryList() {
    Clear(m_countries, m_countryRecords);
    m_changes.countries = {true, true};
    const ContinentEntry* continent = RecordAt(m_continentRecords, m_continentIndex);
    if (continent == nullptr) return;
    Fill(m_countries, m_countryRecords,
         ReadCountryList(m_programFolder, *continent, m_languageCode));
    Select(m_countries, m_countryIndex);
    FillBelowCountry();
}

// A country with states shows the state row and its states; any other lists its cities at once.
void PlaceSelection::FillBelowCountry() {
    const RegionEntry* country = RecordAt(m_countryRecords, m_countryIndex);
    if (country == nullptr) return;
    m_stateRowShown = country->hasStates;
    m_changes.stateRow = true;
    if (country->hasStates) {
        FillStateList();
    } else {
        FillCitiesOfCountry();
    }
}

void PlaceSelection::FillStateList() {
    Clear(m_states, m_stateRecords);
    m_changes.states = {true, true};
    const RegionEntry* country = RecordAt(m_countryRecords, m_countryIndex);
    if (country == nullptr) return;
    StateList states = ReadStateList(m_programFolder, *country);
    Fill(m_states, m_stateRecords, std::move(states.states));
    m_stateCaptionId = states.captionId;
    m_changes.stateCaption = true;
    Select(m_states, m_stateIndex);
    FillCitiesOfState();
}

void PlaceSelection::FillCitiesOfState() {
    if (const RegionEntry* state = RecordAt(m_stateRecords, m_stateIndex)) FillCityList(*state);
}

void PlaceSelection::FillCitiesOfCountry() {
    if (const RegionEntry* country = RecordAt(m_countryRecords, m_countryIndex)) {
        FillCityList(*country);
    }
}

void PlaceSelection::FillCityList(const RegionEntry& region) {
    Clear(m_cities, m_cityRecords);
    m_changes.cities = {true, true};
    Fill(m_cities, m_cityRecords, ReadCityList(m_programFolder, region));
    Select(m_cities, m_cityIndex);
    m_cityIndex = m_cities.selection;
    OnPlaceChanged();
}

void PlaceSelection::OnPlaceChanged() {
    m_changes.placeShown = true;
    if (m_cities.selection < 0) return;
    if (const GeoLocation* city = RecordAt(m_cityRecords, m_cities.selection)) {
        m_latitudeText = FormatFixed(city->latitude);
        m_longitudeText = FormatFixed(city->longitude);
        m_latitude = city->latitude;
        m_longitude = city->longitude;
    } else {
        // The "-" of typed coordinates: the coordinates saved when the window last closed.
        CoordinateTexts saved = m_savedCoordinates();
        m_latitudeText = std::move(saved.latitude);
        m_longitudeText = std::move(saved.longitude);
        m_latitude = TypedLatitude(m_latitudeText);
        m_longitude = TypedLongitude(m_longitudeText);
    }
    m_changes.coordinates = true;
    m_changes.placeChanged = true;
}

PlaceChanges PlaceSelection::OnContinentChanged(int selection) {
    Select(m_continents, selection);
    m_changes.continents.selection = true;
    if (selection != m_continentIndex) {
        m_continentIndex = selection;
        m_countryIndex = m_stateIndex = m_cityIndex = 0;
        FillCountryList();
    }
    return TakeChanges();
}

PlaceChanges PlaceSelection::OnCountryChanged(int selection) {
    Select(m_countries, selection);
    m_changes.countries.selection = true;
    m_countryIndex = m_countries.selection;
    m_stateIndex = m_cityIndex = 0;
    FillBelowCountry();
    return TakeChanges();
}

PlaceChanges PlaceSelection::OnStateChanged(int selection) {
    Select(m_states, selection);
    m_changes.states.selection = true;
    m_stateIndex = m_states.selection;
    m_cityIndex = 0;
    FillCitiesOfState();
    return TakeChanges();
}

PlaceChanges PlaceSelection::OnCityChanged(int selection) {
    Select(m_cities, selection);
    m_changes.cities.selection = true;
    m_cityIndex = m_cities.selection;
    OnPlaceChanged();
    return TakeChanges();
}

// The last country and a "-" city and state show that no place of the catalogue is chosen; the
// positions the cascade fills from stay, so that choosing a list again goes on from them.
PlaceChanges PlaceSelection::OnCoordinateEdited() {
    Select(m_countries, static_cast<int>(m_countries.texts.size()) - 1);
    m_changes.countries.selection = true;
    Clear(m_cities, m_cityRecords);
    Clear(m_states, m_stateRecords);
    m_cities.texts.push_back(kTypedCoordinates);
    m_cityRecords.emplace_back();
    m_states.texts.push_back(kTypedCoordinates);
    m_stateRecords.emplace_back();
    Select(m_cities, 0);
    Select(m_states, 0);
    m_changes.cities = m_changes.states = {true, true};
    return TakeChanges();
}

// The field then shows the number that is used.
PlaceChanges PlaceSelection::OnLatitudeFieldLeft(const std::wstring& latitudeText,
                                                 const std::wstring& longitudeText) {
    m_latitudeText = latitudeText;
    m_longitudeText = longitudeText;
    m_latitude = TypedLatitude(m_latitudeText);
    m_latitudeText = FormatShortest(m_latitude);
    m_changes.coordinates = m_changes.placeChanged = true;
    return TakeChanges();
}

PlaceChanges PlaceSelection::OnLongitudeFieldLeft(const std::wstring& latitudeText,
                                                  const std::wstring& longitudeText) {
    m_latitudeText = latitudeText;
    m_longitudeText = longitudeText;
    m_longitude = TypedLongitude(m_longitudeText);
    m_longitudeText = FormatShortest(m_longitude);
    m_changes.coordinates = m_changes.placeChanged = true;
    return TakeChanges();
}

}  // namespace places
