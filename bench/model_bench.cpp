// How the neighborhood model scales: building a neighborhood Sim by Sim with
// mirrored friends, the lookups, removal, sorting and the family recount.
// Every figure should grow linearly with the number of Sims.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "base/IdCounters.h"
#include "base/Prompter.h"
#include "model/SimRegistry.h"

namespace {

constexpr int kMembersPerFamily = 4;
constexpr int kFriendsPerSim = 5;

struct Neighborhood {
    IdCounters counters;
    SilentPrompter prompter;
    SimRegistry reg{counters, prompter};
    std::vector<Sim*> sims;
};

std::string FamilyName(int i) {
    // Scrambled so that sorting has real work to do.
    return "Fam" + std::to_string((i * 7919) % 1000003);
}

void Build(Neighborhood& n, int count) {
    n.sims.reserve(size_t(count));
    Family* family = nullptr;
    for (int i = 0; i < count; ++i) {
        if (i % kMembersPerFamily == 0) family = n.reg.AddFamily(n.reg.NewFamily(FamilyName(i)));
        Sim* sim = n.reg.AddSim(
            n.reg.NewSim("S" + std::to_string(i), "", int32_t(1) << (i % 12), i % 2 == 0), false,
            family);
        n.sims.push_back(sim);
    }
    // Friends far apart in the list, mirrored, as the friend picker makes them.
    for (int i = 0; i < count; ++i)
        for (int k = 1; k <= kFriendsPerSim; ++k) {
            int other = int((int64_t(i) + int64_t(k) * 9973) % count);
            n.sims[size_t(i)]->AddFriend(n.reg, n.sims[size_t(other)]->id, true);
        }
}

void BM_BuildWithFriends(benchmark::State& state) {
    const int count = int(state.range(0));
    for (auto _ : state) {
        Neighborhood n;
        Build(n, count);
        benchmark::DoNotOptimize(n.reg.allSims.Count());
        state.PauseTiming();
        n.reg.Clear();
        state.ResumeTiming();
    }
    state.SetComplexityN(count);
}

void BM_FindSimIdByName(benchmark::State& state) {
    const int count = int(state.range(0));
    Neighborhood n;
    Build(n, count);
    std::vector<std::string> names;
    for (int i = 0; i < 1000; ++i) names.push_back(n.sims[size_t((i * 7) % count)]->FullName());
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(n.reg.FindSimIdByName(names[i++ % names.size()]));
    }
    state.SetComplexityN(count);
}

void BM_RemoveSim(benchmark::State& state) {
    // Removing 1,000 linked Sims: the cost per removal must not depend on
    // the size of the neighborhood.
    const int count = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        Neighborhood n;
        Build(n, count);
        state.ResumeTiming();
        for (int i = 0; i < 1000; ++i) n.reg.RemoveSim(n.sims[size_t((int64_t(i) * 97) % count)]);
        state.PauseTiming();
        n.reg.Clear();
        state.ResumeTiming();
    }
    state.SetComplexityN(count);
}

void BM_SortAndIndex(benchmark::State& state) {
    const int count = int(state.range(0));
    Neighborhood n;
    Build(n, count);
    for (auto _ : state) {
        n.reg.SortAndIndex();
        benchmark::DoNotOptimize(n.reg.SimAt(0));
    }
    state.SetComplexityN(count);
}

void BM_RecountAllFamilies(benchmark::State& state) {
    const int count = int(state.range(0));
    Neighborhood n;
    Build(n, count);
    for (auto _ : state) {
        n.reg.RecountAllFamilies();
        benchmark::DoNotOptimize(n.reg.families.Front()->friendCount);
    }
    state.SetComplexityN(count);
}

}  // namespace

BENCHMARK(BM_BuildWithFriends)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_FindSimIdByName)->Arg(1000)->Arg(10000)->Arg(100000)->Complexity(benchmark::o1);
BENCHMARK(BM_RemoveSim)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::o1)->Iterations(3);
BENCHMARK(BM_SortAndIndex)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oNLogN);
BENCHMARK(BM_RecountAllFamilies)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
