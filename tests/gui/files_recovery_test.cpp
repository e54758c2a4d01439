// Recovery of unsaved changes: the timer writes a copy of the neighborhood and touches
// nothing else; Save, New, Load and exit remove the copy once the changes are saved or
// declined; start-up and Load offer a copy newer than its file, and a copy that cannot
// be read is kept aside.
#include <chrono>
#include <filesystem>
#include <thread>

#include <wx/dialog.h>

#include "app/CommandIds.h"
#include "app/RecoveryKeeper.h"
#include "files_fixture.h"
#include "recovery/RecoveryFiles.h"
#include "storage/NeighborhoodFile.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const char* const kPrompt = "Do you want to save your Sim data?";

/// Answers one recovery question and keeps its text.
class RecoveryQuestion : public wxExpectModalBase<wxMessageDialog, RecoveryQuestion> {
public:
    RecoveryQuestion(int answer, std::string* text = nullptr) : answer_(answer), text_(text) {}

protected:
    int OnInvoked(wxMessageDialog* dlg) const override {
        EXPECT_EQ(std::string(dlg->GetTitle().utf8_str()), kRecoverCaption);
        if (text_) *text_ = std::string(dlg->GetMessage().utf8_str());
        return answer_;
    }
    wxString GetDefaultDescription() const override { return "the recovery question"; }

private:
    int answer_;
    std::string* text_;
};

class RecoveryTest : public FilesTest {
protected:
    void SetUp() override {
        FilesTest::SetUp();
        WriteTextFile(Saved("DefaultSims.NBD"), OneSimNbd("Lee", "Ann"));
        SetConfigValue("SimFile", "DefaultSims");
    }
    std::string StateDir() const { return root_ / "home/.local/state/Nestrel/recovery"; }
    // Where the copy of the neighborhood in `file` is kept ("Unsaved" for one without).
    std::string CopyOf(const std::string& file) const {
        NeighborhoodFile names;
        names.SetInstallDir(installDir_);
        return RecoveryFiles(StateDir()).CopyPath(NeighborhoodFilePath(names, file));
    }
    std::string DiscardedOf(const std::string& file) const {
        NeighborhoodFile names;
        names.SetInstallDir(installDir_);
        return RecoveryFiles(StateDir()).DiscardedPath(NeighborhoodFilePath(names, file));
    }
    // A change made as a command makes it: a family added, the star set.
    static void AddGoths(NestrelFrame& frame) {
        SimRegistry& registry = frame.Registry();
        Family* family = registry.AddFamily(registry.NewFamily("Goth"));
        registry.AddSim(registry.NewSim("Bella", "Goth", 64, false), true, family);
        frame.SetModified(true);
        frame.RefreshFamilies();
    }
    // A copy left by an earlier run that ended without saving, newer than the file.
    void LeaveCopy(const std::string& file, const std::string& contents) {
        WriteTextFile(CopyOf(file), contents);
        fs::last_write_time(Saved("DefaultSims.NBD"), fs::file_time_type::clock::now() - 1h);
    }
    static bool Has(const std::string& path, const std::string& text) {
        return FileText(path).find(text) != std::string::npos;
    }
};

TEST_F(RecoveryTest, TheTimerWritesTheCopyAndTouchesNothingElse) {
    SetConfigValue("AutoSaveSeconds", "1");
    NestrelFrame& frame = BuildFrame();
    EXPECT_EQ(frame.Recovery().IntervalSeconds(), 1);
    frame.File().SetBackupFileName("Spare");
    AddGoths(frame);
    const std::string status = StatusField(1);

    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (!fs::exists(CopyOf("DefaultSims")) && std::chrono::steady_clock::now() < deadline) {
        PumpEvents();
        std::this_thread::sleep_for(20ms);
    }
    ASSERT_TRUE(fs::exists(CopyOf("DefaultSims"))) << "no copy within 10 s";
    EXPECT_TRUE(Has(CopyOf("DefaultSims"), "[Goth]"));
    EXPECT_TRUE(Has(CopyOf("DefaultSims"), "[Lee]"));
    EXPECT_EQ(FileText(Saved("DefaultSims.NBD")), OneSimNbd("Lee", "Ann"));
    EXPECT_EQ(frame.CurrentFile(), "DefaultSims");
    EXPECT_EQ(frame.File().CurrentFileName(), "DefaultSims");
    EXPECT_EQ(frame.File().BackupFileName(), "Spare");
    EXPECT_TRUE(frame.IsModified());
    EXPECT_EQ(StatusField(1), status);
    EXPECT_EQ(StatusField(1), "Current File: DefaultSims*");
}

TEST_F(RecoveryTest, NoCopyWithoutUnsavedChanges) {
    NestrelFrame& frame = BuildFrame();
    frame.Recovery().Due();
    EXPECT_FALSE(fs::exists(StateDir()));
    frame.Registry().Clear();
    frame.SetModified(true);  // everything deleted: nothing to keep
    frame.Recovery().Due();
    EXPECT_FALSE(fs::exists(StateDir()));
}

TEST_F(RecoveryTest, TheIntervalComesFromTheConfigurationStore) {
    const std::vector<std::pair<const char*, int>> cases = {{nullptr, 60}, {"0", 0}, {"5", 5}};
    for (const auto& [stored, seconds] : cases) {
        if (stored) SetConfigValue("AutoSaveSeconds", stored);
        NestrelFrame& frame = BuildFrame();
        EXPECT_EQ(frame.Recovery().IntervalSeconds(), seconds) << (stored ? stored : "(none)");
        frame.Destroy();
        PumpEvents();
    }
}

TEST_F(RecoveryTest, ACopyDueDuringADialogWaitsUntilTheWindowIsIdle) {
    NestrelFrame& frame = BuildFrame();
    AddGoths(frame);
    RealModalDialogs shown;
    wxDialog dialog(&frame, wxID_ANY, "Edit");
    bool pendingInside = true, writtenInside = true;
    dialog.CallAfter([&] {
        // Half of an edit applied: the copy must not catch it.
        frame.Registry().SetHomeless(frame.Registry().families.Front(), true);
        frame.Recovery().Due();
        writtenInside = fs::exists(CopyOf("DefaultSims"));
        pendingInside = frame.Recovery().Pending();
        frame.Registry().SetHomeless(frame.Registry().families.Front(), false);
        dialog.EndModal(wxID_OK);
    });
    dialog.ShowModal();
    EXPECT_FALSE(writtenInside);
    EXPECT_TRUE(pendingInside);
    PumpEvents();
    EXPECT_FALSE(frame.Recovery().Pending());
    ASSERT_TRUE(fs::exists(CopyOf("DefaultSims")));
    EXPECT_TRUE(Has(CopyOf("DefaultSims"), "[Lee]"));
    EXPECT_FALSE(Has(CopyOf("DefaultSims"), "Homeless"));
}

TEST_F(RecoveryTest, SaveRemovesTheCopyBackupKeepsIt) {
    NestrelFrame& frame = BuildFrame();
    AddGoths(frame);
    ASSERT_TRUE(frame.WriteRecoveryCopy());
    AnswerFileDialogs({Saved("Spare.NBD")});
    frame.ProcessCommand(ID_BACKUP);
    EXPECT_TRUE(Has(Saved("Spare.NBD"), "[Goth]"));
    EXPECT_TRUE(fs::exists(CopyOf("DefaultSims"))) << "the neighborhood's own file still lacks the change";

    frame.SetModified(true);
    frame.ProcessCommand(ID_SAVE);
    EXPECT_TRUE(Has(Saved("DefaultSims.NBD"), "[Goth]"));
    EXPECT_FALSE(fs::exists(CopyOf("DefaultSims")));
}

TEST_F(RecoveryTest, SaveAsRemovesTheCopyOfTheFileLeftBehind) {
    NestrelFrame& frame = BuildFrame();
    AddGoths(frame);
    ASSERT_TRUE(frame.WriteRecoveryCopy());
    AnswerFileDialogs({Saved("Other.NBD")});
    frame.ProcessCommand(ID_SAVE_AS);
    EXPECT_EQ(frame.CurrentFile(), Saved("Other.NBD"));
    EXPECT_FALSE(fs::exists(CopyOf("DefaultSims")));
}

TEST_F(RecoveryTest, ANeighborhoodWithoutAFileKeepsItsCopyUntilItGetsOne) {
    fs::remove(Saved("DefaultSims.NBD"));
    NestrelFrame& frame = BuildFrame();
    ASSERT_EQ(frame.CurrentFile(), "Unsaved");
    AddGoths(frame);
    OpenMenu(0);  // Save is offered once there are families
    ASSERT_TRUE(frame.WriteRecoveryCopy());
    EXPECT_EQ(CopyOf("Unsaved"), StateDir() + "/Unsaved.NBD");
    EXPECT_TRUE(Has(CopyOf("Unsaved"), "[Goth]"));

    AnswerFileDialogs({""});  // the file name is not given: still unsaved
    wxTEST_DIALOG(frame.ProcessCommand(ID_SAVE), ExpectMessageBox(wxID_OK, "Error: Can't save to an empty file"),
                  ExpectMessageBox(wxID_OK, "Error saving file!"));
    EXPECT_TRUE(fs::exists(CopyOf("Unsaved")));
    AnswerFileDialogs({Saved("Mine.NBD")});
    frame.ProcessCommand(ID_SAVE);
    EXPECT_EQ(frame.CurrentFile(), Saved("Mine.NBD"));
    EXPECT_FALSE(fs::exists(CopyOf("Unsaved")));
}

TEST_F(RecoveryTest, NewAndLoadRemoveTheCopyOnlyOnceTheSaveQuestionIsAnswered) {
    NestrelFrame& frame = BuildFrame();
    AddGoths(frame);
    ASSERT_TRUE(frame.WriteRecoveryCopy());
    wxTEST_DIALOG(frame.ProcessCommand(ID_NEW), ExpectMessageBox(wxID_CANCEL, kPrompt));
    EXPECT_TRUE(fs::exists(CopyOf("DefaultSims"))) << "cancelled: the changes are still open";
    AnswerFileDialogs({""});
    wxTEST_DIALOG(frame.ProcessCommand(ID_LOAD), ExpectMessageBox(wxID_NO, kPrompt));
    EXPECT_TRUE(fs::exists(CopyOf("DefaultSims"))) << "no file chosen: the changes are still open";

    WriteTextFile(Saved("Other.NBD"), OneSimNbd("Cho", "Ming"));
    AnswerFileDialogs({Saved("Other.NBD")});
    wxTEST_DIALOG(frame.ProcessCommand(ID_LOAD), ExpectMessageBox(wxID_NO, kPrompt));
    EXPECT_EQ(FamilyNames(), std::vector<std::string>{"Cho"});
    EXPECT_FALSE(fs::exists(CopyOf("DefaultSims")));

    AddGoths(frame);
    ASSERT_TRUE(frame.WriteRecoveryCopy());
    wxTEST_DIALOG(frame.ProcessCommand(ID_NEW), ExpectMessageBox(wxID_NO, kPrompt));
    EXPECT_FALSE(fs::exists(CopyOf(Saved("Other.NBD"))));
    EXPECT_EQ(FileText(Saved("Other.NBD")), OneSimNbd("Cho", "Ming"));
}

TEST_F(RecoveryTest, ANormalExitRemovesTheCopy) {
    struct Case {
        int answer;
        bool closes;
        bool saved;
    };
    for (const Case c : {Case{wxID_CANCEL, false, false}, Case{wxID_NO, true, false}, Case{wxID_YES, true, true}}) {
        WriteTextFile(Saved("DefaultSims.NBD"), OneSimNbd("Lee", "Ann"));
        NestrelFrame& frame = BuildFrame();
        AddGoths(frame);
        ASSERT_TRUE(frame.WriteRecoveryCopy());
        wxTEST_DIALOG(frame.Close(), ExpectMessageBox(c.answer, kPrompt));
        PumpEvents();
        EXPECT_EQ(!frame_, c.closes) << c.answer;
        EXPECT_EQ(fs::exists(CopyOf("DefaultSims")), !c.closes) << c.answer;
        EXPECT_EQ(Has(Saved("DefaultSims.NBD"), "[Goth]"), c.saved) << c.answer;
        if (frame_) frame_->Destroy();
        PumpEvents();
        fs::remove_all(StateDir());
    }
}

TEST_F(RecoveryTest, AnEndingSessionLeavesUnsavedChangesInTheCopy) {
    fs::remove(Saved("DefaultSims.NBD"));
    NestrelFrame& frame = BuildFrame();
    AddGoths(frame);  // no file to save to, and nobody to ask for one
    frame.Close(true);
    PumpEvents();
    EXPECT_FALSE(frame_);
    EXPECT_TRUE(Has(CopyOf("Unsaved"), "[Goth]"));
}

TEST_F(RecoveryTest, YesAtStartUpOpensTheRecoveredNeighborhoodUnsaved) {
    LeaveCopy("DefaultSims", OneSimNbd("Goth", "Bella"));
    std::string question;
    NestrelFrame* frame = nullptr;
    wxTEST_DIALOG(frame = &BuildFrame(), RecoveryQuestion(wxID_YES, &question));
    EXPECT_NE(question.find(Saved("DefaultSims.NBD")), std::string::npos) << question;
    const auto written = fs::last_write_time(CopyOf("DefaultSims"));
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(
        std::chrono::file_clock::to_sys(written).time_since_epoch()).count();
    EXPECT_NE(question.find(LocalTimeText(seconds)), std::string::npos) << question;

    EXPECT_EQ(FamilyNames(), std::vector<std::string>{"Goth"});
    EXPECT_TRUE(frame->IsModified());
    EXPECT_EQ(frame->CurrentFile(), "DefaultSims");
    EXPECT_EQ(frame->File().CurrentFileName(), "DefaultSims");
    EXPECT_EQ(StatusField(1), "Current File: DefaultSims*");
    EXPECT_EQ(FileText(Saved("DefaultSims.NBD")), OneSimNbd("Lee", "Ann")) << "nothing written until the user saves";

    frame->ProcessCommand(ID_SAVE);
    EXPECT_TRUE(Has(Saved("DefaultSims.NBD"), "[Goth]"));
    EXPECT_FALSE(fs::exists(CopyOf("DefaultSims")));
}

TEST_F(RecoveryTest, NoAtStartUpKeepsTheCopyAsTheDiscardedOne) {
    WriteTextFile(DiscardedOf("DefaultSims"), OneSimNbd("Old", "Copy"));
    LeaveCopy("DefaultSims", OneSimNbd("Goth", "Bella"));
    wxTEST_DIALOG(BuildFrame(), RecoveryQuestion(wxID_NO));
    EXPECT_EQ(FamilyNames(), std::vector<std::string>{"Lee"});
    EXPECT_FALSE(frame_->IsModified());
    EXPECT_FALSE(fs::exists(CopyOf("DefaultSims")));
    EXPECT_EQ(FileText(DiscardedOf("DefaultSims")), OneSimNbd("Goth", "Bella"));
}

TEST_F(RecoveryTest, ACopyOlderThanItsFileIsNotOffered) {
    WriteTextFile(CopyOf("DefaultSims"), OneSimNbd("Goth", "Bella"));
    fs::last_write_time(CopyOf("DefaultSims"), fs::file_time_type::clock::now() - 1h);
    BuildFrame();  // a question would fail the test
    EXPECT_EQ(FamilyNames(), std::vector<std::string>{"Lee"});
    EXPECT_TRUE(fs::exists(CopyOf("DefaultSims")));
}

TEST_F(RecoveryTest, AnUnreadableCopyIsReportedAndKeptAside) {
    LeaveCopy("DefaultSims", "");
    wxTEST_DIALOG(BuildFrame(), RecoveryQuestion(wxID_YES),
                  ExpectMessageBox(wxID_OK, wxString(), "Error"));
    EXPECT_EQ(FamilyNames(), std::vector<std::string>{"Lee"}) << "the neighborhood's own file again";
    EXPECT_FALSE(frame_->IsModified());
    EXPECT_EQ(frame_->CurrentFile(), "DefaultSims");
    EXPECT_FALSE(fs::exists(CopyOf("DefaultSims")));
    const std::string keptAs = StateDir() + "/" + fs::path(CopyOf("DefaultSims")).stem().string() + ".unreadable.NBD";
    EXPECT_TRUE(fs::exists(keptAs)) << "never deleted";
}

TEST_F(RecoveryTest, TheCopyOfANeighborhoodWithoutAFileIsOfferedAtStartUp) {
    LeaveCopy("Unsaved", OneSimNbd("Goth", "Bella"));
    std::string question;
    wxTEST_DIALOG(BuildFrame(), RecoveryQuestion(wxID_YES, &question));
    EXPECT_NE(question.find("never saved"), std::string::npos) << question;
    EXPECT_EQ(FamilyNames(), std::vector<std::string>{"Goth"});
    EXPECT_EQ(frame_->CurrentFile(), "Unsaved");
    EXPECT_TRUE(frame_->IsModified());
}

TEST_F(RecoveryTest, LoadOffersTheCopyOfTheLoadedFile) {
    WriteTextFile(Saved("Other.NBD"), OneSimNbd("Cho", "Ming"));
    WriteTextFile(CopyOf(Saved("Other.NBD")), OneSimNbd("Goth", "Bella"));
    fs::last_write_time(Saved("Other.NBD"), fs::file_time_type::clock::now() - 1h);
    NestrelFrame& frame = BuildFrame();
    AnswerFileDialogs({Saved("Other.NBD")});
    wxTEST_DIALOG(frame.ProcessCommand(ID_LOAD), ExpectMessageBox(wxID_NO, kPrompt), RecoveryQuestion(wxID_YES));
    EXPECT_EQ(FamilyNames(), std::vector<std::string>{"Goth"});
    EXPECT_EQ(frame.CurrentFile(), Saved("Other.NBD"));
    EXPECT_TRUE(frame.IsModified());
    EXPECT_EQ(StatusField(1), "Current File: Other.NBD*");
    EXPECT_EQ(FileText(Saved("Other.NBD")), OneSimNbd("Cho", "Ming"));
}

}  // namespace
