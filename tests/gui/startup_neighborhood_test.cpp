// Start-up of the main window: the career file, the last neighborhood from the
// configuration store, and the registry's name.
#include <filesystem>

#include <wx/menu.h>

#include "app/CommandIds.h"
#include "files_fixture.h"
#include "model/Sim.h"

namespace {

using StartupTest = FilesTest;

bool HourChoiceEnabled(NestrelFrame& frame) {
    wxWindow* hours = wxWindow::FindWindowById(ID_HOUR_CHOICE, &frame);
    EXPECT_NE(hours, nullptr);
    return hours != nullptr && hours->IsEnabled();
}

bool SaveItemsEnabled(NestrelFrame& frame) {
    wxMenuBar* bar = frame.GetMenuBar();
    return bar->IsEnabled(ID_SAVE) && bar->IsEnabled(ID_SAVE_AS) && bar->IsEnabled(ID_BACKUP);
}

TEST_F(StartupTest, LoadsTheConfiguredFile) {
    WriteTextFile(Saved("Mine.NBD"), OneSimNbd("Lee", "Ann"));
    WriteTextFile(Saved("DefaultSims.NBD"), OneSimNbd("Other", "Bob"));
    SetConfigValue("SimFile", "Mine");
    NestrelFrame& frame = BuildFrame();

    EXPECT_EQ(FamilyNames(), std::vector<std::string>{"Lee"});
    EXPECT_EQ(frame.CurrentFile(), "Mine");
    EXPECT_EQ(frame.File().CurrentFileName(), "Mine");
    EXPECT_EQ(frame.Registry().name, "Mine");
    EXPECT_EQ(StatusField(0), "Ready");
    EXPECT_EQ(StatusField(1), "Current File: Mine");
    EXPECT_FALSE(frame.IsModified());
    EXPECT_TRUE(HourChoiceEnabled(frame));
    OpenMenu(0);
    EXPECT_TRUE(SaveItemsEnabled(frame));
}

TEST_F(StartupTest, WithoutConfigurationLoadsDefaultSimsFromTheSavedFolder) {
    WriteTextFile(Saved("DefaultSims.NBD"), OneSimNbd("Lee", "Ann"));
    NestrelFrame& frame = BuildFrame();
    EXPECT_EQ(FamilyNames(), std::vector<std::string>{"Lee"});
    EXPECT_EQ(frame.CurrentFile(), "DefaultSims");
    EXPECT_EQ(frame.Registry().name, "DefaultSims");
    EXPECT_EQ(StatusField(1), "Current File: DefaultSims");
}

TEST_F(StartupTest, ConfiguredFileThatIsGoneGivesAnEmptyUnsavedNeighborhoodQuietly) {
    // Also stands for an unreadable file: no message either way (the safety net fails
    // the test on any box).
    SetConfigValue("SimFile", "Gone");
    WriteTextFile(Saved("DefaultSims.NBD"), OneSimNbd("Lee", "Ann"));
    NestrelFrame& frame = BuildFrame();

    EXPECT_TRUE(frame.NeighborhoodIsEmpty());
    EXPECT_EQ(frame.CurrentFile(), "Unsaved");
    EXPECT_EQ(frame.File().CurrentFileName(), "Unsaved");
    EXPECT_EQ(frame.Registry().name, "Gone");  // the configured name all the same
    EXPECT_EQ(StatusField(0), "Ready");
    EXPECT_EQ(StatusField(1), "Current File: Unsaved");
    OpenMenu(0);
    EXPECT_FALSE(SaveItemsEnabled(frame));
}

TEST_F(StartupTest, MissingCareerFileIsReportedAndStartUpGoesOn) {
    std::filesystem::remove(installDir_ + "/Data/SimCareers.ini");
    WriteTextFile(Saved("DefaultSims.NBD"), OneSimNbd("Lee", "Ann", "", "0.0"));
    wxTEST_DIALOG(BuildFrame(), ExpectMessageBox(wxID_OK, "The Career info could not be read. Functionality will be lost.",
                                                  "Error"));
    ASSERT_TRUE(frame_);
    EXPECT_TRUE(frame_->CareerInfo().careers.IsEmpty());
    // Without careers there are no working hours to mark free Sims by.
    EXPECT_FALSE(HourChoiceEnabled(*frame_));
    // The neighborhood still loads (its career version matches the missing file's "0.0").
    EXPECT_EQ(FamilyNames(), std::vector<std::string>{"Lee"});
    EXPECT_EQ(StatusField(0), "Ready");
}

TEST_F(StartupTest, CareerVersionQuestionOfTheLastNeighborhoodIsAskedAtStart) {
    // Written against an older career file; code 3 in the old numbering is career 4.
    WriteTextFile(Saved("DefaultSims.NBD"), OneSimNbd("Lee", "Ann", "", "0.9"));
    std::string text = FileText(Saved("DefaultSims.NBD"));
    text.replace(text.find("Career0=-2"), 10, "Career0=3");
    WriteTextFile(Saved("DefaultSims.NBD"), text);

    wxTEST_DIALOG(BuildFrame(), ExpectMessageBox(wxID_YES, wxString(), "Update Required"));
    ASSERT_TRUE(frame_);
    const Sim* ann = frame_->Registry().FindSimByName("Ann Lee");
    ASSERT_NE(ann, nullptr);
    EXPECT_EQ(ann->career.careerCode, 4);
    EXPECT_EQ(frame_->File().CareerVersion(), "1.0");
}

TEST_F(StartupTest, LostPartnerNameIsToldAtStart) {
    WriteTextFile(Saved("DefaultSims.NBD"), NbdText("[settings]\nCareerVers=1.0\n[Lee]\nNumMembers=1\nName0=Ann\n"
                                                    "Sign0=64\nStatus0=1\nGender0=0\nAge0=1\nCareer0=-2\n"));
    wxTEST_DIALOG(BuildFrame(),
                  ExpectMessageBox(wxID_OK,
                                   "A family member of family Lee was matched up with someone but their name was lost.",
                                   "Message"));
    ASSERT_TRUE(frame_);
    EXPECT_EQ(FamilyNames(), std::vector<std::string>{"Lee"});
}

}  // namespace
