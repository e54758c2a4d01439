#pragma once
#include <string>

/// Where the install directory came from.
enum class InstallDirSource { Configured, WorkingDir, UserDataDir };

struct InstallDirChoice {
    std::string path;
    InstallDirSource source;
};

/// Picks the folder below which "/Data/" and "/Saved/" lie: the configured "InstDir"
/// when it is set; else the working directory when it holds a "Data" folder (a staged
/// build started from its folder); else the per-user data folder.
InstallDirChoice ChooseInstallDir(const std::string& configured, const std::string& workingDir,
                                  const std::string& userDataDir);

/// The per-user data folder: $XDG_DATA_HOME/Nestrel, or ~/.local/share/Nestrel.
std::string UserDataDir();

/// The read-only folder of installed data ("share/nestrel" beside the program's "bin"
/// folder, else the configured install prefix), or empty when neither exists.
std::string FindShareDir(const std::string& executablePath);

/// Makes sure the per-user data folder has "Data" and "Saved" folders; copies the
/// shipped data files that it does not hold yet from `shareDir`, and on its first
/// start the example neighborhood as "Saved/DefaultSims.NBD". Never overwrites a file.
/// False when the folders cannot be created.
bool SeedUserDataDir(const std::string& userDir, const std::string& shareDir);
