#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "storage/GroupParser.h"

class FamilyList;
class MyList;
class NestrelCareerInfo;
class Prompter;
class SimRegistry;

/// Reads and writes the neighborhood file (".NBD"): a "settings" group with
/// the career file version the neighborhood was saved against, then one
/// group per family with numbered keys per member. Sims refer to one another
/// by full name in the file and by id in memory, so reading registers every
/// Sim first and resolves the names afterwards.
///
/// Also remembers the current and backup file names. The configuration store
/// belongs to the desktop program, so its "SimFile" and "BackupFile" values
/// are handed in (SetConfiguredFileNames) and handed back (StoreFileNames).
class NeighborhoodFile {
public:
    NeighborhoodFile() = default;

    /// The registry read into and written from (its family list and
    /// all-Sims list); not owned.
    void SetRegistry(SimRegistry* registry) { registry_ = registry; }
    /// Career lookups while reading; not owned. May stay unset.
    void SetCareerInfo(const NestrelCareerInfo* info) { careerInfo_ = info; }
    /// Who is told about lost partner names and asked about renumbering;
    /// not owned. Unset means nobody is asked (answers are No).
    void SetPrompter(Prompter* prompter) { prompter_ = prompter; }
    void SetInstallDir(std::string dir) { installDir_ = std::move(dir); }
    const std::string& InstallDir() const { return installDir_; }

    FamilyList* Families() const;
    MyList* AllSims() const;

    /// The path a file name stands for: empty means "DefaultSims"; a name that
    /// is not a full path goes into the install directory's "/Saved/"
    /// folder; a file name without any '.' gets ".NBD".
    std::string ResolvePath(const std::string& name) const;

    /// Reads the file and appends its families to the registry. False when
    /// there is no registry, the file yields no group (missing, a folder,
    /// empty) or reading it fails part way; the registry is then unchanged.
    /// The file is read in pieces of `chunkSize` bytes (tests make them small).
    bool Read(const std::string& name, size_t chunkSize = kGroupChunkSize);
    /// Read for the file exactly at `path` (no folder or extension is added).
    bool ReadFile(const std::string& path, size_t chunkSize = kGroupChunkSize);
    /// Reads file contents held in memory, as Read does (no path involved).
    bool ReadFromText(std::string contents);

    /// Writes the whole neighborhood through a temporary file, so a failed
    /// write leaves the old file whole. False when there is no family (nothing
    /// is written) or the file cannot be written (the reason is in LastError).
    bool Write(const std::string& name);
    /// Write to exactly `path` (no folder or extension is added).
    bool WriteFile(const std::string& path);
    /// Writes the bytes Write would write to exactly `path`, through a
    /// temporary file, for a copy the user did not ask for: nobody is told
    /// anything, and the file names and LastError stay as they are. False when
    /// there is no family or the file cannot be written (the reason then goes
    /// to `error` when given).
    bool WriteCopy(const std::string& path, std::string* error = nullptr) const;
    /// The bytes Write would write; empty when there is no family.
    std::string WriteToText();
    const std::string& LastError() const { return lastError_; }

    const std::string& CurrentFileName() const { return currentFileName_; }
    void SetCurrentFileName(std::string name) { currentFileName_ = std::move(name); }
    const std::string& BackupFileName() const { return backupFileName_; }
    void SetBackupFileName(std::string name) { backupFileName_ = std::move(name); }

    /// The configuration store's "SimFile" and "BackupFile" values (empty
    /// when the store has none).
    void SetConfiguredFileNames(std::string simFile, std::string backupFile) {
        configuredSimFile_ = std::move(simFile);
        configuredBackupFile_ = std::move(backupFile);
    }
    /// The current file name, else the configured "SimFile", else "DefaultSims".
    std::string StoredCurrentFileName() const;
    /// The backup file name, else the configured "BackupFile", else "Backup".
    std::string StoredBackupFileName() const;
    /// The configuration keys to write on exit with their values: "SimFile"
    /// and "BackupFile", each only when its name is not empty.
    std::vector<std::pair<std::string, std::string>> StoreFileNames() const;

    /// The version of the career file the program runs with; written as "CareerVers".
    const std::string& CareerVersion() const { return careerVersion_; }
    void SetCareerVersion(std::string version) { careerVersion_ = std::move(version); }
    /// The "CareerVers" of the file read last ("0.0" when it had none).
    const std::string& FileCareerVersion() const { return fileCareerVersion_; }
    /// Whether the last read renumbered careers.
    bool CareerUpdate() const { return careerUpdate_; }

private:
    // Reads the groups that `feed` hands to the sink it is given; `feed`
    // returns false when reading failed part way.
    bool ReadGroups(const std::function<bool(const GroupSink&)>& feed);

    SimRegistry* registry_ = nullptr;
    const NestrelCareerInfo* careerInfo_ = nullptr;
    Prompter* prompter_ = nullptr;
    std::string installDir_;
    std::string currentFileName_;
    std::string backupFileName_;
    std::string configuredSimFile_;
    std::string configuredBackupFile_;
    std::string careerVersion_ = "0.0";
    std::string fileCareerVersion_ = "0.0";
    bool careerUpdate_ = false;
    std::string lastError_;
};
