#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

#include "base/FileIO.h"
#include "base/IdCounters.h"
#include "careers/NestrelCareerInfo.h"
#include "model/SimRegistry.h"
#include "storage/CareerFile.h"
#include "storage/GroupFile.h"
#include "storage/NeighborhoodFile.h"
#include "storage/NeighborhoodSnapshot.h"
#include "support/RecordingPrompter.h"

/// One neighborhood (registry, counters, career table, file object) and a
/// temporary install directory with a "Saved" folder.
struct Hood {
    IdCounters counters;
    RecordingPrompter prompter;
    SimRegistry registry{counters, prompter};
    NestrelCareerInfo careers;
    NeighborhoodFile file;

    explicit Hood(const std::string& installDir = "/nonexistent", const std::string& careerVersion = "1.0") {
        GroupFile groups = GroupFile::ParseGroups(
            "[settings]\nvers=" + careerVersion +
            "\n[Cook]\nEnum=4\nL0=Dishwasher,0,100,9a-5p\n[Writer]\nEnum=7\nL0=Typist,0,200,10a-6p\n");
        ReadCareerGroups(groups, careers.careers, careers.version);
        file.SetRegistry(&registry);
        file.SetCareerInfo(&careers);
        file.SetPrompter(&prompter);
        file.SetInstallDir(installDir);
        file.SetCareerVersion(careers.version);
    }

    Family* AddFamily(const std::string& name) { return registry.AddFamily(registry.NewFamily(name)); }
    Sim* AddSim(Family* family, const std::string& first, int32_t sign = 64, bool male = false) {
        return registry.AddSim(registry.NewSim(first, family->name, sign, male), false, family);
    }
    std::string Describe(bool asStored = false) const { return DescribeNeighborhood(registry, asStored); }
};

class TempDirTest : public testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("nestrel_storage_" + std::to_string(::getpid()) + "_" +
               testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir / "Saved");
        std::filesystem::create_directories(dir / "Data");
    }
    void TearDown() override {
        SetWriteFaultHook(nullptr);
        std::filesystem::remove_all(dir);
    }
    std::string Slurp(const std::filesystem::path& p) {
        std::string s;
        ReadWholeFile(p.string(), s);
        return s;
    }
    std::filesystem::path dir;
};
