#include "app/StartupFiles.h"

#include <filesystem>
#include <system_error>

#include "careers/NestrelCareerInfo.h"
#include "names/WordFileNames.h"
#include "storage/CareerFile.h"

bool ReadCareerTable(NestrelCareerInfo& info, const std::string& installDir) {
    std::string version = info.version;
    ReadCareerFile(info.careers, version, installDir);
    info.version = version;
    return !info.careers.IsEmpty();
}

bool LoadNamesFile(WordFileNames& names, const std::string& path) {
    if (names.Load(path)) return false;
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}
