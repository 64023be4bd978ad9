// The window's own speed on a real X display (Xvfb in CI): from the start of the main window to its
// first finished refresh, and one refresh after a date change, painting included.
#include <benchmark/benchmark.h>
#include <wx/app.h>
#include <wx/image.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "framework/toolkit_start.h"

#include "settings/app_settings.h"
#include "window/almanax_dlg.h"
#include "window/day_chart_dlg.h"
#include "window/month_table_dlg.h"
#include "zones/zone_names_icu.h"

namespace {

class BenchApp : public wxApp {
public:
    bool OnInit() override {
        wxInitAllImageHandlers();
        return true;
    }
};

void Pump() {
    for (int i = 0; i < 3; ++i) wxTheApp->Yield(true);
}

// The resident size of this process in megabytes, from the kernel's status of it.
double ResidentMegabytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    }
    return 0.0;
}

void BM_StartUpToFirstRefresh(benchmark::State& state) {
    for (auto _ : state) {
        auto* window = new CAlmanaxDlg;
        window->CreateModeless(nullptr);
        window->Update();
        if (window->RefreshCount() == 0) state.SkipWithError("no refresh at start");
        state.PauseTiming();
        state.counters["resident_MB"] = ResidentMegabytes();
        window->Destroy();
        Pump();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToFirstRefresh)->Unit(benchmark::kMillisecond);

void BM_RefreshAfterDateChange(benchmark::State& state) {
    auto* window = new CAlmanaxDlg;
    window->CreateModeless(nullptr);
    Pump();
    for (auto _ : state) {
        window->OnNextDay();
        window->Update();
    }
    window->Destroy();
    Pump();
}
BENCHMARK(BM_RefreshAfterDateChange)->Unit(benchmark::kMicrosecond);

// The chart window's redraw after a date change: the day's light computed anew, its layout, and
// the drawing painted on the screen.
void BM_ChartRedrawAfterDateChange(benchmark::State& state) {
    auto* window = new CAlmanaxDlg;
    window->CreateModeless(nullptr);
    window->OnChart();
    Pump();
    for (auto _ : state) {
        window->OnNextDay();
        window->ChartWindow()->Update();
    }
    window->Destroy();
    Pump();
}
BENCHMARK(BM_ChartRedrawAfterDateChange)->Unit(benchmark::kMillisecond);

// The month table of Berlin's zone from its construction to its first paint: a month of day
// reports, the rows in the list, the columns fitted.
void BM_OpenMonthTableToFirstPaint(benchmark::State& state) {
    auto* window = new CAlmanaxDlg;
    window->CreateModeless(nullptr);
    Pump();
    const places::Observer berlin{52.52, 13.405, *zones::FindZone(zones::LoadZoneCatalogue("en"), "Europe/Berlin"),
                                  "Berlin"};
    for (auto _ : state) {
        auto* table = new MonthTableDlg(window, berlin, {}, {2024, 6, 21}, nullptr);
        table->Show();
        table->Update();
        state.PauseTiming();
        table->Destroy();
        Pump();
        state.ResumeTiming();
    }
    window->Destroy();
    Pump();
}
BENCHMARK(BM_OpenMonthTableToFirstPaint)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // A first run: the window reads no settings of the user who runs the benchmark.
    const std::filesystem::path settings =
        std::filesystem::temp_directory_path() / ("almanaxium-bench-" + std::to_string(getpid()));
    settings::UseSettingsFiles({(settings / "Almanaxium2.reg").string(), (settings / "machine.reg").string()});
    setenv("TZ", "Europe/Berlin", 1);
    setenv("LANGUAGE", "en", 1);

    framework::KeepToolkitFromOpenGl();  // as the program does

    benchmark::Initialize(&argc, argv);
    wxApp::SetInstance(new BenchApp);
    int wxArgc = 1;
    if (!wxEntryStart(wxArgc, argv) || !wxTheApp->CallOnInit()) {
        std::fprintf(stderr, "no display for the window benchmarks (run them under xvfb-run)\n");
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    wxTheApp->OnExit();
    wxEntryCleanup();
    std::filesystem::remove_all(settings);
    return 0;
}
