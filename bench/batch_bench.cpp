// almanaxium-cli --batch: lines answered per second, through the loop the CLI runs, over a run of
// 1,000 requests in four languages (each run loads its catalogues anew, as one CLI run does).
#include <benchmark/benchmark.h>

#include <clocale>
#include <sstream>
#include <string>

#include "cli/batch_mode.h"

namespace {

std::string BatchInput(int lines) {
    static const char* const kZones[] = {"\"zone\": \"Europe/Berlin\"", "\"zone\": \"America/St_Johns\"",
                                         "\"zone\": \"Asia/Kathmandu\"", "\"offset\": 5.5",
                                         "\"zone\": \"Australia/Lord_Howe\"", "\"offset\": -3"};
    static const char* const kLanguages[] = {"en", "de", "fr", "el"};
    std::string input;
    for (int i = 0; i < lines; ++i) {
        input += "{\"date\": \"" + std::to_string(1950 + i % 100) + "-0" + std::to_string(1 + i % 9) +
                 "-1" + std::to_string(i % 10) + "\", \"lat\": " + std::to_string(-60 + i % 120) +
                 ".25, \"lon\": " + std::to_string(-170 + i % 340) + ".5, " + kZones[i % 6] +
                 ", \"lang\": \"" + kLanguages[i * 4 / lines] + "\"}\n";
    }
    return input;
}

void BM_BatchLines(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    const std::string input = BatchInput(lines);
    for (auto _ : state) {
        std::istringstream in(input);
        std::ostringstream out;
        const cli::BatchSummary summary = cli::RunBatch(in, out, false);
        if (summary.refused != 0) state.SkipWithError("a request of the benchmark was refused");
        benchmark::DoNotOptimize(out.str());
    }
    // The batch leaves the last line's locale in force; the report's numbers are read in "C".
    std::setlocale(LC_ALL, "C");
    state.SetItemsProcessed(state.iterations() * lines);
    state.SetLabel("items = lines");
}
BENCHMARK(BM_BatchLines)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
