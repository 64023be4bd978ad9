// The place list files: lines, fields and coordinates of any bytes.
#include <cmath>
#include <cstdint>
#include <string_view>

#include "places/place_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::wstring> lines = places::SplitLines(bytes);
    for (const std::wstring& line : lines) {
        if (line.empty()) __builtin_trap();  // empty lines are skipped
        for (const std::wstring& field : places::SplitFields(line)) {
            if (field.empty() || field.find(L'|') != std::wstring::npos) __builtin_trap();
            if (!std::isfinite(places::ParseCoordinate(field))) __builtin_trap();
        }
    }
    places::ParseCountryLines(lines);
    places::ParseStateLines(lines);
    for (const auto& [name, location] : places::ParseCityLines(lines)) {
        if (!std::isfinite(location.latitude) || !std::isfinite(location.longitude)) __builtin_trap();
    }
    places::StateCaptionId(std::string(bytes));
    return 0;
}
