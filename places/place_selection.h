// The place cascade of the main window: continent, country, state and city lists filled from the
// place catalogue, each in the order the window shows it, with their positions, the state row, the
// "-" items of typed coordinates and the coordinates themselves (texts and values).
//
// Every operation records what it changed; the window copies only that to its controls. A place
// file that cannot be read throws PlaceFileError: the cascade stops where it stands and what was
// changed before stays recorded for TakeChanges().
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "places/place_files.h"

namespace places {

// The positions of the four lists, as kept between runs.
struct PlacePositions {
    int continent = 0;
    int country = 0;
    int state = 0;
    int city = 0;
};

struct CoordinateTexts {
    std::wstring latitude;
    std::wstring longitude;
};

// The items of a list in the order shown, and the selected position (-1 for none).
struct PlaceListItems {
    std::vector<std::wstring> texts;
    int selection = -1;
};

struct ListChange {
    bool items = false;      // the list was emptied or filled again
    bool selection = false;  // the selected position may differ
};

struct PlaceChanges {
    ListChange continents;
    ListChange countries;
    ListChange states;
    ListChange cities;
    bool stateRow = false;      // the state row was laid out again (StateRowShown)
    bool stateCaption = false;  // StateCaptionId names another caption
    bool coordinates = false;   // the coordinate texts were set
    bool placeShown = false;    // a city was taken (or none): the window writes its texts
    bool placeChanged = false;  // the coordinates were taken: the report is computed again
};

class PlaceSelection {
public:
    // The place used until the cascade sets one.
    static constexpr double kDefaultLatitude = 52.5161564;
    static constexpr double kDefaultLongitude = 13.3775096;

    // The coordinates saved when the window last closed: what the "-" city stands for. Asked each
    // time that item is taken, as another run may have saved others meanwhile.
    using SavedCoordinates = std::function<CoordinateTexts()>;
    explicit PlaceSelection(SavedCoordinates savedCoordinates);

    // Fills the continent list and cascades from the stored positions (a negative one is the
    // first).
    PlaceChanges InitPlaceSelection(const std::string& programFolder,
                                    const std::string& languageCode, const PlacePositions& stored);

    // A position chosen in a list.
    PlaceChanges OnContinentChanged(int selection);
    PlaceChanges OnCountryChanged(int selection);
    PlaceChanges OnStateChanged(int selection);
    PlaceChanges OnCityChanged(int selection);
    // A key typed into a coordinate field: the place is no longer a city of the catalogue.
    PlaceChanges OnCoordinateEdited();
    // A coordinate field lost the focus, with the texts both fields hold.
    PlaceChanges OnLatitudeFieldLeft(const std::wstring& latitudeText,
                                     const std::wstring& longitudeText);
    PlaceChanges OnLongitudeFieldLeft(const std::wstring& latitudeText,
                                      const std::wstring& longitudeText);

    // What an operation that threw changed before it stopped; empties the record.
    PlaceChanges TakeChanges();

    const PlaceListItems& Continents() const { return m_continents; }
    const PlaceListItems& Countries() const { return m_countries; }
    const PlaceListItems& States() const { return m_states; }
    const PlaceListItems& Cities() const { return m_cities; }
    // The positions the lists show, as they are saved.
    PlacePositions ShownPositions() const;

    bool StateRowShown() const { return m_stateRowShown; }
    unsigned StateCaptionId() const { return m_stateCaptionId; }

    double Latitude() const { return m_latitude; }
    double Longitude() const { return m_longitude; }
    const std::wstring& LatitudeText() const { return m_latitudeText; }
    const std::wstring& LongitudeText() const { return m_longitudeText; }

private:
    void FillCountryList();
    void FillBelowCountry();
    void FillStateList();
    void FillCitiesOfState();
    void FillCitiesOfCountry();
    void FillCityList(const RegionEntry& region);
    void OnPlaceChanged();

    SavedCoordinates m_savedCoordinates;
    std::string m_programFolder;
    std::string m_languageCode;

    // Each list's records beside its items: none for a "-" item.
    PlaceListItems m_continents;
    std::vector<const ContinentEntry*> m_continentRecords;
    PlaceListItems m_countries;
    std::vector<std::optional<RegionEntry>> m_countryRecords;
    PlaceListItems m_states;
    std::vector<std::optional<RegionEntry>> m_stateRecords;
    PlaceListItems m_cities;
    std::vector<std::optional<GeoLocation>> m_cityRecords;

    // The positions the cascade fills from: they may lie outside their lists (a stored position
    // of a shorter list), and typed coordinates leave them as they were.
    int m_continentIndex = -1;
    int m_countryIndex = -1;
    int m_stateIndex = -1;
    int m_cityIndex = -1;

    bool m_stateRowShown = false;
    unsigned m_stateCaptionId;
    std::wstring m_latitudeText;
    std::wstring m_longitudeText;
    double m_latitude = kDefaultLatitude;
    double m_longitude = kDefaultLongitude;
    PlaceChanges m_changes;
};

}  // namespace places
