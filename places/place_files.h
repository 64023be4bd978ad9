// The place catalogue: list files in the folder "Location" beside the program. A country list per
// continent and interface language names, for each country, a state list or a city list; a state
// list names a city list per state; a city line carries the city's latitude and longitude.
//
// Files are UTF-8 (a byte order mark is skipped), lines end with LF (a CR before it is allowed),
// fields are separated by "|". The program only reads them.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace places {

// A row of the fixed continent table.
struct ContinentEntry {
    unsigned stringId;     // the continent's name in the string table (114 to 119)
    const char* fileWord;  // "africa", "europe", ...
};

// The continents in the order of the table.
extern const ContinentEntry kContinents[6];

// A country or a state: whether its list file is a state list, and that file (relative to the
// Location folder).
struct RegionEntry {
    bool hasStates = false;
    std::wstring listFile;
};

struct GeoLocation {
    double latitude = 0.0;   // degrees, north positive
    double longitude = 0.0;  // degrees, east positive
};

// A list file that cannot be opened or read. For a missing file the text is "%1 was not found."
// with the file's path for %1.
class PlaceFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The lines of a file, decoded to wide text; empty lines are skipped and a last line without its
// line feed is dropped. Throws PlaceFileError.
std::vector<std::wstring> ReadLines(const std::string& path);

// The lines of a file's bytes, by the rules of ReadLines.
std::vector<std::wstring> SplitLines(std::string_view bytes);

// The maximal runs of characters other than "|".
std::vector<std::wstring> SplitFields(const std::wstring& line);

// A coordinate as the C library's string-to-double reads it in the "C" locale: leading white space,
// sign, digits, fraction, exponent, up to the first character that does not fit; 0 when the text
// does not begin with a number (or the number is out of range).
double ParseCoordinate(const std::wstring& field);

using RegionList = std::vector<std::pair<std::wstring, RegionEntry>>;
using CityList = std::vector<std::pair<std::wstring, GeoLocation>>;

// The location folder: the program folder + "/Location/".
std::string LocationFolder(const std::string& programFolder);

RegionList ReadCountryList(const std::string& programFolder, const ContinentEntry& continent,
                           const std::string& languageCode);

struct StateList {
    RegionList states;
    unsigned captionId = 140;  // 141 "Federal State:", 142 "State:", 143 "Region:", 140 "State:"
};
StateList ReadStateList(const std::string& programFolder, const RegionEntry& country);

CityList ReadCityList(const std::string& programFolder, const RegionEntry& region);

// The entries of a list's lines: the lines with the field count of their kind.
RegionList ParseCountryLines(const std::vector<std::wstring>& lines);
RegionList ParseStateLines(const std::vector<std::wstring>& lines);
CityList ParseCityLines(const std::vector<std::wstring>& lines);

// The caption of the state row, from the whole path of the state list (case-sensitive): "germany"
// gives 141, else "france" 143, else "usa" 142, else 140.
unsigned StateCaptionId(const std::string& stateListPath);

}  // namespace places
