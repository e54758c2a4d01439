// Where the program finds its data, and how a per-user data folder is seeded.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/AppSetup.h"
#include "app/InstallDir.h"
#include "support/GuiTestHarness.h"

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(InstallDirTest, ConfiguredValueWinsOverEverything) {
    TempDir cwd;
    fs::create_directories(cwd / "Data");
    const InstallDirChoice choice = ChooseInstallDir("/opt/elsewhere", cwd.Path(), "/home/u/.local/share/Nestrel");
    EXPECT_EQ(choice.path, "/opt/elsewhere");
    EXPECT_EQ(choice.source, InstallDirSource::Configured);
}

TEST(InstallDirTest, WorkingDirectoryWithDataServesWhenNothingIsConfigured) {
    TempDir cwd;
    fs::create_directories(cwd / "Data");
    const InstallDirChoice choice = ChooseInstallDir("", cwd.Path(), "/u/Nestrel");
    EXPECT_EQ(choice.path, cwd.Path());
    EXPECT_EQ(choice.source, InstallDirSource::WorkingDir);
}

TEST(InstallDirTest, OtherwiseTheUserDataFolder) {
    TempDir cwd;  // no Data folder: started from anywhere
    const InstallDirChoice choice = ChooseInstallDir("", cwd.Path(), "/u/Nestrel");
    EXPECT_EQ(choice.path, "/u/Nestrel");
    EXPECT_EQ(choice.source, InstallDirSource::UserDataDir);
}

TEST(InstallDirTest, UserDataFolderFollowsXdgDataHome) {
    TempDir home;
    {
        ScopedEnv data("XDG_DATA_HOME", home / "data");
        EXPECT_EQ(UserDataDir(), home / "data/Nestrel");
    }
    ScopedEnv homeVar("HOME", home.Path());
    ScopedEnv data("XDG_DATA_HOME", "");
    EXPECT_EQ(UserDataDir(), home / ".local/share/Nestrel");
}

TEST(InstallDirTest, SeedingCopiesShippedDataAndTheExampleOnlyOnce) {
    TempDir share, user;
    WriteTextFile(share / "Data/SimCareers.ini", "careers v1");
    WriteTextFile(share / "Data/defaultNamesList.snf", "names v1");
    WriteTextFile(share / "Data/Example.NBD", "example");
    const std::string dir = user / "Nestrel";

    ASSERT_TRUE(SeedUserDataDir(dir, share.Path()));
    EXPECT_TRUE(fs::is_directory(dir + "/Saved"));
    EXPECT_EQ(ReadAll(dir + "/Data/SimCareers.ini"), "careers v1");
    EXPECT_EQ(ReadAll(dir + "/Saved/DefaultSims.NBD"), "example");

    // The user's own changes survive later starts; a deleted neighborhood is not revived.
    WriteTextFile(dir + "/Data/defaultNamesList.snf", "names edited");
    fs::remove(dir + "/Saved/DefaultSims.NBD");
    fs::remove(dir + "/Data/SimCareers.ini");
    ASSERT_TRUE(SeedUserDataDir(dir, share.Path()));
    EXPECT_EQ(ReadAll(dir + "/Data/defaultNamesList.snf"), "names edited");
    EXPECT_EQ(ReadAll(dir + "/Data/SimCareers.ini"), "careers v1");
    EXPECT_FALSE(fs::exists(dir + "/Saved/DefaultSims.NBD"));
}

TEST(InstallDirTest, SeedingWithoutInstalledFilesStillMakesTheFolders) {
    TempDir user;
    ASSERT_TRUE(SeedUserDataDir(user / "Nestrel", ""));
    EXPECT_TRUE(fs::is_directory(user / "Nestrel/Data"));
    EXPECT_TRUE(fs::is_directory(user / "Nestrel/Saved"));
}

TEST(InstallDirTest, SeedingFailsWhenTheFolderCannotBeMade) {
    TempDir user;
    WriteTextFile(user / "blocker", "a file where a folder should go");
    EXPECT_FALSE(SeedUserDataDir(user / "blocker/Nestrel", ""));
}

TEST(InstallDirTest, InstalledShareFolderIsFoundBesideTheProgram) {
    TempDir prefix;
    fs::create_directories(prefix / "share/nestrel/res");
    EXPECT_EQ(FindShareDir(prefix / "bin/nestrel"), prefix / "share/nestrel");
}

TEST(InstallDirTest, HelpBookPrefersTheInstallDirectory) {
    TempDir install, share;
    WriteTextFile(share / kHelpBookPath, "[OPTIONS]");
    EXPECT_EQ(FindHelpBook(install.Path(), share.Path()), share / kHelpBookPath);
    WriteTextFile(install / kHelpBookPath, "[OPTIONS]");
    EXPECT_EQ(FindHelpBook(install.Path(), share.Path()), install / kHelpBookPath);
    EXPECT_EQ(FindHelpBook("", ""), "");
}

}  // namespace
