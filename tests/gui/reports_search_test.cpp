// The Sim search, the Sim information card and its friend list, opened from the main
// window's commands.
#include <wx/button.h>
#include <wx/statbmp.h>
#include <wx/textctrl.h>

#include "reports/SimSearch.h"
#include "reports_support.h"
#include "support/FrameFixture.h"

namespace {

using namespace lists_test;
using namespace reports_test;

class SearchDialogTest : public FrameTest {
protected:
    NestrelFrame& Build() {
        NestrelFrame& frame = BuildFrame();
        SimRegistry& registry = frame.Registry();
        registry.Clear();
        Family* smith = AddFamily(registry, "Smith");
        Family* jones = AddFamily(registry, "Jones");
        ann_ = AddMember(registry, smith, "Ann", kLeo, false);
        AddMember(registry, smith, "Anna", kLeo, false);
        AddMember(registry, smith, "Joanne", kLeo, false);
        bigAnn_ = AddMember(registry, jones, "ANN", kVirgo, false);
        bob_ = AddMember(registry, jones, "Bob", kLibra, true);
        bob_->SetPartner(registry, 1, bigAnn_->id);
        bob_->friendIds = {ann_->id, 4242, bigAnn_->id};  // one friend no longer exists
        frame.RefreshFamilies();
        frame.SetModified(false);
        return frame;
    }
    Sim *ann_ = nullptr, *bigAnn_ = nullptr, *bob_ = nullptr;
};

void Search(SimSearchDlg* dlg, const char* text) {
    dlg->NameField()->SetValue(text);
    wxCommandEvent go(wxEVT_BUTTON, 4);
    dlg->GetEventHandler()->ProcessEvent(go);
}

TEST_F(SearchDialogTest, FindsWholeFirstNamesWithoutRegardToCaseInShownOrder) {
    NestrelFrame& frame = Build();
    std::vector<std::string> shown, again, noMatch;
    wxTEST_DIALOG(frame.ProcessCommand(ID_FIND_SIM), AnswerSearch([&](SimSearchDlg* dlg) {
                      EXPECT_EQ(Label(dlg), "Search For Sim");
                      EXPECT_NE(dlg->FindWindow(5), nullptr) << "Info... is there";
                      EXPECT_NE(dlg->FindWindow(6), nullptr) << "Family... is there";
                      Search(dlg, "ann");
                      shown = Entries(dlg->Results());
                      // An empty field leaves the results as they are.
                      Search(dlg, "");
                      again = Entries(dlg->Results());
                      Search(dlg, "Zoe");
                      noMatch = Entries(dlg->Results());
                      dlg->Results()->SetSelection(0);
                      EXPECT_EQ(dlg->SelectedSimId(), -1);
                      dlg->ShowSelectedInfo();  // nothing opens: the safety net would fail
                      dlg->ShowSelectedFamily();
                      return wxID_OK;
                  }));
    EXPECT_EQ(shown, (std::vector<std::string>{"ANN Jones", "Ann Smith"}));
    EXPECT_EQ(again, shown);
    EXPECT_EQ(noMatch, (std::vector<std::string>{"No matching Sims found"}));
    // The entries are those of the core search, which the command-line tool prints.
    std::vector<std::string> core;
    for (const SearchEntry& e : SearchByFirstName(frame.Registry().families, "ann")) core.push_back(e.text);
    EXPECT_EQ(shown, core);
    EXPECT_FALSE(frame.IsModified());
}

TEST_F(SearchDialogTest, InfoShowsTheCardAndItsFamilyButtonOpensTheFamilyDialog) {
    NestrelFrame& frame = Build();
    std::vector<std::string> values;
    std::string career, friends;
    wxTEST_DIALOG(frame.ProcessCommand(ID_FIND_SIM),
                  AnswerSearch([&](SimSearchDlg* dlg) {
                      Search(dlg, "bob");
                      dlg->Results()->SetSelection(0);
                      dlg->ShowSelectedInfo();
                      return wxID_OK;
                  }),
                  AnswerCard([&](ShowSimDlg* card) {
                      for (wxStaticText* v : card->Values()) values.push_back(Label(v));
                      career = Label(card->CareerBox());
                      friends = Label(card->FriendsText());
                      EXPECT_TRUE(card->FamilyButton()->IsEnabled());
                      card->RequestFamily();
                      return card->GetReturnCode();
                  }),
                  editing_test::AnswerFamily([&](NewFamilyDlg* dlg) {
                      EXPECT_EQ(std::string(dlg->NameField()->GetValue().utf8_str()), "Jones");
                      return wxID_CANCEL;
                  }));
    ASSERT_EQ(values.size(), 5u);
    EXPECT_EQ(values[0], "Bob Jones");
    EXPECT_EQ(values[2], "No");
    EXPECT_EQ(values[3], "Male");
    EXPECT_EQ(values[4], "ANN Jones");
    EXPECT_EQ(career, std::string(wxString::FromUTF8(bob_->career.careerText).utf8_str()));
    EXPECT_EQ(friends, "Friends: 3");
}

TEST_F(SearchDialogTest, DisplayRowOpensItsCardAndADanglingFriendShowsAsAnEmptyLine) {
    NestrelFrame& frame = Build();
    ChooseFamily(frame, "Jones");
    ChooseSim(frame, "Bob");
    Press(frame, ID_SHOW_FRIENDS);
    // The display list shows the two friends that exist; the card is opened from it.
    ASSERT_GT(DisplayCtrl(frame)->GetItemCount(), 0);
    int32_t opened = -1;
    wxTEST_DIALOG(Activate(DisplayCtrl(frame), 0), AnswerCard([&](ShowSimDlg* card) {
                      opened = card->SimId();
                      return wxID_OK;
                  }));
    EXPECT_EQ(opened, frame.DisplayRowSimId(0));
    EXPECT_NE(opened, -1);
    std::string total, title;
    ShowSimDlg card(&frame, frame.Registry(), bob_->id);
    std::vector<std::string> bobFriends;
    wxTEST_DIALOG(card.ShowFriends(), AnswerList([&](SimListDlg* list) {
                      bobFriends = Entries(list->List());
                      total = Label(list->Total());
                      title = std::string(list->GetTitle().utf8_str());
                      return wxID_OK;
                  }));
    EXPECT_EQ(bobFriends, (std::vector<std::string>{"", "ANN Jones", "Ann Smith"}));
    EXPECT_EQ(total, "Total: 3");
    EXPECT_EQ(title, "Sim Friends");
    EXPECT_EQ(Label(card.FriendsText()), "Friends: 3");
}

TEST_F(SearchDialogTest, PickModeHasNoActionButtonsAndHandsBackTheChosenSim) {
    NestrelFrame& frame = Build();
    SimSearchDlg dlg(&frame, frame, false);
    EXPECT_EQ(dlg.FindWindow(5), nullptr);
    EXPECT_EQ(dlg.FindWindow(6), nullptr);
    Search(&dlg, "ANN");
    ASSERT_EQ(Entries(dlg.Results()).size(), 2u);
    dlg.Results()->SetSelection(1);
    EXPECT_EQ(dlg.SelectedSimId(), ann_->id);
    // A double-click still opens the card, but the card leads to no family dialog here.
    bool familyEnabled = true;
    wxTEST_DIALOG(DoubleClickEntry(dlg.Results(), 0), AnswerCard([&](ShowSimDlg* card) {
                      familyEnabled = card->FamilyButton()->IsEnabled();
                      card->RequestFamily();
                      return wxID_OK;
                  }));
    EXPECT_FALSE(familyEnabled);
}

TEST_F(SearchDialogTest, CardOfASimThatIsGoneOpensNothing) {
    NestrelFrame& frame = Build();
    ShowSimDlg card(&frame, frame.Registry(), 4242);
    EXPECT_EQ(card.ShowModal(), 0);  // the safety net fails the test if it opened
}

TEST_F(SearchDialogTest, SimListShowsItsEntriesUnderTheHeadingWithATotal) {
    NestrelFrame& frame = Build();
    SimListDlg list(&frame, "Family names", "Names",
                    std::vector<SimListEntry>{{"Smith", 1}, {"A very long family name that must not be cut", 2}},
                    wxLB_SINGLE | wxLB_HSCROLL);
    EXPECT_EQ(Entries(list.List()), (std::vector<std::string>{"Smith", "A very long family name that must not be cut"}));
    EXPECT_EQ(Label(list.Total()), "Total: 2");
    EXPECT_EQ(list.SelectedId(), -1);
    list.List()->SetSelection(1);
    EXPECT_EQ(list.SelectedId(), 2);
    EXPECT_GE(list.List()->GetSize().x, list.List()->GetTextExtent("A very long family name that must not be cut").x);
}

}  // namespace

namespace {

TEST_F(SearchDialogTest, FamilyNamesListEveryFamilyInNameOrderAndChangeNothing) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    Family* away = AddFamily(registry, "alder", true);  // homeless families are named too
    AddMember(registry, away, "Cy", kLeo, true);
    std::vector<std::string> before;
    for (const Family* f : registry.families) before.push_back(f->name);
    std::string title, total;
    std::vector<std::string> names;
    wxTEST_DIALOG(frame.ProcessCommand(ID_FAMILY_NAMES), AnswerList([&](SimListDlg* list) {
                      title = std::string(list->GetTitle().utf8_str());
                      names = Entries(list->List());
                      total = Label(list->Total());
                      return wxID_OK;
                  }));
    EXPECT_EQ(title, "Family names");
    EXPECT_EQ(names, (std::vector<std::string>{"alder", "Jones", "Smith"}));
    EXPECT_EQ(total, "Total: 3");
    std::vector<std::string> after;
    for (const Family* f : registry.families) after.push_back(f->name);
    EXPECT_EQ(after, before) << "the neighborhood keeps its order";
    EXPECT_FALSE(frame.IsModified());
}

TEST_F(SearchDialogTest, TheCardShowsItsHeartOnlyBesideAMatch) {
    NestrelFrame& frame = Build();
    ShowSimDlg single(&frame, frame.Registry(), ann_->id);
    ASSERT_NE(single.Heart(), nullptr) << "the heart picture is shipped";
    EXPECT_EQ(Label(single.Values()[4]), "None");
    EXPECT_FALSE(single.Heart()->IsShown());
    ShowSimDlg married(&frame, frame.Registry(), bob_->id);
    ASSERT_NE(married.Heart(), nullptr);
    EXPECT_EQ(Label(married.Values()[4]), "ANN Jones");
    EXPECT_TRUE(married.Heart()->IsShown());
}

}  // namespace
