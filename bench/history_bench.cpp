// The undo history at scale: recording a step that edits one Sim (a field, a
// mirrored friend and chemistry), and taking it back, on loaded neighborhoods
// of every size; with the memory that a hundred such steps hold. Both should
// cost what the step changed, whatever the neighborhood's size.
#include <benchmark/benchmark.h>

#include <string>

#include "history/NeighborhoodHistory.h"
#include "support/BenchNeighborhoods.h"

namespace {

// One edit as the Edit Sim dialog makes it, on Sims spread over the list.
void EditOneSim(SimRegistry& registry, Sim& sim, Sim& other, int round) {
    registry.Touch(&sim);
    sim.career.careerText = "Edited " + std::to_string(round);
    sim.aspiration = round % 7;
    if (!sim.AddFriend(registry, other.id, true)) {
        sim.RemoveFriend(other.id);
        registry.Touch(&other);
        other.RemoveFriend(sim.id);
    }
}

struct Targets {
    Sim* sim;
    Sim* other;
};

Targets Pick(SimRegistry& registry, int round) {
    const uint64_t count = registry.allSims.Count();
    const uint64_t r = static_cast<uint64_t>(round);
    Sim* sim = registry.allSims.At(static_cast<int>(r * 7919 % count));
    Sim* other = registry.allSims.At(static_cast<int>((r * 104729 + 1) % count));
    if (other == sim) other = registry.allSims.Front();
    return {sim, other};
}

void BM_HistoryRecordStep(benchmark::State& state) {
    auto& hood = bench::Loaded(static_cast<int>(state.range(0)));
    NeighborhoodHistory history(hood.registry);
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const Targets t = Pick(hood.registry, ++round);
        state.ResumeTiming();
        history.Begin("Edit Sim");
        EditOneSim(hood.registry, *t.sim, *t.other, round);
        benchmark::DoNotOptimize(history.End());
        state.PauseTiming();
        history.Undo();
        state.ResumeTiming();
    }
}

void BM_HistoryUndoStep(benchmark::State& state) {
    auto& hood = bench::Loaded(static_cast<int>(state.range(0)));
    NeighborhoodHistory history(hood.registry);
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const Targets t = Pick(hood.registry, ++round);
        history.Begin("Edit Sim");
        EditOneSim(hood.registry, *t.sim, *t.other, round);
        history.End();
        state.ResumeTiming();
        benchmark::DoNotOptimize(history.Undo());
    }
}

// A hundred edits in a row, then all taken back: the memory they held.
void BM_HistoryHundredSteps(benchmark::State& state) {
    auto& hood = bench::Loaded(static_cast<int>(state.range(0)));
    double bytes = 0;
    for (auto _ : state) {
        NeighborhoodHistory history(hood.registry, 100);
        for (int round = 1; round <= 100; ++round) {
            const Targets t = Pick(hood.registry, round);
            history.Begin("Edit Sim");
            EditOneSim(hood.registry, *t.sim, *t.other, round);
            history.End();
        }
        bytes = static_cast<double>(history.Bytes());
        while (history.Undo()) {
        }
    }
    state.counters["history_bytes"] = bytes;
}

}  // namespace

BENCHMARK(BM_HistoryRecordStep)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HistoryUndoStep)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HistoryHundredSteps)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
