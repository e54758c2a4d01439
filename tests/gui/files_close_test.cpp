// The close request of the main window: settings and names files, the save prompt,
// the file names remembered for the next start, and closes that cannot be refused.
#include <filesystem>

#include <wx/config.h>

#include "app/CommandIds.h"
#include "app/ConfigStore.h"
#include "base/FileIO.h"
#include "files_fixture.h"

namespace {

namespace fs = std::filesystem;

using CloseTest = FilesTest;

std::string Config(const char* key) { return ReadConfigText(key); }

const char* const kPrompt = "Do you want to save your Sim data?";

class CloseTestWithFile : public CloseTest {
protected:
    void SetUp() override {
        CloseTest::SetUp();
        WriteTextFile(Saved("DefaultSims.NBD"), OneSimNbd("Lee", "Ann"));
    }
    // A change that only a save would put into the file.
    void ChangeNeighborhood(NestrelFrame& frame) {
        SimRegistry& registry = frame.Registry();
        Family* family = registry.AddFamily(registry.NewFamily("Goth"));
        registry.AddSim(registry.NewSim("Bella", "Goth", 64, false), true, family);
        frame.File().SetBackupFileName("Spare");
    }
    bool FileHasTheChange() { return FileText(Saved("DefaultSims.NBD")).find("[Goth]") != std::string::npos; }
};

TEST_F(CloseTestWithFile, CancelKeepsTheWindowOpenButTheSettingsAreWritten) {
    NestrelFrame& frame = BuildFrame();
    ChangeNeighborhood(frame);
    wxTEST_DIALOG(EXPECT_FALSE(frame.Close()), ExpectMessageBox(wxID_CANCEL, kPrompt, "Save?"));
    PumpEvents();
    ASSERT_TRUE(frame_);
    EXPECT_FALSE(FileHasTheChange());
    EXPECT_EQ(Config("SimFile"), "");
    const std::string settings = FileText(installDir_ + "/Data/SimProgSettings.ini");
    EXPECT_NE(settings.find("[Settings]"), std::string::npos);
    EXPECT_NE(settings.find("AskToSave=1"), std::string::npos);
    EXPECT_NE(settings.find("[Matchmaker]"), std::string::npos);
    EXPECT_NE(FileText(installDir_ + "/Data/defaultNamesList.snf").find("[female]"), std::string::npos);
}

TEST_F(CloseTestWithFile, YesSavesAndRemembersTheFileNames) {
    NestrelFrame& frame = BuildFrame();
    ChangeNeighborhood(frame);
    wxTEST_DIALOG(frame.Close(), ExpectMessageBox(wxID_YES, kPrompt, "Save?"));
    PumpEvents();
    EXPECT_FALSE(frame_);
    EXPECT_TRUE(FileHasTheChange());
    EXPECT_EQ(Config("SimFile"), "DefaultSims");
    EXPECT_EQ(Config("BackupFile"), "Spare");
}

TEST_F(CloseTestWithFile, NoClosesWithoutSavingAndStillRemembersTheFileNames) {
    NestrelFrame& frame = BuildFrame();
    ChangeNeighborhood(frame);
    wxTEST_DIALOG(frame.ProcessCommand(ID_EXIT), ExpectMessageBox(wxID_NO, kPrompt, "Save?"));
    PumpEvents();
    EXPECT_FALSE(frame_);
    EXPECT_FALSE(FileHasTheChange());
    EXPECT_EQ(Config("SimFile"), "DefaultSims");
    EXPECT_EQ(Config("BackupFile"), "Spare");
}

TEST_F(CloseTestWithFile, WithoutAskToSaveTheNeighborhoodIsSavedWithoutAQuestion) {
    WriteTextFile(installDir_ + "/Data/SimProgSettings.ini", "[Settings]\r\nAskToSave=0\r\n");
    NestrelFrame& frame = BuildFrame();
    ChangeNeighborhood(frame);
    frame.Settings().askToSave = false;  // until the lists half reads the settings file
    frame.Close();
    PumpEvents();
    EXPECT_FALSE(frame_);
    EXPECT_TRUE(FileHasTheChange());
    EXPECT_EQ(Config("SimFile"), "DefaultSims");
    EXPECT_NE(FileText(installDir_ + "/Data/SimProgSettings.ini").find("AskToSave=0"), std::string::npos);
}

TEST_F(CloseTestWithFile, FailedSaveWithoutAskingLetsTheUserDecide) {
    NestrelFrame& frame = BuildFrame();
    ChangeNeighborhood(frame);
    frame.Settings().askToSave = false;
    {
        SetWriteFaultHook([](WriteStep step) { return step == WriteStep::Rename; });
        wxTEST_DIALOG(EXPECT_FALSE(frame.Close()), ExpectMessageBox(wxID_OK, "Error saving file!", "Message"),
                      ExpectMessageBox(wxID_CANCEL, kPrompt, "Save?"));
        SetWriteFaultHook(nullptr);
    }
    PumpEvents();
    ASSERT_TRUE(frame_) << "the unsaved neighborhood must not be thrown away";
    EXPECT_EQ(FileText(Saved("DefaultSims.NBD")), OneSimNbd("Lee", "Ann"));
    EXPECT_EQ(Config("SimFile"), "");

    frame.Close();  // saves without a question now
    PumpEvents();
    EXPECT_FALSE(frame_);
    EXPECT_TRUE(FileHasTheChange()) << "the write works again";
}

TEST_F(CloseTestWithFile, YesWhoseSaveFailsKeepsTheWindowOpen) {
    NestrelFrame& frame = BuildFrame();
    ChangeNeighborhood(frame);
    SetWriteFaultHook([](WriteStep step) { return step == WriteStep::Open; });
    wxTEST_DIALOG(EXPECT_FALSE(frame.Close()), ExpectMessageBox(wxID_YES, kPrompt),
                  ExpectMessageBox(wxID_OK, "Error saving file!", "Message"));
    SetWriteFaultHook(nullptr);
    PumpEvents();
    ASSERT_TRUE(frame_);
    EXPECT_EQ(FileText(Saved("DefaultSims.NBD")), OneSimNbd("Lee", "Ann"));
}

TEST_F(CloseTest, EmptyNeighborhoodClosesAtOnceAndStoresNoNames) {
    NestrelFrame& frame = BuildFrame();
    frame.File().SetBackupFileName("Spare");
    frame.Close();
    PumpEvents();
    EXPECT_FALSE(frame_);
    EXPECT_FALSE(wxConfigBase::Get()->HasEntry("SimFile"));
    EXPECT_FALSE(wxConfigBase::Get()->HasEntry("BackupFile"));
    EXPECT_TRUE(fs::exists(installDir_ + "/Data/SimProgSettings.ini"));
}

TEST_F(CloseTest, NeverSavedNeighborhoodWithoutAskToSaveGetsTheFileSelector) {
    NestrelFrame& frame = BuildFrame();
    SimRegistry& registry = frame.Registry();
    registry.AddSim(registry.NewSim("Bella", "Goth", 64, false), true, registry.AddFamily(registry.NewFamily("Goth")));
    frame.Settings().askToSave = false;
    const std::string path = root_ / "Picked.NBD";
    AnswerFileDialogs({path});
    frame.Close();
    PumpEvents();
    EXPECT_FALSE(frame_);
    EXPECT_NE(FileText(path).find("[Goth]"), std::string::npos);
    // The file chosen for the save becomes the file in use, opened at the next start.
    EXPECT_EQ(Config("SimFile"), path);
}

TEST_F(CloseTestWithFile, FamiliesAddedAfterAFailedLoadAreOfferedForSaving) {
    NestrelFrame& frame = BuildFrame();
    AnswerFileDialogs({root_ / "missing.NBD"});
    wxTEST_DIALOG(frame.ProcessCommand(ID_LOAD), ExpectMessageBox(wxID_NO, kPrompt),
                  ExpectMessageBox(wxID_OK, "There was an error loading the file.", "Error"));
    ASSERT_EQ(frame.CurrentFile(), "");
    ChangeNeighborhood(frame);

    // Cancelling the file selector keeps the window open rather than losing the family.
    AnswerFileDialogs({""});
    wxTEST_DIALOG(EXPECT_FALSE(frame.Close()), ExpectMessageBox(wxID_YES, kPrompt),
                  ExpectMessageBox(wxID_OK, "Error: Can't save to an empty file"),
                  ExpectMessageBox(wxID_OK, "Error saving file!"));
    PumpEvents();
    ASSERT_TRUE(frame_);

    const std::string path = root_ / "Rescued.NBD";
    AnswerFileDialogs({path});
    wxTEST_DIALOG(frame.Close(), ExpectMessageBox(wxID_YES, kPrompt));
    PumpEvents();
    EXPECT_FALSE(frame_);
    EXPECT_NE(FileText(path).find("[Goth]"), std::string::npos);
    EXPECT_EQ(Config("SimFile"), path);  // the file the families were saved to
}

TEST_F(CloseTestWithFile, ACloseThatCannotBeRefusedAsksNothingAndSavesToTheKnownFile) {
    NestrelFrame& frame = BuildFrame();
    ChangeNeighborhood(frame);
    frame.Close(true);  // the safety net fails the test on any question
    PumpEvents();
    EXPECT_FALSE(frame_);
    EXPECT_TRUE(FileHasTheChange());
    EXPECT_EQ(Config("SimFile"), "DefaultSims");
}

TEST_F(CloseTest, ACloseThatCannotBeRefusedNeverOpensTheFileSelector) {
    NestrelFrame& frame = BuildFrame();
    SimRegistry& registry = frame.Registry();
    registry.AddSim(registry.NewSim("Bella", "Goth", 64, false), true, registry.AddFamily(registry.NewFamily("Goth")));
    frame.Close(true);  // an unexpected file question fails the test
    PumpEvents();
    EXPECT_FALSE(frame_);
    EXPECT_TRUE(asked_.empty());
}

TEST_F(CloseTest, NamesListIsReadAtStartAndWrittenBackAtClose) {
    WriteTextFile(installDir_ + "/Data/defaultNamesList.snf", "[female]\nanna\n\n[MALE]\nbob\n[last]\nsmith\n");
    NestrelFrame& frame = BuildFrame();
    EXPECT_EQ(frame.Names().femaleNames, std::vector<std::string>{"Anna"});
    EXPECT_TRUE(frame.Names().AddLast("Jones"));
    frame.Close();
    PumpEvents();
    EXPECT_EQ(FileText(installDir_ + "/Data/defaultNamesList.snf"),
              "[female]\nAnna\n\n[male]\nBob\n\n[last]\nSmith\nJones\n");
}

TEST_F(CloseTest, UnreadableNamesFileIsNotReplacedByAnEmptyOne) {
    const std::string path = installDir_ + "/Data/defaultNamesList.snf";
    const std::string damaged = "Anna\nBob\n[female]\nCarla\n";  // no header first: nothing loads
    WriteTextFile(path, damaged);
    NestrelFrame& frame = BuildFrame();
    EXPECT_TRUE(frame.Names().femaleNames.empty());
    EXPECT_TRUE(frame.Close());
    PumpEvents();
    EXPECT_EQ(FileText(path), damaged);
    EXPECT_FALSE(fs::exists(path + ".bak"));
}

TEST_F(CloseTest, NamesAddedOverAnUnreadableFileAreSavedAndTheOldFileKept) {
    const std::string path = installDir_ + "/Data/defaultNamesList.snf";
    const std::string damaged = "Anna\n";
    WriteTextFile(path, damaged);
    NestrelFrame& frame = BuildFrame();
    frame.Names().AddFemale("Zoe");
    frame.Close();
    PumpEvents();
    EXPECT_EQ(FileText(path), "[female]\nZoe\n\n[male]\n\n[last]\n");
    EXPECT_EQ(FileText(path + ".bak"), damaged);
}

}  // namespace
