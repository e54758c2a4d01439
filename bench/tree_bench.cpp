// How the family tree scales: building its nodes, linking the parents through the id
// index, finding the deepest Sim, laying out the deepest Sim's chart, and the set-up
// dialog's tree rows and candidates, on
// generated neighborhoods with parents over several generations. Each should grow
// linearly and cost well under loading the same file (BM_Load of storage_bench).
#include <benchmark/benchmark.h>

#include "familytree/ChartLayout.h"
#include "familytree/FamilyTree.h"
#include "familytree/SvgTreePainter.h"
#include "familytree/TreeSetupRules.h"
#include "support/BenchNeighborhoods.h"

namespace {

void Sizes(benchmark::internal::Benchmark* b) {
    for (int sims : bench::kSizes) b->Arg(sims);
    b->Unit(benchmark::kMillisecond);
}

void BM_TreeBuild(benchmark::State& state) {
    const SimRegistry& registry = bench::Loaded(int(state.range(0))).registry;
    for (auto _ : state) {
        FamilyTree tree;
        tree.Build(registry);
        benchmark::DoNotOptimize(tree.Nodes().size());
    }
}

void BM_TreeLinkParents(benchmark::State& state) {
    const SimRegistry& registry = bench::Loaded(int(state.range(0))).registry;
    for (auto _ : state) {
        state.PauseTiming();
        FamilyTree tree;
        tree.Build(registry);
        state.ResumeTiming();
        tree.LinkParents();
        benchmark::DoNotOptimize(tree.Nodes().data());
    }
}

void BM_TreeDeepestSim(benchmark::State& state) {
    const SimRegistry& registry = bench::Loaded(int(state.range(0))).registry;
    FamilyTree tree;
    tree.Build(registry);
    tree.LinkParents();
    for (auto _ : state) benchmark::DoNotOptimize(tree.FindDeepestSim(registry));
}

// The tidy chart of the deepest Sim (ancestors, upright), laid out in the SVG picture's
// font metrics; the tree is built once, as the window builds it once.
void BM_TreeChartLayout(benchmark::State& state) {
    const SimRegistry& registry = bench::Loaded(int(state.range(0))).registry;
    FamilyTree tree;
    tree.Build(registry);
    tree.LinkParents();
    tree.SetRoot(tree.FindDeepestSim(registry));
    SvgTreePainter measure(0, 0);
    size_t names = 0;
    for (auto _ : state) {
        const ChartLayout layout = LayOutChart(tree, registry, measure, ChartKind::Ancestors, ChartOrientation::Upright);
        names = layout.boxes.size();
        benchmark::DoNotOptimize(layout.width);
    }
    state.counters["names"] = static_cast<double>(names);
}

void BM_TreeSetupRows(benchmark::State& state) {
    SimRegistry& registry = bench::Loaded(int(state.range(0))).registry;
    registry.SortAndIndex();
    for (auto _ : state) {
        benchmark::DoNotOptimize(SetupTreeRows(registry, false).size());
        benchmark::DoNotOptimize(SetupCandidates(registry, nullptr, {}).mothers.size());
    }
}

}  // namespace

BENCHMARK(BM_TreeBuild)->Apply(Sizes);
BENCHMARK(BM_TreeLinkParents)->Apply(Sizes);
BENCHMARK(BM_TreeDeepestSim)->Apply(Sizes);
BENCHMARK(BM_TreeChartLayout)->Apply(Sizes);
BENCHMARK(BM_TreeSetupRows)->Apply(Sizes);
