// The per-Sim views of the main window and the whole-neighborhood
// operations, on generated neighborhoods: every figure should grow at most
// linearly with the number of Sims.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "app/DisplayRows.h"
#include "social/PossibleFriends.h"
#include "storage/ProgramSettings.h"
#include "support/BenchNeighborhoods.h"

namespace {

void ApplySizes(benchmark::internal::Benchmark* b) {
    for (int sims : bench::kSizes) b->Arg(sims);
    b->Unit(benchmark::kMicrosecond)->UseRealTime();
}

// A spread of Sims to ask about, so that no one Sim's lists decide the figure.
std::vector<const Sim*> Sample(const SimRegistry& reg) {
    std::vector<const Sim*> sims;
    size_t step = reg.allSims.Count() / 64 + 1, i = 0;
    for (const Sim* sim : reg.allSims)
        if (i++ % step == 0) sims.push_back(sim);
    return sims;
}

template <typename Op>
void ForEachSampled(benchmark::State& state, Op op) {
    const SimRegistry& reg = bench::Loaded(int(state.range(0))).registry;
    std::vector<const Sim*> sims = Sample(reg);
    size_t i = 0;
    for (auto _ : state) op(reg, *sims[i++ % sims.size()]);
}

void BM_PossibleFriends(benchmark::State& state) {
    ForEachSampled(state, [](const SimRegistry& reg, const Sim& sim) {
        benchmark::DoNotOptimize(PossibleFriends(reg, sim));
    });
}

void BM_CurrentFriends(benchmark::State& state) {
    ForEachSampled(state, [](const SimRegistry&, const Sim& sim) { benchmark::DoNotOptimize(CurrentFriendIds(sim)); });
}

void BM_ChemistrySims(benchmark::State& state) {
    ForEachSampled(state, [](const SimRegistry&, const Sim& sim) { benchmark::DoNotOptimize(ChemistrySimIds(sim)); });
}

// The display list's rows for one Sim's possible friends (about a sixth of the
// neighborhood), ordered by name then availability, highlighted by gender.
void BM_DisplayRowsPossibleFriends(benchmark::State& state) {
    ProgramSettings settings;
    settings.highlight = 2;
    ForEachSampled(state, [&](const SimRegistry& reg, const Sim& sim) {
        DisplayRequest request;
        request.ids = PossibleFriends(reg, sim);
        request.reference = &sim;
        request.hour = 12;
        benchmark::DoNotOptimize(BuildDisplayRows(request, reg, settings));
    });
}

void BM_DisplayRowsCurrentFriends(benchmark::State& state) {
    ProgramSettings settings;
    ForEachSampled(state, [&](const SimRegistry& reg, const Sim& sim) {
        DisplayRequest request;
        request.ids = CurrentFriendIds(sim);
        request.reference = &sim;
        request.allFriends = true;
        benchmark::DoNotOptimize(BuildDisplayRows(request, reg, settings));
    });
}

// The floor of a walk over every Sim: one 4-byte read from each of as many
// Sim-sized records, laid out back to back (the best case for the
// processor's read-ahead). It shows what the memory of the machine alone
// does to the growth from 10,000 to 100,000 Sims: at 10,000 the records
// stay in the caches between repetitions, at 100,000 they do not.
void BM_RecordWalkFloor(benchmark::State& state) {
    const size_t count = size_t(state.range(0));
    std::vector<char> records(count * sizeof(Sim));
    for (size_t i = 0; i < records.size(); i += 64) records[i] = char(i);
    for (auto _ : state) {
        int64_t sum = 0;
        for (size_t i = 0; i < count; ++i) {
            int32_t value;
            std::memcpy(&value, records.data() + i * sizeof(Sim), sizeof value);
            sum += value;
        }
        benchmark::DoNotOptimize(sum);
    }
}

void BM_SortAndIndex(benchmark::State& state) {
    SimRegistry& reg = bench::Loaded(int(state.range(0))).registry;
    for (auto _ : state) {
        reg.SortAndIndex();
        benchmark::DoNotOptimize(reg.simIndex.size());
    }
}

void BM_RecountAllFamilies(benchmark::State& state) {
    SimRegistry& reg = bench::Loaded(int(state.range(0))).registry;
    for (auto _ : state) reg.RecountAllFamilies();
}

}  // namespace

BENCHMARK(BM_RecordWalkFloor)->Apply(ApplySizes);
BENCHMARK(BM_PossibleFriends)->Apply(ApplySizes);
BENCHMARK(BM_CurrentFriends)->Apply(ApplySizes);
BENCHMARK(BM_ChemistrySims)->Apply(ApplySizes);
BENCHMARK(BM_DisplayRowsPossibleFriends)->Apply(ApplySizes);
BENCHMARK(BM_DisplayRowsCurrentFriends)->Apply(ApplySizes);
BENCHMARK(BM_SortAndIndex)->Apply(ApplySizes);
BENCHMARK(BM_RecountAllFamilies)->Apply(ApplySizes);
