// Reading the place list files, and the catalogue that ships in Location/.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

#include "places/place_files.h"
#include "support/scoped_environment.h"
#include "support/temp_folder.h"

namespace {

using namespace places;

class PlaceFilesTest : public testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& contents) {
        return folder_.Write("Location/" + name, contents);
    }
    std::string ProgramFolder() const { return folder_.Path().string(); }
    test_support::TempFolder folder_;
};

TEST_F(PlaceFilesTest, ReadLinesSkipsTheMarkEmptyLinesAndAnUnfinishedLastLine) {
    EXPECT_TRUE(ReadLines(Write("empty.txt", "")).empty());
    EXPECT_TRUE(ReadLines(Write("bom.txt", "\xEF\xBB\xBF")).empty());
    EXPECT_EQ(ReadLines(Write("a.txt", "\xEF\xBB\xBFone\n\n\ntwo\nlast without line feed")),
              (std::vector<std::wstring>{L"one", L"two"}));
    // CR LF: the carriage return stays at the end of the text; a line of only CR is a line.
    EXPECT_EQ(ReadLines(Write("b.txt", "\r\n\none\r\n\r\ntwo\r\n")),
              (std::vector<std::wstring>{L"\r", L"one\r", L"\r", L"two\r"}));
    // A mark that is not at the start is text; malformed UTF-8 becomes replacement characters.
    EXPECT_EQ(ReadLines(Write("c.txt", "x\xEF\xBB\xBF\n\xff" "ok\n")),
              (std::vector<std::wstring>{L"x\uFEFF", L"\uFFFDok"}));
}

TEST_F(PlaceFilesTest, MissingFileRaisesItsMessage) {
    const std::string path = folder_ / "Location/none.txt";
    try {
        ReadLines(path);
        FAIL() << "no error";
    } catch (const PlaceFileError& error) {
        EXPECT_EQ(std::string(error.what()), path + " was not found.");
    }
    EXPECT_THROW(ReadLines(folder_.Path().string()), PlaceFileError);  // a folder cannot be read
}

TEST(SplitFields, RunsOfSeparatorsCountAsOne) {
    EXPECT_EQ(SplitFields(L"a|b|c"), (std::vector<std::wstring>{L"a", L"b", L"c"}));
    EXPECT_EQ(SplitFields(L"|a||b|"), (std::vector<std::wstring>{L"a", L"b"}));
    EXPECT_EQ(SplitFields(L" a | b "), (std::vector<std::wstring>{L" a ", L" b "}));
    EXPECT_TRUE(SplitFields(L"").empty());
    EXPECT_TRUE(SplitFields(L"|||").empty());
    EXPECT_EQ(SplitFields(L"\r"), (std::vector<std::wstring>{L"\r"}));
}

TEST(ParseCoordinate, ReadsTheLeadingNumberInTheCLocale) {
    struct Case {
        const wchar_t* text;
        double value;
    };
    const Case cases[] = {
        {L"52.52437", 52.52437}, {L"-33.92487", -33.92487}, {L"  +13.5", 13.5}, {L"\t-0.5\r", -0.5},
        {L"52,52437", 52.0},     {L"1e2", 100.0},           {L"1.5E-1x", 0.15}, {L"2e", 2.0},
        {L".5", 0.5},            {L"5.", 5.0},              {L"abc", 0.0},      {L"", 0.0},
        {L"-", 0.0},             {L".", 0.0},               {L"0x1A", 0.0},     {L"inf", 0.0},
        {L"nan", 0.0},           {L"1e999", 0.0},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseCoordinate(c.text), c.value) << '"' << c.text << '"';
    // The process locale does not matter.
    test_support::ScopedLocale german("de_DE.UTF-8");
    ASSERT_TRUE(german.Ok());
    EXPECT_EQ(ParseCoordinate(L"48.13743"), 48.13743);
}

TEST_F(PlaceFilesTest, CountryStateAndCityLines) {
    Write("europe_de.txt",
          "Deutschland|1|states/germany.txt\r\n"
          "Frankreich|0|cities/fr.txt\n"
          "Leer||cities/x.txt\n"     // empty flag: two fields, ignored
          "Wort|ja|cities/w.txt\n"   // any flag but "1": a city list
          "Eins|1x|cities/e.txt\n"
          "Zwei|1|a|b\n"             // four fields, ignored
          "Deutschland|1|states/germany.txt\n");
    const RegionList countries = ReadCountryList(ProgramFolder(), kContinents[1], "de");
    ASSERT_EQ(countries.size(), 5u);
    EXPECT_EQ(countries[0].first, L"Deutschland");
    EXPECT_TRUE(countries[0].second.hasStates);
    EXPECT_EQ(countries[0].second.listFile, L"states/germany.txt\r");
    EXPECT_FALSE(countries[1].second.hasStates);
    EXPECT_FALSE(countries[2].second.hasStates);
    EXPECT_FALSE(countries[3].second.hasStates);
    EXPECT_EQ(countries[4].first, L"Deutschland");  // two lines, two entries

    // The CR at the end of the list-file field is trimmed before the file is opened.
    Write("states/germany.txt", "Bayern|cities/de/by.txt\r\n Berlin |cities/de/be.txt\n|x|\n");
    const StateList states = ReadStateList(ProgramFolder(), countries[0].second);
    ASSERT_EQ(states.states.size(), 2u);
    EXPECT_EQ(states.states[1].first, L" Berlin ");  // names exactly as they stand
    EXPECT_FALSE(states.states[0].second.hasStates);
    EXPECT_EQ(states.captionId, 141u);

    Write("cities/de/by.txt",
          "M\xc3\xbcnchen|48.13743|11.57549\n"
          "Komma|48,5|11,5\n"
          "Text|north|east\n"
          "Zwei|1\n");
    const CityList cities = ReadCityList(ProgramFolder(), states.states[0].second);
    ASSERT_EQ(cities.size(), 3u);
    EXPECT_EQ(cities[0].first, L"M\u00fcnchen");
    EXPECT_EQ(cities[0].second.latitude, 48.13743);
    EXPECT_EQ(cities[0].second.longitude, 11.57549);
    EXPECT_EQ(cities[1].second.latitude, 48.0);  // a decimal comma gives the integer part
    EXPECT_EQ(cities[1].second.longitude, 11.0);
    EXPECT_EQ(cities[2].second.latitude, 0.0);  // no number: 0, still listed
}

TEST(StateCaptionId, FirstMatchOfTheWholePathCaseSensitive) {
    EXPECT_EQ(StateCaptionId("/opt/a/Location/states/germany.txt"), 141u);
    EXPECT_EQ(StateCaptionId("/opt/a/Location/states/france.txt"), 143u);
    EXPECT_EQ(StateCaptionId("/opt/a/Location/states/usa.txt"), 142u);
    EXPECT_EQ(StateCaptionId("/opt/a/Location/states/busan.txt"), 142u);  // part of a longer word
    EXPECT_EQ(StateCaptionId("/opt/a/Location/states/USA.txt"), 140u);
    EXPECT_EQ(StateCaptionId("/opt/a/Location/states/ru.txt"), 140u);
    // The program folder counts too, and "germany" wins over the others.
    EXPECT_EQ(StateCaptionId("/home/usa/Location/states/ru.txt"), 142u);
    EXPECT_EQ(StateCaptionId("/home/france/Location/states/germany.txt"), 141u);
}

// ---------------------------------------------------------------------------------------------
// The catalogue that ships with the program
// ---------------------------------------------------------------------------------------------

struct FoundCity {
    std::wstring path;  // continent > country > state
    GeoLocation location;
};

class ShippedCatalogue : public testing::Test {
protected:
    static std::string Folder() { return ALMANAXIUM_SOURCE_FOLDER; }
};

TEST_F(ShippedCatalogue, EveryListFileExistsAndParsesInEveryLanguage) {
    std::size_t cities = 0;
    std::set<std::wstring> cityFilesSeen;
    for (const ContinentEntry& continent : kContinents) {
        std::map<std::string, std::size_t> countriesPerLanguage;
        for (const char* language : {"en", "de", "es", "fr", "el"}) {
            const RegionList countries = ReadCountryList(Folder(), continent, language);
            countriesPerLanguage[language] = countries.size();
            EXPECT_FALSE(countries.empty()) << continent.fileWord << " " << language;
            for (const auto& [name, country] : countries) {
                SCOPED_TRACE(testing::Message() << continent.fileWord << "_" << language);
                if (!cityFilesSeen.insert(country.listFile).second) continue;
                if (!country.hasStates) {
                    const CityList list = ReadCityList(Folder(), country);
                    EXPECT_FALSE(list.empty());
                    cities += list.size();
                    continue;
                }
                const StateList states = ReadStateList(Folder(), country);
                EXPECT_FALSE(states.states.empty());
                for (const auto& [stateName, state] : states.states) {
                    const CityList list = ReadCityList(Folder(), state);
                    EXPECT_FALSE(list.empty());
                    cities += list.size();
                }
            }
        }
        // The same countries in every language.
        for (const auto& [language, count] : countriesPerLanguage) {
            EXPECT_EQ(count, countriesPerLanguage["en"]) << continent.fileWord << " " << language;
        }
    }
    EXPECT_GT(cities, 20000u);
}

TEST_F(ShippedCatalogue, WellKnownCitiesWhereTheyBelong) {
    std::multimap<std::wstring, FoundCity> cities;
    for (const ContinentEntry& continent : kContinents) {
        for (const auto& [countryName, country] : ReadCountryList(Folder(), continent, "en")) {
            auto add = [&](const RegionEntry& region, const std::wstring& path) {
                for (const auto& [cityName, location] : ReadCityList(Folder(), region)) {
                    cities.emplace(cityName, FoundCity{path, location});
                }
            };
            if (!country.hasStates) {
                add(country, countryName);
                continue;
            }
            const StateList states = ReadStateList(Folder(), country);
            for (const auto& [stateName, state] : states.states) add(state, countryName + L" > " + stateName);
        }
    }
    struct Expected {
        const wchar_t* name;
        double latitude, longitude;
    };
    const Expected expected[] = {
        {L"Berlin", 52.5200, 13.4050},       {L"Paris", 48.8566, 2.3522},
        {L"New York City", 40.7128, -74.0060}, {L"Sydney", -33.8688, 151.2093},
        {L"Athens", 37.9838, 23.7275},       {L"Cape Town", -33.9249, 18.4241},
    };
    for (const Expected& city : expected) {
        bool found = false;
        const auto [first, last] = cities.equal_range(city.name);
        for (auto it = first; it != last; ++it) {
            found |= std::fabs(it->second.location.latitude - city.latitude) < 0.05 &&
                     std::fabs(it->second.location.longitude - city.longitude) < 0.05;
        }
        EXPECT_TRUE(found) << "no " << std::string(city.name, city.name + wcslen(city.name))
                           << " within 0.05 degrees";
    }
}

TEST_F(ShippedCatalogue, StateCaptionsOfTheThreeNamedCountries) {
    std::map<unsigned, int> captions;
    for (const ContinentEntry& continent : kContinents) {
        for (const auto& [name, country] : ReadCountryList(Folder(), continent, "en")) {
            if (country.hasStates) ++captions[ReadStateList(Folder(), country).captionId];
        }
    }
    EXPECT_EQ(captions[141], 1);  // Germany
    EXPECT_EQ(captions[143], 1);  // France
    EXPECT_EQ(captions[142], 1);  // the United States
    EXPECT_GE(captions[140], 10);
}

}  // namespace
