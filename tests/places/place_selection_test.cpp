// The place cascade over a small catalogue on disk: sorted lists, stored positions, the state row,
// typed coordinates and a list file that is missing.
#include <gtest/gtest.h>

#include <functional>

#include "places/place_selection.h"
#include "resources/string_ids.h"
#include "support/temp_folder.h"

namespace {

using namespace places;

// Europe's files are out of order and differ in case, so that every list is sorted.
class PlaceSelectionTest : public testing::Test {
protected:
    void SetUp() override {
        for (const char* continent : {"asia", "north_america", "south_america", "oceania"}) {
            program_.Write(std::string("Location/") + continent + "_en.txt", "");
        }
        program_.Write("Location/africa_en.txt", "Only|0|cities/o.txt\n");
        program_.Write("Location/cities/o.txt", "Capetown|-33.92|18.42\n");
        program_.Write("Location/europe_en.txt",
                       "zeta|0|cities/z.txt\nAlpha|1|states/germany.txt\nbeta|0|cities/b.txt\n");
        program_.Write("Location/states/germany.txt", "West|cities/w.txt\neast|cities/e.txt\n");
        program_.Write("Location/cities/e.txt", "Oststadt|52.5|13.4\nAnger|51|11\n");
        program_.Write("Location/cities/w.txt", "Rheinstadt|50.9|6.9\n");
        program_.Write("Location/cities/b.txt", "Brook|-33.9|18.4\n");
        program_.Write("Location/cities/z.txt", "Zed|1|2\n");
    }

    PlaceChanges Init(const PlacePositions& stored) {
        return selection_.InitPlaceSelection(program_.Path().string(), "en", stored);
    }

    test_support::TempFolder program_;
    PlaceSelection selection_{[] { return CoordinateTexts{L"95", L"-190"}; }};
};

std::wstring Shown(const PlaceListItems& list) {
    return list.selection >= 0 ? list.texts[static_cast<std::size_t>(list.selection)] : L"";
}

constexpr unsigned kFederalState = resources::kCaptionFederalState;
constexpr unsigned kNoCaption = resources::kCaptionState;

TEST_F(PlaceSelectionTest, CascadesFromStoredPositionsAndChoices) {
    struct Case {
        const char* name;
        PlacePositions stored;
        std::function<PlaceChanges(PlaceSelection&)> then;  // nothing: the start alone
        const wchar_t* continent;
        const wchar_t* country;
        bool stateRow;
        unsigned caption;
        const wchar_t* state;
        const wchar_t* city;
        const wchar_t* latitudeText;
        double latitude;
        bool placeChanged;
    };
    const Case cases[] = {
        {"first run: the first of each sorted list", {0, 0, 0, 0}, nullptr,
         L"Africa", L"Only", false, kNoCaption, L"", L"Capetown", L"-33.920000", -33.92, true},
        {"stored positions are sorted positions", {2, 0, 0, 1}, nullptr,
         L"Europe", L"Alpha", true, kFederalState, L"east", L"Oststadt", L"52.500000", 52.5, true},
        {"a negative stored position is the first", {2, -5, -1, -1}, nullptr,
         L"Europe", L"Alpha", true, kFederalState, L"east", L"Anger", L"51.000000", 51, true},
        {"a stored position past its list selects nothing and stops", {2, 7, 0, 0}, nullptr,
         L"Europe", L"", false, kNoCaption, L"", L"", L"", PlaceSelection::kDefaultLatitude, false},
        {"a city past its list is no place", {2, 2, 0, 5}, nullptr,
         L"Europe", L"zeta", false, kNoCaption, L"", L"", L"", PlaceSelection::kDefaultLatitude, false},
        {"another country starts at its first city", {2, 0, 1, 0},
         [](PlaceSelection& s) { return s.OnCountryChanged(1); },
         L"Europe", L"beta", false, kFederalState, L"West", L"Brook", L"-33.900000", -33.9, true},
        {"another state starts at its first city", {2, 0, 0, 1},
         [](PlaceSelection& s) { return s.OnStateChanged(1); },
         L"Europe", L"Alpha", true, kFederalState, L"West", L"Rheinstadt", L"50.900000", 50.9, true},
        {"another continent starts at its first country", {2, 1, 0, 0},
         [](PlaceSelection& s) { return s.OnContinentChanged(0); },
         L"Africa", L"Only", false, kNoCaption, L"", L"Capetown", L"-33.920000", -33.92, true},
        {"the same continent again changes nothing", {2, 0, 0, 1},
         [](PlaceSelection& s) { return s.OnContinentChanged(2); },
         L"Europe", L"Alpha", true, kFederalState, L"east", L"Oststadt", L"52.500000", 52.5, false},
        {"typing: the last country, \"-\" for state and city", {2, 0, 0, 1},
         [](PlaceSelection& s) { return s.OnCoordinateEdited(); },
         L"Europe", L"zeta", true, kFederalState, L"-", L"-", L"52.500000", 52.5, false},
        {"the \"-\" city takes the saved coordinates, held at the pole", {2, 0, 0, 1},
         [](PlaceSelection& s) { s.OnCoordinateEdited(); return s.OnCityChanged(0); },
         L"Europe", L"zeta", true, kFederalState, L"-", L"-", L"95", 90, true},
        {"after typing, a country fills its lists again", {2, 0, 0, 1},
         [](PlaceSelection& s) { s.OnCoordinateEdited(); return s.OnCountryChanged(0); },
         L"Europe", L"Alpha", true, kFederalState, L"east", L"Anger", L"51.000000", 51, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PlaceSelection& s = selection_ = PlaceSelection([] { return CoordinateTexts{L"95", L"-190"}; });
        PlaceChanges changes = Init(c.stored);
        if (c.then) changes = c.then(s);
        EXPECT_EQ(Shown(s.Continents()), c.continent);
        EXPECT_EQ(Shown(s.Countries()), c.country);
        EXPECT_EQ(s.StateRowShown(), c.stateRow);
        EXPECT_EQ(s.StateCaptionId(), c.caption);
        EXPECT_EQ(Shown(s.States()), c.state);
        EXPECT_EQ(Shown(s.Cities()), c.city);
        EXPECT_EQ(s.LatitudeText(), c.latitudeText);
        EXPECT_DOUBLE_EQ(s.Latitude(), c.latitude);
        EXPECT_EQ(changes.placeChanged, c.placeChanged);
        EXPECT_EQ(s.ShownPositions().city, s.Cities().selection);
    }
    // The lists are in the program's order, not the files'.
    Init({2, 0, 0, 0});
    EXPECT_EQ(selection_.Continents().texts,
              (std::vector<std::wstring>{L"Africa", L"Asia", L"Europe", L"North America", L"Oceania",
                                         L"South America"}));
    EXPECT_EQ(selection_.Countries().texts, (std::vector<std::wstring>{L"Alpha", L"beta", L"zeta"}));
}

TEST_F(PlaceSelectionTest, LeavingAFieldLimitsItsCoordinateAndKeepsTheOtherText) {
    struct Case {
        bool latitudeField;
        const wchar_t* typed;
        double value;
        const wchar_t* shown;
    };
    const Case cases[] = {
        {true, L"-33.90", -33.9, L"-33.9"}, {true, L"95", 90, L"90"},   {true, L"-100", -90, L"-90"},
        {true, L" 12.5xyz", 12.5, L"12.5"}, {false, L"400", 40, L"40"}, {false, L"-190", 170, L"170"},
        {false, L"abc", 0, L"0"},        {false, L"180", 180, L"180"}, {false, L"-180", -180, L"-180"},
        {false, L"540", -180, L"-180"},
    };
    Init({2, 0, 0, 1});
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.latitudeField << " " << testing::PrintToString(std::wstring(c.typed)));
        const PlaceChanges changes = c.latitudeField ? selection_.OnLatitudeFieldLeft(c.typed, L"other")
                                                     : selection_.OnLongitudeFieldLeft(L"other", c.typed);
        EXPECT_TRUE(changes.placeChanged);
        EXPECT_DOUBLE_EQ(c.latitudeField ? selection_.Latitude() : selection_.Longitude(), c.value);
        EXPECT_EQ(c.latitudeField ? selection_.LatitudeText() : selection_.LongitudeText(), c.shown);
        // The other field's text is taken as it stands; its number stays until that field is left.
        EXPECT_EQ(c.latitudeField ? selection_.LongitudeText() : selection_.LatitudeText(), L"other");
    }
}

TEST_F(PlaceSelectionTest, MissingListFileStopsTheCascadeAndKeepsWhatItChanged) {
    program_.Write("Location/europe_en.txt", "Atlantis|0|cities/atlantis.txt\n");
    EXPECT_THROW(Init({2, 0, 0, 0}), PlaceFileError);
    const PlaceChanges changes = selection_.TakeChanges();
    EXPECT_TRUE(changes.countries.items);
    EXPECT_TRUE(changes.cities.items);
    EXPECT_TRUE(changes.stateRow);
    EXPECT_FALSE(changes.placeChanged);
    EXPECT_EQ(selection_.Countries().texts, std::vector<std::wstring>{L"Atlantis"});
    EXPECT_TRUE(selection_.Cities().texts.empty());
    EXPECT_DOUBLE_EQ(selection_.Latitude(), PlaceSelection::kDefaultLatitude);
}

}  // namespace
