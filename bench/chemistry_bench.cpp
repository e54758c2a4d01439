// The chemistry windows over the whole neighborhood: matching with its rows, the
// report's lines and the matchmaker's lists. Each is one walk of the Sims of a life
// stage with lookups by id, so each should grow linearly and cost well under a load
// of the same file.
#include <benchmark/benchmark.h>

#include "chemistry/ChemMatching.h"
#include "chemistry/ChemSummary.h"
#include "chemistry/Matchmaker.h"
#include "model/Vocabulary.h"
#include "support/BenchNeighborhoods.h"

namespace {

void ApplySizes(benchmark::internal::Benchmark* b) {
    for (int sims : bench::kSizes) b->Arg(sims);
    b->Unit(benchmark::kMillisecond)->UseRealTime();
}

// Adults with every option on: the most Sims and the most candidates per Sim.
void BM_ChemMatching(benchmark::State& state) {
    const SimRegistry& reg = bench::Loaded(int(state.range(0))).registry;
    ChemMatchOptions options;
    options.lifeStage = kLifeStageAdult;
    options.townies = options.differentAges = options.matchedUp = options.married = true;
    for (auto _ : state) benchmark::DoNotOptimize(MatchRows(reg, GenerateMatchResults(reg, options)));
}

void BM_ChemistryReportLines(benchmark::State& state) {
    const SimRegistry& reg = bench::Loaded(int(state.range(0))).registry;
    for (auto _ : state) benchmark::DoNotOptimize(ChemistryReportLines(reg, kLifeStageAdult));
}

// Adults with Elders and Townies, every pair listed.
void BM_MatchmakerLists(benchmark::State& state) {
    SimRegistry& reg = bench::Loaded(int(state.range(0))).registry;
    MatchmakerSettings settings;
    settings.currentAge = kLifeStageAdult;
    settings.townieCheck = true;
    MatchmakerLists lists(reg);
    for (auto _ : state) {
        lists.Fill(settings);
        benchmark::DoNotOptimize(lists.Rows().size());
    }
}

}  // namespace

BENCHMARK(BM_ChemMatching)->Apply(ApplySizes);
BENCHMARK(BM_ChemistryReportLines)->Apply(ApplySizes);
BENCHMARK(BM_MatchmakerLists)->Apply(ApplySizes);
