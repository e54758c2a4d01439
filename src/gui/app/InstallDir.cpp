#include "app/InstallDir.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool IsDir(const fs::path& p) {
    std::error_code ec;
    return fs::is_directory(p, ec);
}

bool IsFile(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

std::string EnvOrEmpty(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

}  // namespace

InstallDirChoice ChooseInstallDir(const std::string& configured, const std::string& workingDir,
                                  const std::string& userDataDir) {
    if (!configured.empty()) return {configured, InstallDirSource::Configured};
    if (!workingDir.empty() && IsDir(fs::path(workingDir) / "Data"))
        return {workingDir, InstallDirSource::WorkingDir};
    return {userDataDir, InstallDirSource::UserDataDir};
}

std::string UserDataDir() {
    std::string base = EnvOrEmpty("XDG_DATA_HOME");
    if (base.empty() || base[0] != '/') {
        const std::string home = EnvOrEmpty("HOME");
        base = (home.empty() ? std::string(".") : home) + "/.local/share";
    }
    return base + "/Nestrel";
}

std::string FindShareDir(const std::string& executablePath) {
    if (!executablePath.empty()) {
        // <prefix>/bin/nestrel -> <prefix>/share/nestrel, wherever the prefix was moved.
        const fs::path prefix = fs::path(executablePath).parent_path().parent_path();
        const fs::path candidate = (prefix / NESTREL_DATA_RELATIVE_DIR).lexically_normal();
        if (IsDir(candidate / "Data") || IsDir(candidate / "res")) return candidate.string();
    }
    const fs::path configured = NESTREL_DATA_INSTALL_DIR;
    if (IsDir(configured / "Data") || IsDir(configured / "res")) return configured.string();
    return {};
}

bool SeedUserDataDir(const std::string& userDir, const std::string& shareDir) {
    const fs::path root(userDir);
    std::error_code ec;
    const bool firstStart = !IsDir(root / "Data");
    fs::create_directories(root / "Data", ec);
    if (ec) return false;
    fs::create_directories(root / "Saved", ec);
    if (ec) return false;
    if (shareDir.empty()) return true;

    const fs::path shareData = fs::path(shareDir) / "Data";
    if (IsDir(shareData)) {
        for (const fs::directory_entry& entry : fs::directory_iterator(shareData, ec)) {
            if (!entry.is_regular_file(ec)) continue;
            const fs::path target = root / "Data" / entry.path().filename();
            if (!fs::exists(target, ec)) fs::copy_file(entry.path(), target, ec);
        }
    }
    const fs::path example = shareData / "Example.NBD";
    const fs::path defaultSims = root / "Saved" / "DefaultSims.NBD";
    if (firstStart && IsFile(example) && !fs::exists(defaultSims, ec)) fs::copy_file(example, defaultSims, ec);
    return true;
}
