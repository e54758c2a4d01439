#include "storage/NeighborhoodFile.h"

#include "model/SimRegistry.h"

FamilyList* NeighborhoodFile::Families() const { return registry_ ? &registry_->families : nullptr; }

MyList* NeighborhoodFile::AllSims() const { return registry_ ? &registry_->allSims : nullptr; }

std::string NeighborhoodFile::ResolvePath(const std::string& name) const {
    std::string path = name.empty() ? std::string("DefaultSims") : name;
    // A drive letter (or, on systems without them, a leading '/') marks a
    // full path; anything else is a name in the "Saved" folder.
    bool fullPath = path.find(':') != std::string::npos || path[0] == '/';
    if (!fullPath) path = installDir_ + "/Saved/" + path;
    // Only the file's own name decides about the extension: a '.' in a folder
    // name (an install directory like "/home/ann.lee/...") must not stop
    // "Mine" from becoming "Mine.NBD".
    size_t slash = path.find_last_of("/\\");
    size_t fileStart = slash == std::string::npos ? 0 : slash + 1;
    if (path.find('.', fileStart) == std::string::npos) path += ".NBD";
    return path;
}

std::string NeighborhoodFile::StoredCurrentFileName() const {
    if (!currentFileName_.empty()) return currentFileName_;
    if (!configuredSimFile_.empty()) return configuredSimFile_;
    return "DefaultSims";
}

std::string NeighborhoodFile::StoredBackupFileName() const {
    if (!backupFileName_.empty()) return backupFileName_;
    if (!configuredBackupFile_.empty()) return configuredBackupFile_;
    return "Backup";
}

std::vector<std::pair<std::string, std::string>> NeighborhoodFile::StoreFileNames() const {
    std::vector<std::pair<std::string, std::string>> values;
    if (!currentFileName_.empty()) values.emplace_back("SimFile", currentFileName_);
    if (!backupFileName_.empty()) values.emplace_back("BackupFile", backupFileName_);
    return values;
}
