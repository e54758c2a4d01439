#include <wx/menu.h>

#include "app/CommandIds.h"
#include "lists_support.h"
#include "storage/NeighborhoodSnapshot.h"
#include "support/FrameFixture.h"

using namespace lists_test;

namespace {

class HistoryWindowTest : public FrameTest {
protected:
    /// Lee: Ann married to Bob, Ann a friend of Cy in another family, with chemistry.
    NestrelFrame& BuildLees() {
        NestrelFrame& frame = BuildEmptyFrame();
        SimRegistry& reg = frame.Registry();
        Family* lee = AddFamily(reg, "Lee");
        Family* kay = AddFamily(reg, "Kay");
        ann = AddMember(reg, lee, "Ann", kLeo, false);
        bob = AddMember(reg, lee, "Bob", kLibra, true);
        cy = AddMember(reg, kay, "Cy", kVirgo, true);
        ann->SetPartner(reg, 1, bob->id);
        ann->AddFriend(reg, cy->id, true);
        ann->AddChemistry(reg, cy->id, 2, true);
        cy->mom.SetSim(ann->id);
        frame.RefreshFamilies();
        return frame;
    }
    /// The Edit menu's item of that id, as the menu shows it once opened.
    wxString ItemText(NestrelFrame& frame, int id) {
        OpenMenu(frame.GetMenuBar()->FindMenu("Edit"));
        return frame.GetMenuBar()->FindItem(id)->GetItemLabel();
    }
    bool ItemEnabled(NestrelFrame& frame, int id) {
        OpenMenu(frame.GetMenuBar()->FindMenu("Edit"));
        return frame.GetMenuBar()->IsEnabled(id);
    }
    Sim *ann = nullptr, *bob = nullptr, *cy = nullptr;
};

TEST_F(HistoryWindowTest, EditMenuSitsBetweenFileAndShowAndStartsDisabled) {
    NestrelFrame& frame = BuildLees();
    wxMenuBar* bar = frame.GetMenuBar();
    EXPECT_EQ(bar->FindMenu("Edit"), bar->FindMenu("File") + 1);
    EXPECT_EQ(bar->FindMenu("Show"), bar->FindMenu("Edit") + 1);
    EXPECT_FALSE(ItemEnabled(frame, ID_UNDO));
    EXPECT_FALSE(ItemEnabled(frame, ID_REDO));
    EXPECT_EQ(ItemText(frame, ID_UNDO), "&Undo\tCtrl+Z");
}

TEST_F(HistoryWindowTest, UndoAfterDeleteBringsTheSimBackWithItsLinks) {
    NestrelFrame& frame = BuildLees();
    const std::string before = DescribeNeighborhood(frame.Registry());
    const int32_t annId = ann->id;
    ChooseFamily(frame, "Lee");
    ChooseSim(frame, "Ann");
    wxTEST_DIALOG(frame.ProcessCommand(ID_DELETE_SIM),
                  ExpectMessageBox(wxID_YES, "", "Delete Item"));
    ASSERT_EQ(frame.Registry().FindSim(annId), nullptr);
    EXPECT_TRUE(frame.IsModified());
    EXPECT_EQ(ItemText(frame, ID_UNDO), "&Undo Delete Sim\tCtrl+Z");
    EXPECT_TRUE(ItemEnabled(frame, ID_UNDO));

    frame.ProcessCommand(ID_UNDO);
    Sim* back = frame.Registry().FindSim(annId);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(DescribeNeighborhood(frame.Registry()), before);
    EXPECT_EQ(bob->partnerId, annId);
    EXPECT_TRUE(cy->HasFriend(annId));
    EXPECT_TRUE(cy->chemistry.Contains(annId));
    EXPECT_EQ(cy->mom.simId, annId);
    // Back in the lists, and the neighborhood is as it was when the window opened.
    ChooseFamily(frame, "Lee");
    EXPECT_EQ(Rows(SimBox(frame)).size(), 2u);
    EXPECT_FALSE(frame.IsModified());
    EXPECT_FALSE(ItemEnabled(frame, ID_UNDO));
    EXPECT_EQ(ItemText(frame, ID_REDO), "&Redo Delete Sim\tCtrl+Shift+Z");

    frame.ProcessCommand(ID_REDO);
    EXPECT_EQ(frame.Registry().FindSim(annId), nullptr);
    EXPECT_EQ(bob->partnerId, -1);
    EXPECT_TRUE(frame.IsModified());
}

TEST_F(HistoryWindowTest, SaveKeepsTheHistoryAndUndoToTheSavedStateClearsTheStar) {
    NestrelFrame& frame = BuildLees();
    ChooseFamily(frame, "Kay");
    wxTEST_DIALOG(frame.ProcessCommand(ID_EVICT), ExpectMessageBox(wxID_YES, "", "Evict?"));
    EXPECT_TRUE(frame.IsModified());
    ASSERT_TRUE(frame.SaveTo(installDir_ + "/Saved/lees.NBD"));
    EXPECT_FALSE(frame.IsModified());
    EXPECT_EQ(ItemText(frame, ID_UNDO), "&Undo Evict Family\tCtrl+Z");
    frame.ProcessCommand(ID_UNDO);
    EXPECT_TRUE(frame.IsModified());
    EXPECT_FALSE(frame.Registry().families.FindByName("Kay")->homeless);
    frame.ProcessCommand(ID_REDO);
    EXPECT_TRUE(frame.Registry().families.FindByName("Kay")->homeless);
    EXPECT_TRUE(frame.History().IsAtSavedState()) << frame.History().StepCount() << " " << frame.History().CanRedo();
    EXPECT_FALSE(frame.IsModified());
    // A new neighborhood starts a fresh history.
    frame.ResetNeighborhood();
    EXPECT_FALSE(ItemEnabled(frame, ID_UNDO));
    EXPECT_FALSE(ItemEnabled(frame, ID_REDO));
}

}  // namespace
