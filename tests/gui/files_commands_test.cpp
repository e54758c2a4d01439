// The file commands of the main window: New, Load, Save, Save As, Backup and Import,
// with the save prompt and the messages of their failures.
#include <filesystem>

#include <wx/menu.h>

#include "app/CommandIds.h"
#include "app/ConfigStore.h"
#include "base/FileIO.h"
#include "files_fixture.h"
#include "model/Sim.h"

namespace {

namespace fs = std::filesystem;

using LoadTest = FilesTest;
using SaveTest = FilesTest;
using BackupTest = FilesTest;
using ImportTest = FilesTest;
using NewTest = FilesTest;

bool SaveItemsEnabled(NestrelFrame& frame) {
    wxMenuBar* bar = frame.GetMenuBar();
    return bar->IsEnabled(ID_SAVE) && bar->IsEnabled(ID_SAVE_AS) && bar->IsEnabled(ID_BACKUP);
}

// A neighborhood that was never given a file: one family added in memory.
void AddFamilyInMemory(NestrelFrame& frame, const std::string& family, const std::string& first) {
    SimRegistry& registry = frame.Registry();
    Family* added = registry.AddFamily(registry.NewFamily(family));
    ASSERT_NE(registry.AddSim(registry.NewSim(first, family, 64, false), true, added), nullptr);
}

class WriteFault {
public:
    explicit WriteFault(WriteStep failing) {
        SetWriteFaultHook([failing](WriteStep step) { return step == failing; });
    }
    ~WriteFault() { SetWriteFaultHook(nullptr); }
};

TEST_F(LoadTest, LoadsTheChosenFileAndShowsIt) {
    const std::string path = root_ / "elsewhere/Theirs.NBD";
    WriteTextFile(path, OneSimNbd("Lee", "Ann"));
    NestrelFrame& frame = BuildFrame();
    AnswerFileDialogs({path});
    frame.ProcessCommand(ID_LOAD);  // empty neighborhood: nothing to ask first

    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_EQ(asked_[0].message, "Choose NBD file to load Sim Data");
    EXPECT_FALSE(asked_[0].forSaving);
    EXPECT_EQ(asked_[0].wildcard, "*.NBD");
    EXPECT_EQ(asked_[0].extension, "NBD");
    EXPECT_EQ(asked_[0].defaultFile, "");
    EXPECT_EQ(asked_[0].defaultDir, wxString::FromUTF8(installDir_ + "/Saved"));

    EXPECT_EQ(FamilyNames(), std::vector<std::string>{"Lee"});
    EXPECT_EQ(frame.CurrentFile(), path);
    EXPECT_EQ(frame.File().CurrentFileName(), path);
    EXPECT_EQ(frame.Registry().name, path);
    EXPECT_EQ(StatusField(0), "Ready");
    EXPECT_EQ(StatusField(1), "Current File: Theirs.NBD");
    OpenMenu(0);
    EXPECT_TRUE(SaveItemsEnabled(frame));
}

TEST_F(LoadTest, FailedLoadLeavesAnEmptyNeighborhoodWithoutAFileName) {
    WriteTextFile(Saved("DefaultSims.NBD"), OneSimNbd("Lee", "Ann"));
    WriteTextFile(root_ / "empty.NBD", "");
    NestrelFrame& frame = BuildFrame();
    frame.Settings().askToSave = false;  // Load asks all the same
    AnswerFileDialogs({root_ / "empty.NBD"});
    wxTEST_DIALOG(frame.ProcessCommand(ID_LOAD),
                  ExpectMessageBox(wxID_NO, "Do you want to save your Sim data?", "Save?"),
                  ExpectMessageBox(wxID_OK, "There was an error loading the file.", "Error"));

    EXPECT_TRUE(frame.NeighborhoodIsEmpty());
    EXPECT_EQ(frame.CurrentFile(), "");
    EXPECT_EQ(frame.File().CurrentFileName(), "");
    EXPECT_EQ(StatusField(0), "Ready");
    EXPECT_EQ(StatusField(1), "Current File: ");
    OpenMenu(0);
    EXPECT_FALSE(SaveItemsEnabled(frame));

    // A family added now cannot be saved to the empty name; Save As can.
    AddFamilyInMemory(frame, "Goth", "Bella");
    OpenMenu(0);
    ASSERT_TRUE(SaveItemsEnabled(frame));
    wxTEST_DIALOG(frame.ProcessCommand(ID_SAVE),
                  ExpectMessageBox(wxID_OK, "Error: Can't save to an empty file", "Message"),
                  ExpectMessageBox(wxID_OK, "Error saving file!", "Message"));
    const std::string path = root_ / "Goth.NBD";
    AnswerFileDialogs({path});
    frame.ProcessCommand(ID_SAVE_AS);
    EXPECT_NE(FileText(path).find("[Goth]"), std::string::npos);
    EXPECT_EQ(frame.CurrentFile(), path);
    // The file that failed to load is untouched.
    EXPECT_EQ(FileText(Saved("DefaultSims.NBD")), OneSimNbd("Lee", "Ann"));
}

TEST_F(LoadTest, CancelledPromptOrSelectorKeepsTheNeighborhood) {
    WriteTextFile(Saved("DefaultSims.NBD"), OneSimNbd("Lee", "Ann"));
    NestrelFrame& frame = BuildFrame();
    wxTEST_DIALOG(frame.ProcessCommand(ID_LOAD), ExpectMessageBox(wxID_CANCEL, "Do you want to save your Sim data?"));
    EXPECT_TRUE(asked_.empty()) << "Cancel stops before the file selector";

    AnswerFileDialogs({""});
    wxTEST_DIALOG(frame.ProcessCommand(ID_LOAD), ExpectMessageBox(wxID_NO, "Do you want to save your Sim data?"));
    EXPECT_EQ(FamilyNames(), std::vector<std::string>{"Lee"});
    EXPECT_EQ(frame.CurrentFile(), "DefaultSims");
    EXPECT_EQ(StatusField(0), "Ready");
}

TEST_F(LoadTest, YesSavesTheOldNeighborhoodBeforeLoading) {
    WriteTextFile(Saved("DefaultSims.NBD"), OneSimNbd("Lee", "Ann"));
    WriteTextFile(root_ / "Other.NBD", OneSimNbd("Goth", "Bella"));
    NestrelFrame& frame = BuildFrame();
    AddFamilyInMemory(frame, "Pleasant", "Mary");
    AnswerFileDialogs({root_ / "Other.NBD"});
    wxTEST_DIALOG(frame.ProcessCommand(ID_LOAD), ExpectMessageBox(wxID_YES, "Do you want to save your Sim data?"));
    EXPECT_NE(FileText(Saved("DefaultSims.NBD")).find("[Pleasant]"), std::string::npos);
    EXPECT_EQ(FamilyNames(), std::vector<std::string>{"Goth"});
}

TEST_F(LoadTest, TheLoadingMessageIsUpWhileTheFileIsRead) {
    // The career version question comes up in the middle of the read.
    WriteTextFile(root_ / "Old.NBD", OneSimNbd("Lee", "Ann", "", "0.9"));
    NestrelFrame& frame = BuildFrame();
    AnswerFileDialogs({root_ / "Old.NBD"});
    std::string seen;
    wxTEST_DIALOG(frame.ProcessCommand(ID_LOAD), StatusAtMessageBox(wxID_NO, "Update Required", &frame, &seen));
    EXPECT_EQ(seen, "Loading, Please wait...");
    EXPECT_EQ(StatusField(0), "Ready");
    EXPECT_EQ(FamilyNames(), std::vector<std::string>{"Lee"});
}

TEST_F(SaveTest, NeverSavedNeighborhoodAsksForANameAndCancelWritesNothing) {
    NestrelFrame& frame = BuildFrame();
    AddFamilyInMemory(frame, "Goth", "Bella");
    OpenMenu(0);
    AnswerFileDialogs({""});
    wxTEST_DIALOG(frame.ProcessCommand(ID_SAVE),
                  ExpectMessageBox(wxID_OK, "Error: Can't save to an empty file", "Message"),
                  ExpectMessageBox(wxID_OK, "Error saving file!", "Message"));
    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_EQ(asked_[0].message, "Choose a file name to save Sim Data");
    EXPECT_TRUE(asked_[0].forSaving);
    EXPECT_EQ(asked_[0].defaultFile, "Unsaved");
    EXPECT_EQ(asked_[0].wildcard, "*.NBD");
    EXPECT_TRUE(fs::is_empty(installDir_ + "/Saved"));
    EXPECT_EQ(frame.CurrentFile(), "Unsaved");
}

TEST_F(SaveTest, NeverSavedNeighborhoodIsWrittenToTheChosenNameWhichBecomesCurrent) {
    NestrelFrame& frame = BuildFrame();
    AddFamilyInMemory(frame, "Goth", "Bella");
    frame.SetModified(true);
    OpenMenu(0);
    const std::string path = root_ / "Chosen.NBD";
    AnswerFileDialogs({path});
    frame.ProcessCommand(ID_SAVE);
    EXPECT_NE(FileText(path).find("Name0=Bella"), std::string::npos);
    EXPECT_FALSE(frame.IsModified());
    EXPECT_EQ(frame.CurrentFile(), path);
    EXPECT_EQ(frame.File().CurrentFileName(), path);
    EXPECT_EQ(StatusField(0), "");
    EXPECT_EQ(StatusField(1), "Current File: Chosen.NBD");

    // The next Save writes there without asking, and the close remembers the file.
    AddFamilyInMemory(frame, "Lee", "Ann");
    frame.SetModified(true);
    frame.ProcessCommand(ID_SAVE);
    EXPECT_EQ(asked_.size(), 1u);
    EXPECT_NE(FileText(path).find("[Lee]"), std::string::npos);
    wxTEST_DIALOG(frame.Close(), ExpectMessageBox(wxID_NO, "Do you want to save your Sim data?", "Save?"));
    PumpEvents();
    EXPECT_FALSE(frame_);
    EXPECT_EQ(ReadConfigText("SimFile"), path);
}

TEST_F(SaveTest, SaveAsMakesTheNewNameCurrentThenSaveWritesThere) {
    WriteTextFile(Saved("DefaultSims.NBD"), OneSimNbd("Lee", "Ann"));
    NestrelFrame& frame = BuildFrame();
    const std::string path = root_ / "out/Mine.NBD";
    fs::create_directories(root_ / "out");
    AnswerFileDialogs({path});
    frame.ProcessCommand(ID_SAVE_AS);
    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_EQ(asked_[0].message, "Choose a file name to save Sim Data");
    // The current file is suggested, in the folder where it lies.
    EXPECT_EQ(asked_[0].defaultFile, "DefaultSims");
    EXPECT_EQ(asked_[0].defaultDir, wxString::FromUTF8(installDir_ + "/Saved"));
    EXPECT_EQ(frame.CurrentFile(), path);
    EXPECT_EQ(frame.File().CurrentFileName(), path);
    EXPECT_EQ(StatusField(1), "Current File: Mine.NBD");
    EXPECT_NE(FileText(path).find("[Lee]"), std::string::npos);

    AddFamilyInMemory(frame, "Goth", "Bella");
    frame.SetModified(true);
    frame.ProcessCommand(ID_SAVE);  // no question: the file is known
    EXPECT_EQ(asked_.size(), 1u);
    EXPECT_NE(FileText(path).find("[Goth]"), std::string::npos);
    EXPECT_EQ(FileText(Saved("DefaultSims.NBD")), OneSimNbd("Lee", "Ann"));
    EXPECT_FALSE(frame.IsModified());
    EXPECT_EQ(StatusField(1), "Current File: Mine.NBD");
}

TEST_F(SaveTest, CancelledSaveAsChangesNothing) {
    WriteTextFile(Saved("DefaultSims.NBD"), OneSimNbd("Lee", "Ann"));
    NestrelFrame& frame = BuildFrame();
    AnswerFileDialogs({""});
    frame.ProcessCommand(ID_SAVE_AS);
    EXPECT_EQ(frame.CurrentFile(), "DefaultSims");
    EXPECT_EQ(StatusField(0), "Ready");
}

TEST_F(SaveTest, FailedWriteKeepsTheOldFileAndTheUnsavedMark) {
    WriteTextFile(Saved("DefaultSims.NBD"), OneSimNbd("Lee", "Ann"));
    NestrelFrame& frame = BuildFrame();
    AddFamilyInMemory(frame, "Goth", "Bella");
    frame.SetModified(true);
    for (WriteStep step : {WriteStep::Open, WriteStep::Write, WriteStep::Rename}) {
        SCOPED_TRACE(static_cast<int>(step));
        WriteFault fault(step);
        wxTEST_DIALOG(frame.ProcessCommand(ID_SAVE), ExpectMessageBox(wxID_OK, "Error saving file!", "Message"));
        EXPECT_EQ(FileText(Saved("DefaultSims.NBD")), OneSimNbd("Lee", "Ann"));
        EXPECT_TRUE(frame.IsModified());
        EXPECT_EQ(StatusField(1), "Current File: DefaultSims*");
    }
    EXPECT_EQ(fs::directory_iterator(installDir_ + "/Saved")->path().filename(), "DefaultSims.NBD");
    EXPECT_EQ(std::distance(fs::directory_iterator(installDir_ + "/Saved"), fs::directory_iterator()), 1)
        << "no temporary file is left behind";
}

TEST_F(SaveTest, FailedSaveAsKeepsTheNamesAndTheFileInUse) {
    WriteTextFile(Saved("DefaultSims.NBD"), OneSimNbd("Lee", "Ann"));
    NestrelFrame& frame = BuildFrame();
    AnswerFileDialogs({root_ / "New.NBD"});
    {
        WriteFault fault(WriteStep::Sync);
        wxTEST_DIALOG(frame.ProcessCommand(ID_SAVE_AS), ExpectMessageBox(wxID_OK, "Error saving file!", "Message"));
    }
    EXPECT_FALSE(fs::exists(root_ / "New.NBD"));
    EXPECT_EQ(frame.CurrentFile(), "DefaultSims");
    EXPECT_EQ(frame.File().CurrentFileName(), "DefaultSims");
    EXPECT_EQ(StatusField(0), "");
}

TEST_F(SaveTest, SavingShowsItsMessageWhileWriting) {
    WriteTextFile(Saved("DefaultSims.NBD"), OneSimNbd("Lee", "Ann"));
    NestrelFrame& frame = BuildFrame();
    std::string seen;
    SetWriteFaultHook([&](WriteStep) {
        seen = StatusField(0);
        return false;
    });
    frame.ProcessCommand(ID_SAVE);
    SetWriteFaultHook(nullptr);
    EXPECT_EQ(seen, "Saving, Please wait...");
    EXPECT_EQ(StatusField(0), "");
}

TEST_F(BackupTest, BackupWritesACopyAndKeepsTheCurrentFile) {
    WriteTextFile(Saved("DefaultSims.NBD"), OneSimNbd("Lee", "Ann"));
    NestrelFrame& frame = BuildFrame();
    const std::string backup = root_ / "backups/Copy.NBD";
    fs::create_directories(root_ / "backups");
    AnswerFileDialogs({backup});
    frame.ProcessCommand(ID_BACKUP);
    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_EQ(asked_[0].message, "Choose a file name to save Sim Data");
    EXPECT_TRUE(asked_[0].forSaving);
    EXPECT_EQ(asked_[0].defaultFile, "Backup");
    EXPECT_NE(FileText(backup).find("[Lee]"), std::string::npos);
    EXPECT_EQ(frame.CurrentFile(), "DefaultSims");
    EXPECT_EQ(frame.File().BackupFileName(), backup);
    EXPECT_EQ(StatusField(1), "Current File: DefaultSims");

    // The next Save still goes to the current file; the next backup suggests the last.
    AddFamilyInMemory(frame, "Goth", "Bella");
    frame.ProcessCommand(ID_SAVE);
    EXPECT_NE(FileText(Saved("DefaultSims.NBD")).find("[Goth]"), std::string::npos);
    EXPECT_EQ(FileText(backup).find("[Goth]"), std::string::npos);
    AnswerFileDialogs({""});
    frame.ProcessCommand(ID_BACKUP);
    ASSERT_EQ(asked_.size(), 2u);
    EXPECT_EQ(asked_[1].defaultFile, "Copy.NBD");
    EXPECT_EQ(asked_[1].defaultDir, wxString::FromUTF8(root_ / "backups"));
}

TEST_F(BackupTest, ConfiguredBackupNameIsSuggestedAndAFailureKeepsIt) {
    SetConfigValue("BackupFile", "Weekly");
    WriteTextFile(Saved("DefaultSims.NBD"), OneSimNbd("Lee", "Ann"));
    NestrelFrame& frame = BuildFrame();
    AnswerFileDialogs({root_ / "no/such/folder/B.NBD"});
    wxTEST_DIALOG(frame.ProcessCommand(ID_BACKUP), ExpectMessageBox(wxID_OK, "Error backing up file!", "Message"));
    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_EQ(asked_[0].defaultFile, "Weekly");
    EXPECT_EQ(frame.File().BackupFileName(), "");
    EXPECT_EQ(frame.File().StoredBackupFileName(), "Weekly");
}

TEST_F(ImportTest, ImportAppendsAndLinksToSimsAlreadyLoaded) {
    WriteTextFile(Saved("DefaultSims.NBD"), OneSimNbd("Lee", "Ann"));
    // Another family Lee, whose Bob names Ann Lee as a friend.
    WriteTextFile(root_ / "More.NBD", OneSimNbd("Lee", "Bob", "FriendCount0=1\nF00=Ann Lee\n"));
    NestrelFrame& frame = BuildFrame();
    AnswerFileDialogs({root_ / "More.NBD"});
    frame.ProcessCommand(ID_IMPORT);
    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_EQ(asked_[0].message, "Choose NBD file to IMPORT Sim Data (append to list)");
    EXPECT_FALSE(asked_[0].forSaving);

    EXPECT_EQ(FamilyNames(), (std::vector<std::string>{"Lee", "Lee"}));
    const Sim* ann = frame.Registry().FindSimByName("Ann Lee");
    const Sim* bob = frame.Registry().FindSimByName("Bob Lee");
    ASSERT_TRUE(ann && bob);
    EXPECT_GT(bob->id, ann->id);  // ids go on from the loaded neighborhood's
    EXPECT_EQ(bob->friendIds, std::vector<int32_t>{ann->id});
    EXPECT_EQ(frame.CurrentFile(), "DefaultSims");
    EXPECT_TRUE(frame.IsModified());
    EXPECT_EQ(StatusField(0), "Ready");
    EXPECT_EQ(StatusField(1), "Current File: DefaultSims*");

    // Save writes both families to the current file.
    frame.ProcessCommand(ID_SAVE);
    const std::string saved = FileText(Saved("DefaultSims.NBD"));
    EXPECT_NE(saved.find("Name0=Ann"), std::string::npos);
    EXPECT_NE(saved.find("F00=Ann Lee"), std::string::npos);
}

TEST_F(ImportTest, FailedImportSaysNothingAndChangesNothing) {
    WriteTextFile(Saved("DefaultSims.NBD"), OneSimNbd("Lee", "Ann"));
    NestrelFrame& frame = BuildFrame();
    AnswerFileDialogs({root_ / "missing.NBD"});
    frame.ProcessCommand(ID_IMPORT);
    EXPECT_EQ(FamilyNames(), std::vector<std::string>{"Lee"});
    EXPECT_FALSE(frame.IsModified());
    EXPECT_EQ(StatusField(0), "Ready");
}

TEST_F(ImportTest, TheImportingMessageIsUpWhileTheFileIsRead) {
    WriteTextFile(root_ / "Old.NBD", OneSimNbd("Lee", "Ann", "", "0.9"));
    NestrelFrame& frame = BuildFrame();
    AnswerFileDialogs({root_ / "Old.NBD"});
    std::string seen;
    wxTEST_DIALOG(frame.ProcessCommand(ID_IMPORT), StatusAtMessageBox(wxID_NO, "Update Required", &frame, &seen));
    EXPECT_EQ(seen, "Importing, Please wait...");
}

TEST_F(NewTest, NewAsksWhenThereAreFamiliesAndStartsOver) {
    WriteTextFile(Saved("DefaultSims.NBD"), OneSimNbd("Lee", "Ann"));
    NestrelFrame& frame = BuildFrame();
    frame.Settings().askToSave = false;  // asked all the same
    wxTEST_DIALOG(frame.ProcessCommand(ID_NEW), ExpectMessageBox(wxID_CANCEL, "Do you want to save your Sim data?", "Save?"));
    EXPECT_EQ(FamilyNames(), std::vector<std::string>{"Lee"});

    wxTEST_DIALOG(frame.ProcessCommand(ID_NEW), ExpectMessageBox(wxID_NO, "Do you want to save your Sim data?", "Save?"));
    EXPECT_TRUE(frame.NeighborhoodIsEmpty());
    EXPECT_EQ(frame.CurrentFile(), "Unsaved");
    EXPECT_EQ(frame.File().CurrentFileName(), "DefaultSims");  // New leaves the stored name
    EXPECT_EQ(counters_.simCounter, 0);
    EXPECT_EQ(counters_.familyCounter, 0);
    EXPECT_EQ(StatusField(0), "");
    EXPECT_EQ(StatusField(1), "Current File: Unsaved");

    frame.ProcessCommand(ID_NEW);  // nothing to lose: no question
}

TEST_F(NewTest, YesWhoseSaveFailsKeepsTheNeighborhood) {
    WriteTextFile(Saved("DefaultSims.NBD"), OneSimNbd("Lee", "Ann"));
    NestrelFrame& frame = BuildFrame();
    WriteFault fault(WriteStep::Rename);
    wxTEST_DIALOG(frame.ProcessCommand(ID_NEW), ExpectMessageBox(wxID_YES, "Do you want to save your Sim data?"),
                  ExpectMessageBox(wxID_OK, "Error saving file!", "Message"));
    EXPECT_EQ(FamilyNames(), std::vector<std::string>{"Lee"});
    EXPECT_EQ(frame.CurrentFile(), "DefaultSims");
}

}  // namespace
