// What the lists show after each file command: start-up, Load, Import, New and Save As
// all leave the family, Sim and display lists showing the neighborhood in memory, and
// Load clears the modified star.
#include "app/CommandIds.h"
#include "files_fixture.h"
#include "lists_support.h"

namespace {

using namespace lists_test;
using FileListsTest = FilesTest;

const char* const kPrompt = "Do you want to save your Sim data?";

// The lists as a user reads them: family rows, Sim rows of the selected family, and
// the names of the display list.
struct ListsShown {
    std::vector<std::string> families, sims, display;
};

ListsShown Lists(NestrelFrame& frame) {
    return {Rows(FamilyBox(frame)), Rows(SimBox(frame)), ShownNames(frame)};
}

bool HasStar(const std::string& statusField) { return statusField.find('*') != std::string::npos; }

TEST_F(FileListsTest, StartUpShowsTheLastNeighborhood) {
    WriteTextFile(Saved("DefaultSims.NBD"), OneSimNbd("Lee", "Ann"));
    NestrelFrame& frame = BuildFrame();
    const ListsShown shown = Lists(frame);
    EXPECT_EQ(shown.families, std::vector<std::string>{"Lee (0)"});
    EXPECT_EQ(shown.sims, std::vector<std::string>{"Ann Lee (Leo)(0)"});
    EXPECT_TRUE(shown.display.empty());
}

TEST_F(FileListsTest, LoadShowsTheLoadedFileOnlyAndClearsTheStar) {
    WriteTextFile(Saved("DefaultSims.NBD"), OneSimNbd("Lee", "Ann"));
    WriteTextFile(root_ / "Other.NBD", OneSimNbd("Park", "Cid"));
    NestrelFrame& frame = BuildFrame();
    SimRegistry& registry = frame.Registry();
    Sim* bo = AddMember(registry, AddFamily(registry, "Kim"), "Bo", kLeo, true);
    bo->AddFriend(registry, registry.FindSimByName("Ann Lee")->id, true);
    frame.RefreshFamilies();  // Kim comes first and Bo is chosen
    frame.ProcessCommand(ID_SHOW_FRIENDS);
    ASSERT_EQ(ShownNames(frame), std::vector<std::string>{"Ann Lee (Leo)"});
    frame.SetModified(true);
    ASSERT_TRUE(HasStar(StatusField(1)));
    AnswerFileDialogs({root_ / "Other.NBD"});
    wxTEST_DIALOG(frame.ProcessCommand(ID_LOAD), ExpectMessageBox(wxID_NO, kPrompt, "Save?"));
    const ListsShown shown = Lists(frame);
    EXPECT_EQ(shown.families, std::vector<std::string>{"Park (0)"});
    EXPECT_EQ(shown.sims, std::vector<std::string>{"Cid Park (Leo)(0)"});
    // The friends view stays, now of Cid, who has none: no row of the old neighborhood.
    EXPECT_EQ(shown.display, std::vector<std::string>{"No friends found"});
    EXPECT_FALSE(frame.IsModified());
    EXPECT_FALSE(HasStar(StatusField(1))) << StatusField(1);
}

TEST_F(FileListsTest, ImportAddsTheFileFamiliesToTheLists) {
    WriteTextFile(Saved("DefaultSims.NBD"), OneSimNbd("Lee", "Ann"));
    WriteTextFile(root_ / "More.NBD", OneSimNbd("Park", "Cid"));
    NestrelFrame& frame = BuildFrame();
    AnswerFileDialogs({root_ / "More.NBD"});
    frame.ProcessCommand(ID_IMPORT);
    EXPECT_EQ(Rows(FamilyBox(frame)), (std::vector<std::string>{"Lee (0)", "Park (0)"}));
    ChooseFamily(frame, "Park");
    EXPECT_EQ(Rows(SimBox(frame)), std::vector<std::string>{"Cid Park (Leo)(0)"});
    EXPECT_TRUE(HasStar(StatusField(1)));
}

TEST_F(FileListsTest, NewEmptiesEveryList) {
    WriteTextFile(Saved("DefaultSims.NBD"), OneSimNbd("Lee", "Ann"));
    NestrelFrame& frame = BuildFrame();
    frame.ProcessCommand(ID_SHOW_FRIENDS);
    wxTEST_DIALOG(frame.ProcessCommand(ID_NEW), ExpectMessageBox(wxID_NO, kPrompt, "Save?"));
    const ListsShown shown = Lists(frame);
    EXPECT_EQ(shown.families, std::vector<std::string>{"No Families Added"});
    EXPECT_TRUE(shown.sims.empty());
    EXPECT_TRUE(shown.display.empty());
}

TEST_F(FileListsTest, SaveAsShowsWhatItSaved) {
    WriteTextFile(Saved("DefaultSims.NBD"), OneSimNbd("Lee", "Ann"));
    NestrelFrame& frame = BuildFrame();
    // A family added behind the lists' back appears once Save As has written it.
    SimRegistry& registry = frame.Registry();
    AddMember(registry, AddFamily(registry, "Park"), "Cid", kLeo, true);
    AnswerFileDialogs({root_ / "Mine.NBD"});
    frame.ProcessCommand(ID_SAVE_AS);
    EXPECT_EQ(Rows(FamilyBox(frame)), (std::vector<std::string>{"Lee (0)", "Park (0)"}));
}

}  // namespace
