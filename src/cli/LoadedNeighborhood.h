#pragma once
#include <string>

#include "CliPrompter.h"
#include "base/IdCounters.h"
#include "careers/NestrelCareerInfo.h"
#include "model/SimRegistry.h"
#include "storage/NeighborhoodFile.h"

/// What every command is given on the command line besides its files.
struct CliOptions {
    std::string instDir;       // --inst; empty means the default data folder
    bool renumberCareers = false;
    const char* argv0 = nullptr;
};

/// Exit codes of the tool.
constexpr int kExitOk = 0;
constexpr int kExitProblems = 1;
constexpr int kExitError = 2;

/// A neighborhood read from one file with the career table, set up the way
/// the desktop program sets up its own (one registry, one career table, the
/// career version check answered by an option).
class LoadedNeighborhood {
public:
    explicit LoadedNeighborhood(const CliOptions& options);
    LoadedNeighborhood(const LoadedNeighborhood&) = delete;
    LoadedNeighborhood& operator=(const LoadedNeighborhood&) = delete;

    /// Reads the career table. False (with a message on stderr) only when a
    /// folder was named with --inst and holds no readable career file; a
    /// missing default is a notice and the tool carries on without careers.
    bool LoadCareers();
    /// Reads the neighborhood file exactly at `path` (no folder or extension
    /// is added). False, with a message on stderr, when the file cannot be
    /// read or holds nothing. Keeps the file's text when `keepText` is set.
    bool LoadFile(const std::string& path, bool keepText = false);

    IdCounters counters;
    CliPrompter prompter;
    SimRegistry registry{counters, prompter};
    NestrelCareerInfo careers;
    NeighborhoodFile file;
    std::string text;  // the file's bytes, when kept

private:
    CliOptions options_;
};
