// Loading and saving neighborhood files, with reference figures on the same
// files: the floor (read the file and find every line end), a peer (a
// general INI parser keeping a copy of every key and value) and a plain
// atomic write of the same bytes. bench/run.sh turns them into ratios.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <ini.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/FileIO.h"
#include "support/BenchNeighborhoods.h"

namespace {

void ApplySizes(benchmark::internal::Benchmark* b) {
    for (int sims : bench::kSizes) b->Arg(sims);
    b->Unit(benchmark::kMillisecond)->UseRealTime();
}

// Read with name resolution and the family recount, into a fresh registry.
void BM_Load(benchmark::State& state) {
    const std::string& path = bench::GeneratedFile(int(state.range(0)));
    for (auto _ : state) {
        auto hood = std::make_unique<bench::Neighborhood>();
        if (!hood->file.Read(path)) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(hood->registry.allSims.Count());
        state.PauseTiming();
        hood.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(std::filesystem::file_size(path)));
}

// The floor: the whole file into memory and every line end found.
void BM_FloorReadLines(benchmark::State& state) {
    const std::string& path = bench::GeneratedFile(int(state.range(0)));
    for (auto _ : state) {
        int fd = ::open(path.c_str(), O_RDONLY);
        struct stat st{};
        ::fstat(fd, &st);
        std::string data(size_t(st.st_size), '\0');
        size_t got = 0;
        while (got < data.size()) {
            ssize_t n = ::read(fd, data.data() + got, data.size() - got);
            if (n <= 0) break;
            got += size_t(n);
        }
        ::close(fd);
        size_t lines = 0;
        const char* p = data.data();
        const char* end = p + got;
        while ((p = static_cast<const char*>(std::memchr(p, '\n', size_t(end - p))))) {
            ++lines;
            ++p;
        }
        benchmark::DoNotOptimize(lines);
    }
}

struct IniCopy {
    std::vector<std::pair<std::string, std::string>> entries;
};

int KeepEntry(void* user, const char*, const char* name, const char* value) {
    static_cast<IniCopy*>(user)->entries.emplace_back(name, value);
    return 1;
}

// The peer: a general INI parser reading the same file, keeping every key
// and value.
void BM_InihParse(benchmark::State& state) {
    const std::string& path = bench::GeneratedFile(int(state.range(0)));
    for (auto _ : state) {
        auto copy = std::make_unique<IniCopy>();
        if (ini_parse(path.c_str(), KeepEntry, copy.get()) < 0) state.SkipWithError("inih failed");
        benchmark::DoNotOptimize(copy->entries.size());
        state.PauseTiming();
        copy.reset();
        state.ResumeTiming();
    }
}

// Write: the whole neighborhood through the program's writer (temporary file,
// fsync, rename).
void BM_Save(benchmark::State& state) {
    bench::Neighborhood& hood = bench::Loaded(int(state.range(0)));
    const std::string out = bench::Scratch().Path() + "/save" + std::to_string(state.range(0)) + ".NBD";
    for (auto _ : state) {
        if (!hood.file.Write(out)) state.SkipWithError("write failed");
    }
}

// The same number of bytes written the same way: temporary file, fsync, rename.
void BM_PlainWrite(benchmark::State& state) {
    bench::Neighborhood& hood = bench::Loaded(int(state.range(0)));
    const std::string bytes = hood.file.WriteToText();
    const std::string out = bench::Scratch().Path() + "/plain" + std::to_string(state.range(0)) + ".NBD";
    const std::string temp = out + ".tmp";
    for (auto _ : state) {
        int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        size_t put = 0;
        while (put < bytes.size()) {
            ssize_t n = ::write(fd, bytes.data() + put, bytes.size() - put);
            if (n <= 0) break;
            put += size_t(n);
        }
        ::fsync(fd);
        ::close(fd);
        if (::rename(temp.c_str(), out.c_str()) != 0) state.SkipWithError("rename failed");
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()));
}

}  // namespace

BENCHMARK(BM_Load)->Apply(ApplySizes);
BENCHMARK(BM_FloorReadLines)->Apply(ApplySizes);
BENCHMARK(BM_InihParse)->Apply(ApplySizes);
BENCHMARK(BM_Save)->Apply(ApplySizes);
BENCHMARK(BM_PlainWrite)->Apply(ApplySizes);
