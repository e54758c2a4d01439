// The availability list of a loaded neighborhood: every Sim's working hours read once,
// the free ones ordered by two keys (unordered, and by last then first name). Linear
// in the neighborhood, n log n for the sort.
#include <benchmark/benchmark.h>

#include "app/SimOrder.h"
#include "availability/AvailabilityRows.h"
#include "support/BenchNeighborhoods.h"

namespace {

void BM_AvailabilityRows(benchmark::State& state) {
    bench::Neighborhood& hood = bench::Loaded(int(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(BuildAvailabilityRows(hood.registry, 13, kOrderNone, kOrderNone, 13));
}

void BM_AvailabilityRowsByName(benchmark::State& state) {
    bench::Neighborhood& hood = bench::Loaded(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildAvailabilityRows(hood.registry, 13, kOrderLastName, kOrderFirstName, 13));
}

void Sizes(benchmark::internal::Benchmark* b) {
    for (int sims : bench::kSizes) b->Arg(sims);
    b->Unit(benchmark::kMillisecond)->UseRealTime();
}

}  // namespace

BENCHMARK(BM_AvailabilityRows)->Apply(Sizes);
BENCHMARK(BM_AvailabilityRowsByName)->Apply(Sizes);
