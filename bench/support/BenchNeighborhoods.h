#pragma once
// Generated neighborhood files and loaded neighborhoods shared by the
// benchmarks: each size is generated once per process, into a temporary
// folder removed at exit, with the same generator as nestrel-gen.
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "base/IdCounters.h"
#include "base/Prompter.h"
#include "careers/NestrelCareerInfo.h"
#include "gen/NeighborhoodGenerator.h"
#include "model/SimRegistry.h"
#include "storage/CareerFile.h"
#include "storage/NeighborhoodFile.h"

namespace bench {

/// The sizes every benchmark runs at.
inline constexpr int kSizes[] = {1000, 10000, 100000};

/// Large families and Sims with many friends, as the round-trip test uses.
inline GeneratorOptions OptionsFor(int sims) {
    GeneratorOptions options;
    options.sims = sims;
    options.seed = 1;
    options.largeFamilies = true;
    options.manyFriends = true;
    return options;
}

class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "nestrel-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data())) path_ = pattern;
    }
    ~TempDir() {
        std::error_code ec;
        if (!path_.empty()) std::filesystem::remove_all(path_, ec);
    }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

inline TempDir& Scratch() {
    static TempDir dir;
    return dir;
}

/// The path of the generated file of this size.
inline const std::string& GeneratedFile(int sims) {
    static std::map<int, std::string> files;
    auto it = files.find(sims);
    if (it != files.end()) return it->second;
    std::string path = Scratch().Path() + "/gen" + std::to_string(sims) + ".NBD";
    if (!GenerateNeighborhoodFile(OptionsFor(sims), path)) std::abort();
    return files.emplace(sims, path).first->second;
}

/// The shipped career table (the source tree's), read once.
inline const NestrelCareerInfo& Careers() {
    static const std::unique_ptr<NestrelCareerInfo> info = [] {
        auto careers = std::make_unique<NestrelCareerInfo>();
        ReadCareerFile(careers->careers, careers->version, NESTREL_SOURCE_DATA_DIR);
        return careers;
    }();
    return *info;
}

/// One neighborhood set up as the program sets up its own.
struct Neighborhood {
    IdCounters counters;
    SilentPrompter prompter;
    SimRegistry registry{counters, prompter};
    NeighborhoodFile file;

    Neighborhood() {
        file.SetRegistry(&registry);
        file.SetCareerInfo(&Careers());
        file.SetCareerVersion(Careers().version);
    }
};

/// The generated file of this size, loaded once and kept.
inline Neighborhood& Loaded(int sims) {
    static std::map<int, std::unique_ptr<Neighborhood>> loaded;
    auto& slot = loaded[sims];
    if (!slot) {
        slot = std::make_unique<Neighborhood>();
        if (!slot->file.Read(GeneratedFile(sims))) std::abort();
    }
    return *slot;
}

}  // namespace bench
