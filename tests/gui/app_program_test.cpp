// The program itself, started as a process on the test's display: it finds its install
// directory, shows the main window and closes cleanly (its screenshot mode pictures the
// window and closes it).
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include <wx/image.h>

#include "support/GuiTestHarness.h"

namespace {

namespace fs = std::filesystem;

// Runs the program in `cwd` with HOME at `home`; returns its exit status.
int RunProgram(const std::string& cwd, const std::string& home, const std::string& shot) {
    const std::string command = "cd '" + cwd + "' && HOME='" + home + "' XDG_CONFIG_HOME= XDG_DATA_HOME= XDG_STATE_HOME= " +
                                "NESTREL_SCREENSHOT='" + shot + "' timeout 60 '" NESTREL_PROGRAM "' >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void ExpectMainWindowPicture(const std::string& shot) {
    wxImage picture;
    ASSERT_TRUE(fs::exists(shot));
    ASSERT_TRUE(picture.LoadFile(wxString::FromUTF8(shot), wxBITMAP_TYPE_PNG));
    // The size laid out for the reference font, grown with the font in use.
    EXPECT_GE(picture.GetWidth(), 700);
    EXPECT_GE(picture.GetHeight(), 500);
}

// Without career data the program stops at start-up to say so, which would hold up the
// screenshot; the shipped career file goes into the data folder the start will use.
void PutCareerFile(const std::string& dataDir) {
    fs::create_directories(dataDir);
    fs::copy_file(SourceDir() + "/resources/Data/SimCareers.ini", dataDir + "/SimCareers.ini",
                  fs::copy_options::overwrite_existing);
}

TEST(ProgramTest, StartsFromAnyFolderWithItsOwnDataFolder) {
    TempDir root;
    fs::create_directories(root / "somewhere");
    fs::create_directories(root / "home");
    PutCareerFile(root / "home/.local/share/Nestrel/Data");
    ASSERT_EQ(RunProgram(root / "somewhere", root / "home", root / "shot.png"), 0);
    ExpectMainWindowPicture(root / "shot.png");
    // No configuration and no Data folder here: the per-user data folder serves.
    EXPECT_TRUE(fs::is_directory(root / "home/.local/share/Nestrel/Data"));
    EXPECT_TRUE(fs::is_directory(root / "home/.local/share/Nestrel/Saved"));
}

TEST(ProgramTest, ConfiguredInstallDirectoryWins) {
    TempDir root;
    fs::create_directories(root / "somewhere");
    PutCareerFile(root / "installed/Data");
    WriteTextFile(root / "home/.config/Nestrel.conf", "InstDir=" + (root / "installed") + "\n");
    ASSERT_EQ(RunProgram(root / "somewhere", root / "home", root / "shot.png"), 0);
    ExpectMainWindowPicture(root / "shot.png");
    // Without the configured value this start would have made the per-user folder.
    EXPECT_FALSE(fs::exists(root / "home/.local/share/Nestrel"));
}

// Every file below a folder with its contents.
std::map<std::string, std::string> Snapshot(const std::string& dir) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        files[entry.path().string()] = std::string(std::istreambuf_iterator<char>(in), {});
    }
    return files;
}

TEST(ProgramTest, APictureRunChangesNoFile) {
    // A staged folder as scripts/run.sh makes it, with a neighborhood to offer for
    // saving and a configuration of the user's.
    TempDir root;
    PutCareerFile(root / "stage/Data");
    fs::create_directories(root / "stage/Saved");
    fs::copy_file(SourceDir() + "/resources/Data/Example.NBD", root / "stage/Saved/DefaultSims.NBD");
    WriteTextFile(root / "home/.config/Nestrel.conf", "SimFile=DefaultSims\n");
    const auto stageBefore = Snapshot(root / "stage");
    const auto homeBefore = Snapshot(root / "home");
    ASSERT_EQ(RunProgram(root / "stage", root / "home", root / "shot.png"), 0);
    ASSERT_TRUE(fs::exists(root / "shot.png"));
    EXPECT_EQ(Snapshot(root / "stage"), stageBefore);
    EXPECT_EQ(Snapshot(root / "home"), homeBefore);
}

}  // namespace
