// The Edit Sim dialog's friends and love pages, the friend and chemistry pickers, Make
// Match, and the main window's edit-friends and edit-chemistry buttons.
#include <cstdlib>

#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/textctrl.h>

#include "editing_support.h"
#include "reports/SimSearchDlg.h"
#include "lists_support.h"
#include "support/FrameFixture.h"

namespace {

using namespace editing_test;
using namespace lists_test;

class FriendsEditingTest : public FrameTest {
protected:
    Family* smith = nullptr;
    Family* jones = nullptr;
    Sim* ann = nullptr;
    Sim* bob = nullptr;
    Sim* joe = nullptr;
    Sim* dee = nullptr;

    NestrelFrame& Build() {
        NestrelFrame& frame = BuildFrame();
        SimRegistry& registry = frame.Registry();
        registry.Clear();
        smith = AddFamily(registry, "Smith");
        jones = AddFamily(registry, "Jones");
        ann = AddMember(registry, smith, "Ann", kLeo, false);
        bob = AddMember(registry, smith, "Bob", kLeo, true);
        joe = AddMember(registry, jones, "Joe", kVirgo, true);
        dee = AddMember(registry, jones, "Dee", kVirgo, false);
        frame.SetModified(false);
        frame.RefreshFamilies();
        return frame;
    }
};

TEST_F(FriendsEditingTest, FriendsAddedAndRemovedOnThePageShowOnBothSims) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    ann->AddFriend(registry, dee->id, true);
    EditSimDialog dlg(&frame, registry, &frame.CareerInfo().careers, ann);
    EditFriendsPage* page = dlg.Book()->FriendsPage();
    EXPECT_EQ(page->FriendList()->GetItemCount(), 1);
    wxTEST_DIALOG(page->ModifyFriends(), Answer<EnterFriendsDlg>([](EnterFriendsDlg* picker) {
                      // The Sim's own family is not offered.
                      EXPECT_EQ(SelectStarting(picker->FamilyColumn(), "Smith"), -1);
                      PickMember(picker, "Jones", "Joe");
                      PickMember(picker, "Jones", "Joe");  // twice: one entry
                      EXPECT_EQ(picker->SelectedColumn()->GetCount(), 2u);
                      picker->RemoveSelectedAt(SelectStarting(picker->SelectedColumn(), "Dee"));
                      return wxID_OK;
                  }));
    EXPECT_EQ(std::string(page->CountLabel()->GetLabel().utf8_str()), "1");
    // Nothing reaches the Sims before the dialog's OK.
    EXPECT_TRUE(dee->HasFriend(ann->id));
    EXPECT_FALSE(joe->HasFriend(ann->id));
    ASSERT_TRUE(dlg.Accept());
    EXPECT_EQ(ann->friendIds, std::vector<int32_t>{joe->id});
    EXPECT_TRUE(joe->HasFriend(ann->id));
    EXPECT_FALSE(dee->HasFriend(ann->id));
}

TEST_F(FriendsEditingTest, CancelledPickersLeaveEverySimAsItWas) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    ann->AddFriend(registry, joe->id, true);
    ann->AddChemistry(registry, joe->id, 1, true);
    ChooseFamily(frame, "Smith");
    SimBox(frame)->SetSelection(0);
    const std::vector<int32_t> friendsBefore = ann->friendIds;
    // The frame's buttons, cancelled after changes in the pickers.
    wxTEST_DIALOG(Press(frame, ID_EDIT_FRIENDS), Answer<EnterFriendsDlg>([](EnterFriendsDlg* picker) {
                      PickMember(picker, "Jones", "Dee");
                      picker->RemoveSelectedAt(SelectStarting(picker->SelectedColumn(), "Joe"));
                      return wxID_CANCEL;
                  }));
    wxTEST_DIALOG(Press(frame, ID_EDIT_CHEMISTRY),
                  Answer<EnterChemistryDlg>([](EnterChemistryDlg* picker) {
                      PickMember(picker, "Jones", "Dee");
                      picker->RemoveSelectedAt(SelectStarting(picker->SelectedColumn(), "Joe"));
                      return wxID_CANCEL;
                  }),
                  AnswerChemistryType(2));
    Sim* selected = frame.Registry().FindSim(ann->id);
    ASSERT_EQ(selected, ann);
    EXPECT_EQ(ann->friendIds, friendsBefore);
    EXPECT_TRUE(joe->HasFriend(ann->id));
    EXPECT_FALSE(dee->HasFriend(ann->id));
    EXPECT_TRUE(ann->chemistry.Contains(joe->id));
    EXPECT_FALSE(ann->chemistry.Contains(dee->id));
    EXPECT_FALSE(dee->chemistry.Contains(ann->id));
    EXPECT_FALSE(frame.IsModified());

    // Accepted, the chemistry is written on both sides and the star shows it.
    wxTEST_DIALOG(Press(frame, ID_EDIT_CHEMISTRY),
                  Answer<EnterChemistryDlg>([](EnterChemistryDlg* picker) {
                      PickMember(picker, "Jones", "Dee");
                      return wxID_OK;
                  }),
                  AnswerChemistryType(2));
    ASSERT_TRUE(ann->chemistry.Contains(dee->id));
    EXPECT_EQ(ann->chemistry.Find(dee->id)->type, 2);
    EXPECT_TRUE(dee->chemistry.Contains(ann->id));
    EXPECT_TRUE(frame.IsModified());
}

TEST_F(FriendsEditingTest, MarryingFreesThePartnersFormerPartner) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    joe->SetPartner(registry, kStatusCommitted, dee->id);
    EditSimDialog dlg(&frame, registry, &frame.CareerInfo().careers, ann);
    EditMatchPage* page = dlg.Book()->LovePage();
    wxTEST_DIALOG(page->ChangeMatch(), Answer<MakeMatchDlg>([](MakeMatchDlg* match) {
                      match->StatusCombo()->SetStringSelection("Married");
                      match->ApplyStatus();
                      match->ChooseFamily(SelectStarting(match->FamilyList(), "Jones"));
                      match->ChooseCandidate(SelectStarting(match->CandidateList(), "Joe"));
                      return match->Accept() ? wxID_OK : wxID_CANCEL;
                  }));
    EXPECT_EQ(std::string(page->MatchLabel()->GetLabel().utf8_str()), "Joe Jones");
    EXPECT_EQ(dee->partnerId, joe->id);  // nothing written before OK
    ASSERT_TRUE(dlg.Accept());
    EXPECT_EQ(ann->partnerId, joe->id);
    EXPECT_EQ(joe->partnerId, ann->id);
    EXPECT_EQ(joe->status, kStatusMarried);
    EXPECT_EQ(dee->partnerId, -1);
    EXPECT_EQ(dee->status, kStatusSingle);
}

TEST_F(FriendsEditingTest, MakeMatchOffersStatusesByLifeStageAndInsistsOnASim) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    auto texts = [](wxComboBox* combo) {
        std::vector<std::string> t;
        for (unsigned i = 0; i < combo->GetCount(); ++i) t.push_back(std::string(combo->GetString(i).utf8_str()));
        return t;
    };
    MakeMatchDlg teen(&frame, registry, kStatusSingle, -1, ann, kLifeStageTeen);
    EXPECT_EQ(texts(teen.StatusCombo()), (std::vector<std::string>{"Committed", "Single", "Matched up"}));
    MakeMatchDlg child(&frame, registry, kStatusSingle, -1, ann, kLifeStageChild);
    EXPECT_EQ(texts(child.StatusCombo()), (std::vector<std::string>{"Single", "Matched up"}));

    MakeMatchDlg none(&frame, registry, kStatusNone, -1, ann, kLifeStageAdult);
    EXPECT_EQ(none.StatusCombo()->GetSelection(), wxNOT_FOUND);
    wxTEST_DIALOG(EXPECT_FALSE(none.Accept()),
                  ExpectMessageBox(wxID_OK, "Please select a sim for the match.", "Message"));
    none.Filter(1)->SetValue(true);  // gender
    none.ApplyFilters();
    none.ChooseFamily(SelectStarting(none.FamilyList(), "Smith"));
    EXPECT_EQ(none.CandidateList()->GetCount(), 1u);  // Bob: never Ann herself
}

TEST_F(FriendsEditingTest, PickerSearchOpensTheSimpleSearchAndShowsThePickedSim) {
    NestrelFrame& frame = Build();
    EditSimDialog dlg(&frame, frame.Registry(), &frame.CareerInfo().careers, ann);
    EnterFriendsDlg picker(&dlg, frame.Registry(), {}, ann);
    bool actionsShown = true;
    wxTEST_DIALOG(ClickButton(picker, 3), Answer<SimSearchDlg>([&](SimSearchDlg* search) {
                      actionsShown = search->FindWindow(5) || search->FindWindow(6);
                      search->NameField()->SetValue("dee");
                      ClickButton(*search, 4);  // Go
                      search->Results()->SetSelection(0);
                      return wxID_OK;
                  }));
    EXPECT_FALSE(actionsShown) << "Info... and Family... belong to the main window's search";
    // The picked Sim is shown, ready to be added; nothing is added by the search.
    EXPECT_TRUE(picker.Ids().empty());
    ASSERT_NE(picker.MemberColumn()->GetSelection(), wxNOT_FOUND);
    picker.AddMemberAt(picker.MemberColumn()->GetSelection());
    EXPECT_EQ(picker.Ids(), std::vector<int32_t>{dee->id});
    EXPECT_FALSE(picker.ShowSim(4242));
    EXPECT_FALSE(picker.ShowSim(ann->id)) << "the Sim's own family is not offered";
}

TEST_F(FriendsEditingTest, CancelledFamilyDialogLeavesNoIdOfItsNewMember) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    ChooseFamily(frame, "Smith");
    int32_t newId = -1;
    wxTEST_DIALOG(frame.ProcessCommand(ID_EDIT_FAMILY),
                  AnswerFamily([&](NewFamilyDlg* dlg) {
                      dlg->NewMember();
                      newId = dlg->Pending().At(0)->id;
                      return wxID_CANCEL;
                  }),
                  AnswerSim([&](EditSimDialog* d) {
                      wxTEST_DIALOG(d->Book()->FriendsPage()->ModifyFriends(),
                                    Answer<EnterFriendsDlg>([](EnterFriendsDlg* picker) {
                                        PickMember(picker, "Jones", "Joe");
                                        return wxID_OK;
                                    }));
                      wxTEST_DIALOG(d->Book()->LovePage()->ChangeMatch(), Answer<MakeMatchDlg>([](MakeMatchDlg* match) {
                                        match->StatusCombo()->SetStringSelection("Married");
                                        match->ApplyStatus();
                                        match->ChooseFamily(SelectStarting(match->FamilyList(), "Jones"));
                                        match->ChooseCandidate(SelectStarting(match->CandidateList(), "Dee"));
                                        return match->Accept() ? wxID_OK : wxID_CANCEL;
                                    }));
                      return NameAndOk(d, "Kid");
                  }));
    ASSERT_NE(newId, -1);
    for (Sim* other : {ann, bob, joe, dee}) {
        EXPECT_FALSE(other->HasFriend(newId)) << other->firstName;
        EXPECT_NE(other->partnerId, newId) << other->firstName;
        EXPECT_FALSE(other->chemistry.Contains(newId)) << other->firstName;
    }
    EXPECT_EQ(dee->status, kStatusSingle);
    EXPECT_EQ(registry.FindSim(newId), nullptr);
}

TEST_F(FriendsEditingTest, LinksMadeAndRemovedSurviveSaveAndLoadOnBothSides) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    ann->AddFriend(registry, bob->id, true);
    ann->AddChemistry(registry, bob->id, 0, true);
    joe->SetPartner(registry, kStatusCommitted, dee->id);
    {
        EditSimDialog dlg(&frame, registry, &frame.CareerInfo().careers, ann);
        wxTEST_DIALOG(dlg.Book()->FriendsPage()->ModifyFriends(), Answer<EnterFriendsDlg>([](EnterFriendsDlg* picker) {
                          PickMember(picker, "Jones", "Joe");
                          picker->RemoveSelectedAt(SelectStarting(picker->SelectedColumn(), "Bob"));
                          return wxID_OK;
                      }));
        wxTEST_DIALOG(dlg.Book()->LovePage()->ModifyChemistry(),
                      Answer<EnterChemistryDlg>([](EnterChemistryDlg* picker) {
                          PickMember(picker, "Jones", "Dee");
                          picker->RemoveSelectedAt(SelectStarting(picker->SelectedColumn(), "Bob"));
                          return wxID_OK;
                      }),
                      AnswerChemistryType(1));
        wxTEST_DIALOG(dlg.Book()->LovePage()->ChangeMatch(), Answer<MakeMatchDlg>([](MakeMatchDlg* match) {
                          match->StatusCombo()->SetStringSelection("Married");
                          match->ApplyStatus();
                          match->ChooseFamily(SelectStarting(match->FamilyList(), "Jones"));
                          match->ChooseCandidate(SelectStarting(match->CandidateList(), "Joe"));
                          return match->Accept() ? wxID_OK : wxID_CANCEL;
                      }));
        ASSERT_TRUE(dlg.Accept());
    }
    const std::string path = root_ / "links.NBD";
    ASSERT_TRUE(frame.SaveTo(path));
    const std::string command = std::string(NESTREL_CLI) + " --inst '" + installDir_ + "' check '" + path + "' > '" +
                                (root_ / "check.txt") + "' 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    ASSERT_TRUE(frame.LoadFile(path));
    SimRegistry& loaded = frame.Registry();
    Sim* a = loaded.FindSimByName("Ann Smith");
    Sim* b = loaded.FindSimByName("Bob Smith");
    Sim* j = loaded.FindSimByName("Joe Jones");
    Sim* d = loaded.FindSimByName("Dee Jones");
    ASSERT_TRUE(a && b && j && d);
    EXPECT_TRUE(a->HasFriend(j->id) && j->HasFriend(a->id));
    EXPECT_FALSE(a->HasFriend(b->id) || b->HasFriend(a->id));
    EXPECT_TRUE(a->chemistry.Contains(d->id) && d->chemistry.Contains(a->id));
    EXPECT_FALSE(a->chemistry.Contains(b->id) || b->chemistry.Contains(a->id));
    EXPECT_EQ(a->partnerId, j->id);
    EXPECT_EQ(j->partnerId, a->id);
    EXPECT_EQ(d->partnerId, -1);
    EXPECT_EQ(d->status, kStatusSingle);
}

}  // namespace
