// The GEDCOM export of a loaded neighborhood, written the way the program writes
// it (safe writer: temporary file, flush, rename), beside BM_Save of
// storage_bench on the same neighborhoods: bench/run.sh puts the two side by side.
#include <benchmark/benchmark.h>

#include <string>

#include "export/GedcomWriter.h"
#include "support/BenchNeighborhoods.h"

namespace {

void BM_ExportGedcom(benchmark::State& state) {
    bench::Neighborhood& hood = bench::Loaded(int(state.range(0)));
    const std::string out = bench::Scratch().Path() + "/export" + std::to_string(state.range(0)) + ".ged";
    std::string error;
    for (auto _ : state) {
        if (!ExportGedcomFile(hood.registry, "bench", out, error)) state.SkipWithError(error.c_str());
    }
}

}  // namespace

BENCHMARK(BM_ExportGedcom)->Apply([](benchmark::internal::Benchmark* b) {
    for (int sims : bench::kSizes) b->Arg(sims);
    b->Unit(benchmark::kMillisecond)->UseRealTime();
});
