// Household moves driven through the main window: evict, the homeless list with Move In
// and Delete, Move Out and Transfer.
#include <algorithm>

#include <wx/listbox.h>
#include <wx/listctrl.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "click_support.h"
#include "editing_support.h"
#include "lists_support.h"
#include "moves/HomelessDlg.h"
#include "moves/HouseholdMoves.h"
#include "moves/MoveOutDlg.h"
#include "moves/TransferDlg.h"
#include "support/FrameFixture.h"

namespace {

using namespace editing_test;
using namespace lists_test;

class MovesTest : public FrameTest {
protected:
    NestrelFrame& Build() { return BuildEmptyFrame(); }
    static std::vector<std::string> FamilyNames(NestrelFrame& frame) {
        std::vector<std::string> names;
        for (const std::string& row : Rows(FamilyBox(frame))) names.push_back(row.substr(0, row.find(" (")));
        return names;
    }
};

std::vector<std::string> HomelessNames(HomelessDlg* dlg) {
    std::vector<std::string> names;
    for (long i = 0; i < dlg->List()->GetItemCount(); ++i) names.push_back(Cell(dlg->List(), i, 0));
    return names;
}

void SelectRow(wxListCtrl* list, long row) { list->SetItemState(row, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED); }

TEST_F(MovesTest, EvictAsksAndHidesTheFamilyNoChangesNothing) {
    NestrelFrame& frame = Build();
    Family* lee = AddFamily(frame.Registry(), "Lee");
    AddMember(frame.Registry(), lee, "Ann", kLeo, false);
    AddFamily(frame.Registry(), "Park");
    frame.RefreshFamilies();
    ChooseFamily(frame, "Lee");
    wxTEST_DIALOG(frame.ProcessCommand(ID_EVICT),
                  ExpectMessageBox(wxID_NO, "Are you sure you want to EVICT family Lee?", "Evict?"));
    EXPECT_FALSE(lee->homeless);
    EXPECT_FALSE(frame.IsModified());
    ChooseFamily(frame, "Lee");
    wxTEST_DIALOG(frame.ProcessCommand(ID_EVICT), ExpectMessageBox(wxID_YES, "", "Evict?"));
    EXPECT_TRUE(lee->homeless);
    EXPECT_TRUE(frame.IsModified());
    EXPECT_EQ(FamilyNames(frame), std::vector<std::string>{"Park"});
}

TEST_F(MovesTest, EvictWithoutASelectedFamilySaysSo) {
    NestrelFrame& frame = Build();
    AddFamily(frame.Registry(), "Lee");
    frame.RefreshFamilies();
    FamilyBox(frame)->SetSelection(wxNOT_FOUND);
    wxTEST_DIALOG(frame.ProcessCommand(ID_EVICT), ExpectMessageBox(wxID_OK, "Please select a family first.", "Message"));
}

TEST_F(MovesTest, HomelessListShowsNewestFirstAndMovesInAndDeletes) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    Family* a = AddFamily(registry, "A", true);
    Sim* ann = AddMember(registry, a, "Ann", kLeo, false);
    AddMember(registry, a, "Bob", kLeo, true);
    Family* b = AddFamily(registry, "B", true);
    AddMember(registry, b, "Bea", kLeo, false);
    AddFamily(registry, "C", true);
    Family* home = AddFamily(registry, "Home");
    Sim* hal = AddMember(registry, home, "Hal", kLeo, true);
    hal->AddFriend(registry, ann->id, true);
    hal->SetPartner(registry, kStatusMarried, ann->id);
    Sim* kit = AddMember(registry, home, "Kit", kLeo, false);
    kit->mom.SetSim(ann->id);
    frame.RefreshFamilies();
    const int32_t bId = b->id;

    wxTEST_DIALOG(frame.ProcessCommand(ID_HOMELESS),
                  Answer<HomelessDlg>([&](HomelessDlg* dlg) {
                      EXPECT_EQ(HomelessNames(dlg), (std::vector<std::string>{"C", "B", "A"}));
                      EXPECT_EQ(Cell(dlg->List(), 2, 1), "2");
                      EXPECT_EQ(Cell(dlg->List(), 2, 2), "Ann, Bob");
                      SelectRow(dlg->List(), 1);
                      dlg->MoveIn();
                      EXPECT_EQ(HomelessNames(dlg), (std::vector<std::string>{"C", "A"}));
                      SelectRow(dlg->List(), 1);
                      dlg->DeleteFamily();
                      EXPECT_EQ(HomelessNames(dlg), (std::vector<std::string>{"C"}));
                      return wxID_OK;
                  }),
                  ExpectMessageBox(wxID_YES,
                                   "Are you sure you want to delete the entire family A? This will delete the friend "
                                   "connections too.\n\n"
                                   "This also changes:\n"
                                   "Partner who becomes Single: Hal Home\n"
                                   "Child who keeps the deleted Sim as a typed-in parent: Kit Home\n"
                                   "Friend who loses a friend: Hal Home",
                                   "Delete Family?"));
    EXPECT_FALSE(registry.families.FindById(bId)->homeless);
    EXPECT_TRUE(frame.IsModified());
    EXPECT_EQ(FamilyNames(frame), (std::vector<std::string>{"B", "Home"}));
    EXPECT_EQ(registry.FindSimByName("Ann A"), nullptr);
    EXPECT_TRUE(hal->friendIds.empty());
    EXPECT_EQ(hal->partnerId, -1);
    EXPECT_FALSE(kit->mom.isSim);
    EXPECT_EQ(kit->mom.DisplayName(registry), "Ann A");
}

TEST_F(MovesTest, HomelessListShowsNamesStoredInTwoEncodings) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    Family* munoz = AddFamily(registry, "Mu\xF1oz", true);         // from a Windows-1252 file
    AddMember(registry, munoz, "Zo\xC3\xAB", kLeo, false);          // typed in since (UTF-8)
    AddMember(registry, munoz, "In\xE9s", kLeo, false);             // from the same old file
    frame.RefreshFamilies();
    wxTEST_DIALOG(frame.ProcessCommand(ID_HOMELESS), Answer<HomelessDlg>([&](HomelessDlg* dlg) {
                      EXPECT_EQ(HomelessNames(dlg), std::vector<std::string>{"Mu\xC3\xB1oz"});
                      EXPECT_EQ(Cell(dlg->List(), 0, 2), "Zo\xC3\xAB, In\xC3\xA9s");
                      return wxID_OK;
                  }));
}

TEST_F(MovesTest, HomelessButtonsWithoutASelectionSaySo) {
    NestrelFrame& frame = Build();
    AddFamily(frame.Registry(), "A", true);
    wxTEST_DIALOG(frame.ProcessCommand(ID_HOMELESS), Answer<HomelessDlg>([](HomelessDlg* dlg) {
                      dlg->MoveIn();
                      dlg->DeleteFamily();
                      return wxID_OK;
                  }),
                  ExpectMessageBox(wxID_OK, "Please select a family to move in first.", "Message"),
                  ExpectMessageBox(wxID_OK, "Please select a family to delete first.", "Message"));
    EXPECT_FALSE(frame.IsModified());
}

TEST_F(MovesTest, MoveOutRefusesATakenNameThenAnnouncesTheNewFamily) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    Family* lee = AddFamily(registry, "Lee");
    for (const char* first : {"Cy", "Ann", "Bob"}) AddMember(registry, lee, first, kLeo, false);
    frame.RefreshFamilies();
    ChooseFamily(frame, "Lee");
    wxTEST_DIALOG(frame.ProcessCommand(ID_MOVE_OUT),
                  Answer<MoveOutDlg>([](MoveOutDlg* dlg) {
                      EXPECT_EQ(Utf8(dlg->Members()->GetString(0)), "Ann Lee");
                      EXPECT_EQ(Utf8(dlg->NameField()->GetValue()), "Lee");
                      dlg->Members()->SetSelection(0);
                      dlg->Members()->SetSelection(2);
                      EXPECT_FALSE(dlg->Accept());  // the name is taken
                      dlg->NameField()->SetValue("Le]e");
                      EXPECT_FALSE(dlg->Accept());
                      dlg->NameField()->SetValue("Lee ");  // taken once the blank goes
                      EXPECT_FALSE(dlg->Accept());
                      dlg->NameField()->SetValue(" Park ");
                      return dlg->Accept() ? wxID_OK : wxID_CANCEL;
                  }),
                  ExpectMessageBox(wxID_OK, "The new name is already taken.", "Message"),
                  ExpectMessageBox(wxID_OK, "A family name cannot contain ']' or a line break.", "Message"),
                  ExpectMessageBox(wxID_OK, "The new name is already taken.", "Message"),
                  ExpectMessageBox(wxID_OK, "Park family created in Homeless List", "Message"));
    Family* park = registry.families.FindByName("Park");
    ASSERT_NE(park, nullptr);
    EXPECT_TRUE(park->homeless);
    EXPECT_EQ(MemberFirstNames(*park), "Ann, Cy");
    EXPECT_EQ(lee->memberCount, 1);
    EXPECT_TRUE(frame.IsModified());
    EXPECT_EQ(FamilyNames(frame), std::vector<std::string>{"Lee"});
}

TEST_F(MovesTest, TransferListsOtherFamiliesAndMovesTheSim) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    Family* lee = AddFamily(registry, "Lee");
    Sim* ann = AddMember(registry, lee, "Ann", kLeo, false);
    AddMember(registry, lee, "Bob", kLeo, true);
    Family* park = AddFamily(registry, "Park");
    Sim* pat = AddMember(registry, park, "Pat", kLeo, false);
    AddFamily(registry, "lee");
    AddFamily(registry, "Gone", true);
    frame.RefreshFamilies();
    ChooseFamily(frame, "Lee");
    ChooseSim(frame, "Ann");
    wxTEST_DIALOG(frame.ProcessCommand(ID_TRANSFER), Answer<TransferDlg>([](TransferDlg* dlg) {
                      std::vector<std::string> rows;
                      for (unsigned i = 0; i < dlg->List()->GetCount(); ++i) rows.push_back(Utf8(dlg->List()->GetString(i)));
                      std::sort(rows.begin(), rows.end());
                      EXPECT_EQ(rows, (std::vector<std::string>{"Gone", "Park", "lee"}));
                      EXPECT_TRUE(dlg->List()->SetStringSelection("Park"));
                      wxCommandEvent select(wxEVT_LISTBOX, dlg->List()->GetId());
                      select.SetEventObject(dlg->List());
                      dlg->List()->GetEventHandler()->ProcessEvent(select);
                      EXPECT_EQ(Utf8(dlg->MoveText()->GetLabel()), "Will move to family: Park");
                      return dlg->Accept() ? wxID_OK : wxID_CANCEL;
                  }));
    EXPECT_EQ(ann->family, park);
    EXPECT_EQ(park->memberCount, 2);
    EXPECT_TRUE(frame.IsModified());

    // The last member of a family moves: the family goes.
    ChooseFamily(frame, "Park");
    ChooseSim(frame, "Pat");
    frame.SetModified(false);
    wxTEST_DIALOG(frame.ProcessCommand(ID_TRANSFER), Answer<TransferDlg>([](TransferDlg* dlg) {
                      dlg->List()->SetSelection(dlg->List()->FindString("Lee", true));
                      return dlg->Accept() ? wxID_OK : wxID_CANCEL;
                  }));
    EXPECT_NE(registry.families.FindByName("Park"), nullptr);
    ChooseFamily(frame, "Park");
    ChooseSim(frame, "Ann");
    wxTEST_DIALOG(frame.ProcessCommand(ID_TRANSFER), Answer<TransferDlg>([](TransferDlg* dlg) {
                      dlg->List()->SetSelection(dlg->List()->FindString("lee", true));
                      return dlg->Accept() ? wxID_OK : wxID_CANCEL;
                  }));
    EXPECT_EQ(pat->family, lee);
    EXPECT_EQ(ann->family, registry.families.FindByName("lee"));
    EXPECT_EQ(registry.families.FindByName("Park"), nullptr);
    EXPECT_TRUE(frame.IsModified());
}

// The window shown on the screen: its families are sorted by name (not in the
// neighborhood's order), and a real click on a row picks that row's family, also in
// "Pick A Sim" mode with every Sim listed.
TEST_F(MovesTest, TransferPicksTheFamilyOrSimOfTheRowClickedInTheSortedList) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    for (const char* name : {"Zorn", "bell", "Moss", "Abel", "Lee"}) AddMember(registry, AddFamily(registry, name), "Kim", kLeo, false);
    const int32_t moss = registry.families.FindByName("Moss")->id;
    const int32_t kimBell = registry.FindSimByName("Kim bell")->id;
    {
        TransferDlg dlg(&frame, registry, "Lee");
        dlg.Prepare();
        dlg.Show();
        click_test::Settle();
        EXPECT_EQ(Rows(dlg.List()), (std::vector<std::string>{"Abel", "bell", "Moss", "Zorn"}));
        click_test::ClickRow(dlg.List(), 2);
        EXPECT_EQ(Utf8(dlg.MoveText()->GetLabel()), "Will move to family: Moss");
        EXPECT_TRUE(dlg.Accept());
        EXPECT_EQ(dlg.ChosenFamilyId(), moss);
        dlg.Hide();
    }
    TransferDlg pick(&frame, registry, std::string());
    pick.UseSimMode();
    pick.Prepare();
    pick.Show();
    click_test::Settle();
    EXPECT_EQ(Rows(pick.List()), (std::vector<std::string>{"Kim Abel", "Kim bell", "Kim Lee", "Kim Moss", "Kim Zorn"}));
    click_test::ClickRow(pick.List(), 1);
    EXPECT_TRUE(pick.Accept());
    EXPECT_EQ(pick.ChosenSimId(), kimBell);
    pick.Hide();
}

TEST_F(MovesTest, TransferIntoAFamilyWithTheSameFirstNameIsRefused) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    Family* lee = AddFamily(registry, "Lee");
    Sim* ann = AddMember(registry, lee, "Ann", kLeo, false);
    Family* park = AddFamily(registry, "Park");
    AddMember(registry, park, "Ann", kLeo, false);
    frame.RefreshFamilies();
    ChooseFamily(frame, "Lee");
    ChooseSim(frame, "Ann");
    wxTEST_DIALOG(frame.ProcessCommand(ID_TRANSFER), Answer<TransferDlg>([](TransferDlg* dlg) {
                      EXPECT_FALSE(dlg->Accept());
                      dlg->List()->SetStringSelection("Park");
                      return dlg->Accept() ? wxID_OK : wxID_CANCEL;
                  }),
                  ExpectMessageBox(wxID_OK, "Please select an item", "Message"),
                  ExpectMessageBox(wxID_OK, "The family Park already has a member called Ann.", "Message"));
    EXPECT_EQ(ann->family, lee);
    EXPECT_EQ(park->memberCount, 1);
    EXPECT_FALSE(frame.IsModified());
}

}  // namespace
