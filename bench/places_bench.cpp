// Reading the largest city list of the shipped catalogue, as the window does when a country or
// state is chosen.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "common/utf8_text.h"
#include "places/place_files.h"

namespace {

void BM_ReadLargestCityList(benchmark::State& state) {
    namespace fs = std::filesystem;
    const std::string programFolder = ALMANAXIUM_SOURCE_FOLDER;
    const fs::path cities = fs::path(places::LocationFolder(programFolder)) / "cities";
    fs::path largest;
    std::uintmax_t largestSize = 0;
    for (const auto& entry : fs::recursive_directory_iterator(cities)) {
        if (entry.is_regular_file() && entry.file_size() > largestSize) {
            largestSize = entry.file_size();
            largest = entry.path();
        }
    }
    const places::RegionEntry region{
        false, common::Utf8ToWide(fs::relative(largest, places::LocationFolder(programFolder)).string())};
    std::size_t entries = 0;
    for (auto _ : state) {
        const places::CityList list = places::ReadCityList(programFolder, region);
        entries = list.size();
        benchmark::DoNotOptimize(list);
    }
    state.SetLabel(largest.filename().string() + ", " + std::to_string(entries) + " cities, " +
                   std::to_string(largestSize) + " bytes");
}
BENCHMARK(BM_ReadLargestCityList)->Unit(benchmark::kMicrosecond);

}  // namespace
