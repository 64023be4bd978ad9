#include "place_files.h"

#include <cerrno>
#include <cstdio>
#include <cwctype>

#include "common/utf8_text.h"
#include "resources/string_ids.h"
#include "coordinate_text.h"

namespace places {

const ContinentEntry kContinents[6] = {
    {resources::kTextAfrica, "africa"},        {resources::kTextEurope, "europe"},        {resources::kTextAsia, "asia"},
    {resources::kTextNorthAmerica, "north_america"}, {resources::kTextSouthAmerica, "south_america"}, {resources::kTextOceania, "oceania"},
};

namespace {

std::string ReadWholeFile(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        if (errno == ENOENT || errno == ENOTDIR) throw PlaceFileError(path + " was not found.");
        throw PlaceFileError(path + " could not be opened.");
    }
    std::string contents;
    char buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) contents.append(buffer, got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) throw PlaceFileError(path + " could not be read.");
    return contents;
}

// The list-file field as a path: trailing white space, a carriage return included, is removed.
std::string ListFilePath(const std::string& programFolder, const std::wstring& listFile) {
    std::wstring trimmed = listFile;
    while (!trimmed.empty() && std::iswspace(static_cast<wint_t>(trimmed.back()))) trimmed.pop_back();
    return LocationFolder(programFolder) + common::WideToUtf8(trimmed);
}

template <typename Make>
auto ParseList(const std::vector<std::wstring>& lines, std::size_t fieldCount, Make make) {
    std::vector<decltype(make(std::vector<std::wstring>{}))> entries;
    for (const std::wstring& line : lines) {
        const std::vector<std::wstring> fields = SplitFields(line);
        if (fields.size() == fieldCount) entries.push_back(make(fields));
    }
    return entries;
}

}  // namespace

std::vector<std::wstring> ReadLines(const std::string& path) { return SplitLines(ReadWholeFile(path)); }

std::vector<std::wstring> SplitLines(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    for (std::size_t end = bytes.find('\n'); end != std::string_view::npos;
         start = end + 1, end = bytes.find('\n', start)) {
        if (end > start) lines.push_back(common::Utf8ToWide(bytes.substr(start, end - start)));
    }
    return lines;
}

std::vector<std::wstring> SplitFields(const std::wstring& line) {
    std::vector<std::wstring> fields;
    std::size_t start = 0;
    while (start < line.size()) {
        const std::size_t separator = line.find(L'|', start);
        const std::size_t end = separator == std::wstring::npos ? line.size() : separator;
        if (end > start) fields.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    return fields;
}

double ParseCoordinate(const std::wstring& field) { return ParseDecimalNumber(field, L'.'); }

std::string LocationFolder(const std::string& programFolder) { return programFolder + "/Location/"; }

unsigned StateCaptionId(const std::string& stateListPath) {
    if (stateListPath.find("germany") != std::string::npos) return resources::kCaptionFederalState;
    if (stateListPath.find("france") != std::string::npos) return resources::kCaptionRegion;
    if (stateListPath.find("usa") != std::string::npos) return resources::kCaptionUsState;
    return resources::kCaptionState;
}

RegionList ParseCountryLines(const std::vector<std::wstring>& lines) {
    return ParseList(lines, 3, [](const std::vector<std::wstring>& fields) {
        return std::pair(fields[0], RegionEntry{fields[1] == L"1", fields[2]});
    });
}

RegionList ParseStateLines(const std::vector<std::wstring>& lines) {
    return ParseList(lines, 2, [](const std::vector<std::wstring>& fields) {
        return std::pair(fields[0], RegionEntry{false, fields[1]});
    });
}

CityList ParseCityLines(const std::vector<std::wstring>& lines) {
    return ParseList(lines, 3, [](const std::vector<std::wstring>& fields) {
        return std::pair(fields[0], GeoLocation{ParseCoordinate(fields[1]), ParseCoordinate(fields[2])});
    });
}

RegionList ReadCountryList(const std::string& programFolder, const ContinentEntry& continent,
                           const std::string& languageCode) {
    const std::string path =
        LocationFolder(programFolder) + continent.fileWord + "_" + languageCode + ".txt";
    return ParseCountryLines(ReadLines(path));
}

StateList ReadStateList(const std::string& programFolder, const RegionEntry& country) {
    const std::string path = ListFilePath(programFolder, country.listFile);
    StateList list;
    list.states = ParseStateLines(ReadLines(path));
    list.captionId = StateCaptionId(path);
    return list;
}

CityList ReadCityList(const std::string& programFolder, const RegionEntry& region) {
    return ParseCityLines(ReadLines(ListFilePath(programFolder, region.listFile)));
}

}  // namespace places
