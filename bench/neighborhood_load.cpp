// Loading and saving a large neighborhood (100,000 Sims, about 38 MB),
// against two yardsticks: reading the file and finding every line end, and
// parsing it with inih (when available).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "base/FileIO.h"
#include "base/IdCounters.h"
#include "base/Prompter.h"
#include "careers/NestrelCareerInfo.h"
#include "model/SimRegistry.h"
#include "storage/CareerFile.h"
#include "storage/GroupFile.h"
#include "storage/NeighborhoodFile.h"

#ifdef NESTREL_HAVE_INIH
#include <ini.h>
#endif

namespace {

constexpr int kSims = 100000;
constexpr int kFamilySize = 4;

struct Hood {
    IdCounters counters;
    SilentPrompter prompter;
    SimRegistry registry{counters, prompter};
    NestrelCareerInfo careers;
    NeighborhoodFile file;
    Hood() {
        std::string careerFile = "[settings]\nvers=1.0\n";
        for (int c = 1; c <= 12; ++c) {
            careerFile += "[Career" + std::to_string(c) + "]\nEnum=" + std::to_string(c) + "\n";
            for (int l = 0; l < 13; ++l)
                careerFile += "L" + std::to_string(l) + "=Position " + std::to_string(l) + ",1,100,9a-5p\n";
        }
        ReadCareerGroups(GroupFile::ParseGroups(careerFile), careers.careers, careers.version);
        file.SetRegistry(&registry);
        file.SetCareerInfo(&careers);
        file.SetPrompter(&prompter);
        file.SetCareerVersion(careers.version);
    }
};

// A synthetic neighborhood: families of four, each Sim with a few friends,
// a chemistry entry, parents and a career. Links are set directly: the
// mirrored operations walk the whole neighborhood per call.
const std::string& BigFilePath() {
    static std::string path = [] {
        Hood h;
        std::vector<Sim*> sims;
        for (int f = 0; f < kSims / kFamilySize; ++f) {
            Family* family = h.registry.AddFamily(h.registry.NewFamily("Family" + std::to_string(f)));
            for (int m = 0; m < kFamilySize; ++m) {
                Sim* s = h.registry.AddSim(
                    h.registry.NewSim("First" + std::to_string(m), family->name, 1 << (m * 3 % 12), m % 2), false,
                    family);
                s->career.SetCareer(h.careers.careers.FindByEnum(1 + f % 12), 1, 1 + f % 10, false);
                sims.push_back(s);
            }
        }
        for (size_t i = 0; i < sims.size(); ++i) {
            for (size_t k : {7u, 131u, 9973u}) sims[i]->friendIds.push_back(sims[(i + k) % sims.size()]->id);
            sims[i]->chemistry.Append(sims[(i + 17) % sims.size()]->id, static_cast<int32_t>(i % 3));
            if (i % kFamilySize >= 2) {
                sims[i]->mom.SetSim(sims[i - 2]->id);
                sims[i]->dad.SetName("Grandfather Typed" + std::to_string(i));
            }
        }
        std::string p = (std::filesystem::temp_directory_path() / ("nestrel_bench_" + std::to_string(::getpid()) + ".NBD")).string();
        if (!h.file.Write(p)) std::fprintf(stderr, "could not write %s\n", p.c_str());
        std::atexit([] { std::remove(BigFilePath().c_str()); });
        return p;
    }();
    return path;
}

void BM_ReadAndFindLineEnds(benchmark::State& state) {
    const std::string& path = BigFilePath();
    for (auto _ : state) {
        std::string text;
        ReadWholeFile(path, text);
        size_t lines = 0;
        for (const char* p = text.data(); (p = static_cast<const char*>(std::memchr(p, '\n', text.data() + text.size() - p))); ++p)
            ++lines;
        benchmark::DoNotOptimize(lines);
        state.SetBytesProcessed(state.bytes_processed() + static_cast<int64_t>(text.size()));
    }
}
BENCHMARK(BM_ReadAndFindLineEnds)->Unit(benchmark::kMillisecond);

#ifdef NESTREL_HAVE_INIH
void BM_InihParse(benchmark::State& state) {
    const std::string& path = BigFilePath();
    for (auto _ : state) {
        size_t values = 0;
        ini_parse(
            path.c_str(),
            [](void* user, const char*, const char*, const char*) -> int {
                ++*static_cast<size_t*>(user);
                return 1;
            },
            &values);
        benchmark::DoNotOptimize(values);
    }
}
BENCHMARK(BM_InihParse)->Unit(benchmark::kMillisecond);
#endif

void BM_GroupFileLoad(benchmark::State& state) {
    const std::string& path = BigFilePath();
    for (auto _ : state) {
        GroupFile file = GroupFile::LoadGroups(path);
        benchmark::DoNotOptimize(file.Size());
    }
}
BENCHMARK(BM_GroupFileLoad)->Unit(benchmark::kMillisecond);

void BM_NeighborhoodRead(benchmark::State& state) {
    const std::string& path = BigFilePath();
    for (auto _ : state) {
        Hood h;
        if (!h.file.Read(path)) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(h.registry.allSims.Count());
        state.PauseTiming();  // tearing the neighborhood down is not part of loading
        h.registry.Clear();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_NeighborhoodRead)->Unit(benchmark::kMillisecond);

void BM_NeighborhoodWrite(benchmark::State& state) {
    Hood h;
    h.file.Read(BigFilePath());
    std::string out = BigFilePath() + ".out";
    for (auto _ : state) {
        if (!h.file.Write(out)) state.SkipWithError("write failed");
    }
    std::remove(out.c_str());
}
BENCHMARK(BM_NeighborhoodWrite)->Unit(benchmark::kMillisecond);

}  // namespace
