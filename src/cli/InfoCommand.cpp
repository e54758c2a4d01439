// "info": the figures of the neighborhood information window, as text rows.
#include <cstdio>
#include <iostream>
#include <string>

#include "Commands.h"
#include "base/Translate.h"

namespace {

// "%d (%.01f%%)": a count and its share of all Sims (0 when there are none).
std::string CountWithShare(int count, size_t total) {
    double share = total ? static_cast<double>(count) / static_cast<double>(total) * 100.0 : 0.0;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%d (%.01f%%)", count, share);
    return buffer;
}

// The file's own name, without its folders; both separators count, since a
// name may come from either kind of system.
std::string FileNameOnly(const std::string& path) {
    size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

int RunInfo(const CliOptions& options, const std::string& path) {
    LoadedNeighborhood hood(options);
    if (!hood.LoadCareers() || !hood.LoadFile(path)) return kExitError;
    const SimRegistry& reg = hood.registry;
    const size_t sims = reg.allSims.Count();
    std::cout << tr("Name: ") << FileNameOnly(reg.name) << '\n'
              << tr("Number of Families: ") << reg.families.Count() << '\n'
              << tr("Number of Sims: ") << sims << '\n'
              << tr("Males: ") << CountWithShare(reg.CountMales(), sims) << '\n'
              << tr("Females: ") << CountWithShare(reg.CountFemales(), sims) << '\n'
              << tr("Children/Teens: ") << CountWithShare(reg.CountTeensAndChildren(), sims) << '\n';
    return kExitOk;
}
