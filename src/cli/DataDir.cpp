#include "DataDir.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

bool HasCareerFile(const fs::path& dir) {
    std::error_code ec;
    return fs::is_regular_file(dir / "Data" / "SimCareers.ini", ec);
}

fs::path ExecutableDir(const char* argv0) {
    std::error_code ec;
    fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (ec && argv0) self = fs::absolute(argv0, ec);
    return self.parent_path();
}

}  // namespace

std::string FindDefaultDataDir(const char* argv0) {
    std::vector<fs::path> candidates;
    fs::path exeDir = ExecutableDir(argv0);
    if (!exeDir.empty()) candidates.push_back(exeDir.parent_path() / NESTREL_DATA_RELATIVE_DIR);
    candidates.emplace_back(NESTREL_DATA_INSTALL_DIR);
    candidates.emplace_back(NESTREL_SOURCE_DATA_DIR);
    for (const fs::path& dir : candidates)
        if (HasCareerFile(dir)) return dir.lexically_normal().string();
    return std::string();
}
