#include "LoadedNeighborhood.h"

#include <filesystem>
#include <iostream>

#include "DataDir.h"
#include "base/FileIO.h"
#include "base/Translate.h"
#include "storage/CareerFile.h"

LoadedNeighborhood::LoadedNeighborhood(const CliOptions& options)
    : prompter(options.renumberCareers), options_(options) {
    file.SetRegistry(&registry);
    file.SetCareerInfo(&careers);
    file.SetPrompter(&prompter);
}

bool LoadedNeighborhood::LoadCareers() {
    if (!options_.instDir.empty()) {
        if (!ReadCareerFile(careers.careers, careers.version, options_.instDir)) {
            std::cerr << "nestrel-cli: cannot read the career file "
                      << CareerFilePath(options_.instDir, std::string()) << '\n';
            return false;
        }
    } else {
        std::string dir = FindDefaultDataDir(options_.argv0);
        if (dir.empty() || !ReadCareerFile(careers.careers, careers.version, dir)) {
            prompter.Notice(tr("The Career info could not be read. Functionality will be lost."), tr("Error"));
        }
    }
    file.SetCareerVersion(careers.version);
    return true;
}

bool LoadedNeighborhood::LoadFile(const std::string& path, bool keepText) {
    if (!keepText) {
        // Read in pieces: the file's text is never held whole.
        InputFile probe;
        if (!probe.Open(path)) {
            std::cerr << "nestrel-cli: cannot read " << path << '\n';
            return false;
        }
        std::error_code ec;
        if (std::filesystem::is_regular_file(path, ec) && probe.SizeHint() == 0) {
            std::cerr << "nestrel-cli: " << path << " is empty\n";
            return false;
        }
        probe.Close();
        registry.name = path;
        if (!file.ReadFile(path)) {
            std::cerr << "nestrel-cli: " << path << " holds no neighborhood\n";
            return false;
        }
        return true;
    }
    std::string contents;
    if (!ReadWholeFile(path, contents)) {
        std::cerr << "nestrel-cli: cannot read " << path << '\n';
        return false;
    }
    if (contents.empty()) {
        std::cerr << "nestrel-cli: " << path << " is empty\n";
        return false;
    }
    if (keepText) text = contents;
    registry.name = path;
    if (!file.ReadFromText(std::move(contents))) {
        std::cerr << "nestrel-cli: " << path << " holds no neighborhood\n";
        return false;
    }
    return true;
}
