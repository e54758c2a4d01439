// Times the main window's list building on synthetic neighborhoods of 1,000,
// 10,000 and 100,000 Sims: the three id lists of the display list, the
// display rows with their sort, and the family list with its recounts. Each
// should grow linearly with the neighborhood (n log n for the sorts).
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <random>
#include <string>

#include "app/DisplayMode.h"
#include "app/DisplayRows.h"
#include "app/MainListRows.h"
#include "base/IdCounters.h"
#include "base/Prompter.h"
#include "model/SimRegistry.h"
#include "social/PossibleFriends.h"

namespace {

constexpr int kMembersPerFamily = 4;
constexpr int kFriendsPerSim = 3;
constexpr int kChemistryPerSim = 2;

struct Neighborhood {
    IdCounters counters;
    SilentPrompter prompter;
    SimRegistry registry{counters, prompter};
    std::vector<Sim*> sims;
    Sim* reference = nullptr;  // a Leo with friends and chemistry

    explicit Neighborhood(int simCount) {
        std::mt19937 rng(20261210);
        static const char* firsts[] = {"Ann", "bob", "Cy", "dee", "Eve", "Fay", "gus", "Hal"};
        for (int f = 0; f * kMembersPerFamily < simCount; ++f) {
            Family* family = registry.AddFamily(registry.NewFamily(
                (f % 3 ? "Family" : "family") + std::to_string(rng() % 100000) + "_" + std::to_string(f)));
            if (f % 50 == 49) registry.SetHomeless(family, true);
            for (int m = 0; m < kMembersPerFamily && int(sims.size()) < simCount; ++m) {
                const int32_t sign = int32_t(1) << (rng() % 12);
                auto sim = registry.NewSim(firsts[(f + m) % 8] + std::string(1, char('a' + m)),
                                           family->name, sign, rng() % 2 == 0);
                sim->career.lifeStage = static_cast<int32_t>(rng() % 4);
                if (sim->career.lifeStage <= 1 && rng() % 2) sim->career.careerCode = kCareerEmployee;
                sims.push_back(registry.AddSim(std::move(sim), false, family));
            }
        }
        for (Sim* sim : sims) {
            for (int k = 0; k < kFriendsPerSim; ++k)
                sim->AddFriend(registry, sims[rng() % sims.size()]->id, true);
            for (int k = 0; k < kChemistryPerSim; ++k)
                sim->AddChemistry(registry, sims[rng() % sims.size()]->id, int32_t(rng() % 3), true);
        }
        for (Sim* sim : sims)
            if (sim->sign == 64 && !sim->friendIds.empty()) {
                reference = sim;
                break;
            }
    }
};

Neighborhood& NeighborhoodOf(int simCount) {
    static std::map<int, std::unique_ptr<Neighborhood>> cache;
    auto& slot = cache[simCount];
    if (!slot) slot = std::make_unique<Neighborhood>(simCount);
    return *slot;
}

ProgramSettings Ordered(int32_t first, int32_t second) {
    ProgramSettings settings;
    settings.highlight = 1;
    settings.firstOrder = first;
    settings.secondOrder = second;
    return settings;
}

void PossibleFriendIds(benchmark::State& state) {
    Neighborhood& n = NeighborhoodOf(int(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(PossibleFriends(n.registry, *n.reference));
    state.SetComplexityN(state.range(0));
}

void ModeRows(benchmark::State& state, DisplayMode mode, int32_t first, int32_t second) {
    Neighborhood& n = NeighborhoodOf(int(state.range(0)));
    const ProgramSettings settings = Ordered(first, second);
    size_t rows = 0;
    for (auto _ : state) {
        DisplayRequest request = DisplayRequestFor(mode, n.registry, *n.reference, 10);
        std::vector<DisplayRow> built = BuildDisplayRows(request, n.registry, settings);
        rows = built.size();
        benchmark::DoNotOptimize(built);
    }
    state.counters["rows"] = double(rows);
    state.SetComplexityN(state.range(0));
}

void CurrentFriendsRows(benchmark::State& state) { ModeRows(state, DisplayMode::CurrentFriends, 4, 5); }
void ChemistryRows(benchmark::State& state) { ModeRows(state, DisplayMode::ChemistrySims, 4, 5); }
void PossibleFriendsRowsByLastName(benchmark::State& state) {
    ModeRows(state, DisplayMode::PossibleFriends, 4, 0);
}
void PossibleFriendsRowsByFirstName(benchmark::State& state) {
    ModeRows(state, DisplayMode::PossibleFriends, 5, 0);
}

// Every Sim of the neighborhood in the display list: the largest sort the
// list can be asked for.
void EverySimRows(benchmark::State& state, int32_t first, int32_t second) {
    Neighborhood& n = NeighborhoodOf(int(state.range(0)));
    const ProgramSettings settings = Ordered(first, second);
    DisplayRequest request;
    request.reference = n.reference;
    for (const Sim* sim : n.sims) request.ids.push_back(sim->id);
    for (auto _ : state) benchmark::DoNotOptimize(BuildDisplayRows(request, n.registry, settings));
    state.SetComplexityN(state.range(0));
}
void EverySimRowsByLastThenFirst(benchmark::State& state) { EverySimRows(state, 4, 5); }
void EverySimRowsByAvailableThenGender(benchmark::State& state) { EverySimRows(state, 2, 3); }

void FamilyListRows(benchmark::State& state) {
    Neighborhood& n = NeighborhoodOf(int(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(BuildFamilyRows(n.registry));
    state.SetComplexityN(state.range(0));
}

#define NESTREL_SIZES ->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond)
BENCHMARK(PossibleFriendIds) NESTREL_SIZES->Complexity(benchmark::oN);
BENCHMARK(CurrentFriendsRows) NESTREL_SIZES->Complexity(benchmark::o1);
BENCHMARK(ChemistryRows) NESTREL_SIZES->Complexity(benchmark::o1);
BENCHMARK(PossibleFriendsRowsByLastName) NESTREL_SIZES->Complexity(benchmark::oNLogN);
BENCHMARK(PossibleFriendsRowsByFirstName) NESTREL_SIZES->Complexity(benchmark::oNLogN);
BENCHMARK(EverySimRowsByLastThenFirst) NESTREL_SIZES->Complexity(benchmark::oNLogN);
BENCHMARK(EverySimRowsByAvailableThenGender) NESTREL_SIZES->Complexity(benchmark::oNLogN);
BENCHMARK(FamilyListRows) NESTREL_SIZES->Complexity(benchmark::oNLogN);

}  // namespace
