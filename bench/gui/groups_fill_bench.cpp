// Times the Sim groups window filled with 30,000 Townies against a plain report list
// of the same size taking 30,000 rows: what the window adds (finding the group's
// members, sorting them, the row texts) should cost at most as much as the rows
// themselves; its list draws only the rows in view.
// Needs a display: scripts/xvfb.sh build/bench/gui/groups_fill_bench
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include <benchmark/benchmark.h>
#include <wx/app.h>
#include <wx/init.h>
#include <wx/listctrl.h>

#include "app/AppContext.h"
#include "app/AppSetup.h"
#include "app/NestrelFrame.h"
#include "base/IdCounters.h"
#include "common/ResBitmap.h"
#include "gen/NeighborhoodGenerator.h"
#include "model/Sim.h"
#include "app/IdListCtrl.h"
#include "reports/ShowSimGroupsDlg.h"

namespace fs = std::filesystem;

namespace {

class BenchApp : public wxApp {
public:
    bool OnInit() override { return true; }  // the command line belongs to the benchmark
};

NestrelFrame* g_frame = nullptr;
constexpr int kTownies = 30000;

// A generated neighborhood of 30,000 Sims, every one of them a Townie.
void LoadTownies() {
    static bool loaded = false;
    if (loaded) return;
    g_frame->ResetNeighborhood();
    GeneratorOptions options;
    options.sims = kTownies;
    options.seed = 7;
    GenerateNeighborhood(g_frame->Registry(), &g_frame->CareerInfo(), options);
    for (Sim* sim : g_frame->Registry().allSims) sim->townie = true;
    loaded = true;
}

void BM_GroupsWindowFill(benchmark::State& state) {
    LoadTownies();
    ShowSimGroupsDlg dlg(g_frame, *g_frame);
    dlg.Show();
    for (auto _ : state) {
        dlg.FillList(SimGroup::Townie);
        dlg.Update();
    }
    state.counters["rows"] = static_cast<double>(dlg.List()->GetItemCount());
    dlg.Hide();
}
BENCHMARK(BM_GroupsWindowFill)->Unit(benchmark::kMillisecond)->UseRealTime();

// A plain report list of the window's size taking rows of two short texts, as
// plainly as such a list can be filled.
void BM_PlainRows(benchmark::State& state) {
    LoadTownies();
    ShowSimGroupsDlg dlg(g_frame, *g_frame);
    dlg.Show();
    auto* list = new wxListCtrl(&dlg, wxID_ANY, dlg.List()->GetPosition(), dlg.List()->GetSize(),
                                wxLC_REPORT | wxLC_SINGLE_SEL | wxLC_HRULES | wxLC_VRULES);
    list->InsertColumn(0, "Name");
    list->InsertColumn(1, "Age");
    dlg.List()->Hide();
    for (auto _ : state) {
        list->Freeze();
        list->DeleteAllItems();
        for (long i = 0; i < kTownies; ++i) {
            const long item = list->InsertItem(i, "Plain Row");
            list->SetItem(item, 1, "Adult");
            list->SetItemData(item, i);
        }
        list->Thaw();
        dlg.Update();
    }
    state.counters["rows"] = static_cast<double>(list->GetItemCount());
    dlg.Hide();
}
BENCHMARK(BM_PlainRows)->Unit(benchmark::kMillisecond)->UseRealTime();

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

    {
        IdCounters counters;
        AppContext context{counters, install.string(), {}, {}};
        g_frame = new NestrelFrame(context, "Nestrel", wxPoint(50, 50), wxSize(700, 500));
        g_frame->Show();
        wxTheApp->Yield(true);
        benchmark::RunSpecifiedBenchmarks();
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
    return 0;
}
