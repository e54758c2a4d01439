// Times the main window's lists on generated neighborhoods: refilling the family list,
// the Sim list of the selected family, and the display list with the possible friends
// of one Sim. The real window is built against a temporary install folder and HOME.
// Needs a display: scripts/xvfb.sh build/bench/gui/lists_refresh_bench
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include <benchmark/benchmark.h>
#include <wx/app.h>
#include <wx/init.h>

#include "gen/NeighborhoodGenerator.h"
#include "app/AppContext.h"
#include "app/AppSetup.h"
#include "app/NestrelFrame.h"
#include "base/IdCounters.h"
#include "common/ResBitmap.h"

namespace fs = std::filesystem;

namespace {

class BenchApp : public wxApp {
public:
    bool OnInit() override { return true; }  // the command line belongs to the benchmark
};

NestrelFrame* g_frame = nullptr;

/// Replaces the window's neighborhood with a generated one of about `families`
/// families (members 1 to 8, so about four and a half Sims each) and fills the lists.
void LoadNeighborhood(int64_t families) {
    static int64_t loaded = -1;
    if (loaded == families) return;
    g_frame->ResetNeighborhood();
    GeneratorOptions options;
    options.sims = families * 9 / 2;
    options.seed = 7;
    GenerateNeighborhood(g_frame->Registry(), &g_frame->CareerInfo(), options);
    g_frame->RefreshFamilies();
    loaded = families;
}

void SetCounters(benchmark::State& state) {
    state.counters["families"] = static_cast<double>(g_frame->Registry().families.Count());
}

// The family list, its selection, the Sim list and the display list, then the repaint.
void BM_RefreshFamilies(benchmark::State& state) {
    LoadNeighborhood(state.range(0));
    for (auto _ : state) {
        g_frame->RefreshFamilies();
        g_frame->Update();
    }
    SetCounters(state);
}
BENCHMARK(BM_RefreshFamilies)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_FillSims(benchmark::State& state) {
    LoadNeighborhood(state.range(0));
    for (auto _ : state) {
        g_frame->FillSims();
        g_frame->Update();
    }
    SetCounters(state);
}
BENCHMARK(BM_FillSims)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_ShowPossibleFriends(benchmark::State& state) {
    LoadNeighborhood(state.range(0));
    for (auto _ : state) {
        g_frame->ShowPossibleFriends();
        g_frame->Update();
    }
    SetCounters(state);
}
BENCHMARK(BM_ShowPossibleFriends)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void SetEnv(const char* name, const fs::path& value) { setenv(name, value.c_str(), 1); }

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);

    // A first start on a new machine: nothing of the real user's is read or written.
    char pattern[] = "/tmp/nestrel-bench.XXXXXX";
    if (mkdtemp(pattern) == nullptr) return 1;
    const fs::path root = pattern;
    SetEnv("HOME", root / "home");
    SetEnv("XDG_CONFIG_HOME", root / "home/.config");
    SetEnv("XDG_DATA_HOME", root / "home/.local/share");
    fs::create_directories(root / "home/.config");
    const fs::path install = root / "install";
    fs::create_directories(install / "Data");
    fs::create_directories(install / "Saved");
    const fs::path source = NESTREL_SOURCE_DIR;
    fs::copy(source / "resources/res", install / "res", fs::copy_options::recursive);
    fs::copy_file(source / "resources/Data/SimCareers.ini", install / "Data/SimCareers.ini");

    wxApp::SetInstance(new BenchApp);
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "cannot initialise the toolkit (no display?)\n");
        fs::remove_all(root);
        return 1;
    }
    wxTheApp->CallOnInit();
    SetUpToolkit(*wxTheApp);
    SetResSearchDirs({install.string()});

    int result = 0;
    {
        IdCounters counters;
        AppContext context{counters, install.string(), {}, {}};
        g_frame = new NestrelFrame(context, "Nestrel", wxPoint(50, 50), wxSize(700, 500));
        g_frame->Show();
        wxTheApp->Yield(true);
        if (g_frame->CareerInfo().careers.IsEmpty()) {
            std::fprintf(stderr, "the career file was not read\n");
            result = 1;
        } else {
            benchmark::RunSpecifiedBenchmarks();
        }
        // Nothing is saved on the way out: the window goes without a close request.
        g_frame->SetModified(false);
        g_frame->Destroy();
        wxTheApp->Yield(true);
        g_frame = nullptr;
    }
    benchmark::Shutdown();
    wxTheApp->OnExit();
    wxEntryCleanup();
    fs::remove_all(root);
    return result;
}
