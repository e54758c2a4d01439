// The neighborhood reports on generated neighborhoods: the Sim groups, the
// aspiration summary, the search by first name and the neighborhood figures.
// Each should grow linearly and cost well under loading the same file
// (BM_Load of storage_bench; bench/run.sh puts them side by side).
#include <benchmark/benchmark.h>

#include "model/Sim.h"
#include "reports/AspirationSummary.h"
#include "reports/NeighborhoodFigures.h"
#include "reports/SimGroups.h"
#include "reports/SimSearch.h"
#include "support/BenchNeighborhoods.h"

namespace {

void ApplySizes(benchmark::internal::Benchmark* b) {
    for (int sims : bench::kSizes) b->Arg(sims);
    b->Unit(benchmark::kMicrosecond)->UseRealTime();
}

SimRegistry& Registry(benchmark::State& state) { return bench::Loaded(int(state.range(0))).registry; }

// The Townies by name, then youngest first, as the groups window shows them.
void BM_SimGroups(benchmark::State& state) {
    SimRegistry& reg = Registry(state);
    size_t rows = 0;
    for (auto _ : state) {
        rows = GroupRows(reg.families, SimGroup::Townie, GroupOrder::ByName).size();
        benchmark::DoNotOptimize(GroupRows(reg.families, SimGroup::Townie, GroupOrder::ByLifeStage));
    }
    state.counters["rows"] = static_cast<double>(rows);
}

// The summary and the Sims listed for one aspiration.
void BM_AspirationSummary(benchmark::State& state) {
    SimRegistry& reg = Registry(state);
    for (auto _ : state) {
        benchmark::DoNotOptimize(AspirationSummaryRows(reg));
        benchmark::DoNotOptimize(AspirationSimNames(reg, 2));
    }
}

// A first name that some Sims of the neighborhood carry.
void BM_SearchByFirstName(benchmark::State& state) {
    SimRegistry& reg = Registry(state);
    const std::string name = reg.allSims.Count() ? (*reg.allSims.begin())->firstName : std::string("Ann");
    size_t found = 0;
    for (auto _ : state) {
        found = SearchByFirstName(reg.families, name).size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["found"] = static_cast<double>(found);
}

void BM_NeighborhoodFigures(benchmark::State& state) {
    SimRegistry& reg = Registry(state);
    for (auto _ : state) benchmark::DoNotOptimize(NeighborhoodInfoRows(ComputeNeighborhoodFigures(reg)));
}

BENCHMARK(BM_SimGroups)->Apply(ApplySizes);
BENCHMARK(BM_AspirationSummary)->Apply(ApplySizes);
BENCHMARK(BM_SearchByFirstName)->Apply(ApplySizes);
BENCHMARK(BM_NeighborhoodFigures)->Apply(ApplySizes);

}  // namespace
