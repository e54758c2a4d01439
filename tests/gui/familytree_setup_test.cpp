// The family tree set-up dialog driven through the main window: selection, "Set" and
// "Set Range", "Other", the filters and "&Write to File".
#include <fstream>
#include <sstream>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/listbox.h>
#include <wx/stattext.h>
#include <wx/textdlg.h>
#include <wx/treectrl.h>

#include "click_support.h"
#include "common/FileNameAsker.h"
#include "editing_support.h"
#include "familytree/EnterFamilyTreeDlg.h"
#include "lists_support.h"
#include "support/FrameFixture.h"

namespace {

using namespace editing_test;
using namespace lists_test;
using AnswerSetup = Answer<EnterFamilyTreeDlg>;

class TreeSetupTest : public FrameTest {
protected:
    NestrelFrame& Build() {
        NestrelFrame& frame = BuildFrame();
        frame.Registry().Clear();
        frame.SetModified(false);
        SimRegistry& registry = frame.Registry();
        Family* lee = AddFamily(registry, "Lee");
        mom = AddMember(registry, lee, "Mia", kLeo, false);
        dad = AddMember(registry, lee, "Max", kLeo, true);
        for (Sim* adult : {mom, dad}) adult->career.lifeStage = kLifeStageAdult;
        for (const char* first : {"Ann", "Ben", "Cat"}) {
            Sim* kid = AddMember(registry, lee, first, kLeo, false);
            kid->career.lifeStage = kLifeStageChild;
            kids.push_back(kid);
        }
        Family* park = AddFamily(registry, "Park");
        AddMember(registry, park, "Pam", kLeo, false)->career.lifeStage = kLifeStageElder;
        frame.RefreshFamilies();
        return frame;
    }

    static wxTreeItemId FindItem(wxTreeCtrl* tree, const std::string& text) {
        wxTreeItemIdValue familyCookie;
        for (wxTreeItemId family = tree->GetFirstChild(tree->GetRootItem(), familyCookie); family.IsOk();
             family = tree->GetNextChild(tree->GetRootItem(), familyCookie)) {
            if (Utf8(tree->GetItemText(family)) == text) return family;
            wxTreeItemIdValue cookie;
            for (wxTreeItemId item = tree->GetFirstChild(family, cookie); item.IsOk();
                 item = tree->GetNextChild(family, cookie))
                if (Utf8(tree->GetItemText(item)) == text) return item;
        }
        return {};
    }
    static void Select(EnterFamilyTreeDlg* dlg, const std::vector<std::string>& names) {
        dlg->Tree()->UnselectAll();
        for (const std::string& name : names) {
            wxTreeItemId item = FindItem(dlg->Tree(), name);
            EXPECT_TRUE(item.IsOk()) << name;
            if (item.IsOk()) dlg->Tree()->SelectItem(item, true);
        }
        dlg->SelectionChanged();
    }
    static void Pick(EnterFamilyTreeDlg* dlg, bool mother, const std::string& sortName) {
        RowListCtrl* list = mother ? dlg->MomList() : dlg->DadList();
        EXPECT_TRUE(list->SetStringSelection(wxString::FromUTF8(sortName))) << sortName;
        dlg->ChooseParent(mother);
    }

    Sim* mom = nullptr;
    Sim* dad = nullptr;
    std::vector<Sim*> kids;
};

TEST_F(TreeSetupTest, SetRangeGivesThreeSiblingsTheSameParents) {
    NestrelFrame& frame = Build();
    wxTEST_DIALOG(frame.ProcessCommand(ID_CREATE_TREE), AnswerSetup([&](EnterFamilyTreeDlg* dlg) {
                      EXPECT_EQ(Utf8(dlg->MomLabel()->GetLabel()), "None");
                      // Only adults are candidates.
                      EXPECT_EQ(dlg->MomList()->GetCount(), 2u);
                      Select(dlg, {"Ann Lee", "Ben Lee", "Cat Lee"});
                      EXPECT_EQ(Utf8(dlg->SetButton()->GetLabel()), "Set Range");
                      Pick(dlg, true, "Lee, Mia");
                      Pick(dlg, false, "Lee, Max");
                      EXPECT_EQ(Utf8(dlg->MomLabel()->GetLabel()), "Mia Lee");
                      dlg->OtherParent(true);  // does nothing in range mode
                      dlg->Apply();
                      Select(dlg, {"Ann Lee"});
                      EXPECT_EQ(Utf8(dlg->SetButton()->GetLabel()), "Set");
                      EXPECT_EQ(Utf8(dlg->DadLabel()->GetLabel()), "Max Lee");
                      return wxID_OK;
                  }));
    for (Sim* kid : kids) {
        EXPECT_EQ(kid->mom.simId, mom->id) << kid->firstName;
        EXPECT_TRUE(kid->mom.isSim);
        EXPECT_EQ(kid->dad.simId, dad->id);
    }
    EXPECT_TRUE(frame.IsModified());
}

TEST_F(TreeSetupTest, OtherTypesAParentAndNoneLeavesTheOtherSide) {
    NestrelFrame& frame = Build();
    kids[0]->mom.SetName("Old Mum");
    wxTEST_DIALOG(frame.ProcessCommand(ID_CREATE_TREE), AnswerSetup([&](EnterFamilyTreeDlg* dlg) {
                      Select(dlg, {"Ann Lee"});
                      EXPECT_EQ(Utf8(dlg->MomLabel()->GetLabel()), "Old Mum");
                      dlg->OtherParent(false);
                      EXPECT_EQ(Utf8(dlg->DadLabel()->GetLabel()), "Typed Dad");
                      dlg->Apply();
                      return wxID_OK;
                  }),
                  Answer<wxTextEntryDialog>([](wxTextEntryDialog* ask) {
                      ask->SetValue("Typed Dad");
                      return wxID_OK;
                  }));
    EXPECT_EQ(kids[0]->mom.DisplayName(frame.Registry()), "Old Mum");
    EXPECT_EQ(kids[0]->dad.DisplayName(frame.Registry()), "Typed Dad");
    EXPECT_EQ(kids[0]->dad.simId, -1);
}

TEST_F(TreeSetupTest, ASimIsNotMadeItsOwnMother) {
    NestrelFrame& frame = Build();
    wxTEST_DIALOG(frame.ProcessCommand(ID_CREATE_TREE),
                  AnswerSetup([&](EnterFamilyTreeDlg* dlg) {
                      Select(dlg, {"Mia Lee", "Ann Lee"});
                      Pick(dlg, true, "Lee, Mia");
                      dlg->Apply();
                      return wxID_OK;
                  }),
                  ExpectMessageBox(wxID_OK, "", "Message"));
    EXPECT_EQ(mom->mom.simId, -1);
    EXPECT_EQ(kids[0]->mom.simId, mom->id);
}

// Max is Mia's father; choosing Mia as Max's mother would close a loop. It is refused
// with a message that names the loop, and nothing changes; Pam is still accepted.
TEST_F(TreeSetupTest, ADescendantIsNotMadeAParent) {
    NestrelFrame& frame = Build();
    mom->dad.SetSim(dad->id);
    wxTEST_DIALOG(frame.ProcessCommand(ID_CREATE_TREE),
                  AnswerSetup([&](EnterFamilyTreeDlg* dlg) {
                      Select(dlg, {"Max Lee"});
                      Pick(dlg, true, "Lee, Mia");
                      dlg->Apply();
                      Pick(dlg, true, "Park, Pam");
                      dlg->Apply();
                      return wxID_OK;
                  }),
                  ExpectMessageBox(wxID_OK,
                                   "Mia Lee cannot be the mother of Max Lee, who is her ancestor (each the parent of "
                                   "the next: Max Lee > Mia Lee > Max Lee).",
                                   "Message"));
    EXPECT_EQ(mom->dad.simId, dad->id);
    EXPECT_EQ(dad->mom.DisplayName(frame.Registry()), "Pam Park");
}

// The dialog shown on the screen: a real click on a row of the mothers' list chooses
// the Sim of that row, who stays chosen through a refill and becomes the mother.
TEST_F(TreeSetupTest, AClickedMotherStaysSelectedThroughARefillAndIsTheOneSet) {
    NestrelFrame& frame = Build();
    frame.Registry().SortAndIndex();
    const int32_t pam = frame.Registry().FindSimByName("Pam Park")->id;
    EnterFamilyTreeDlg dlg(&frame, frame.Registry());
    dlg.Show();
    click_test::Settle();
    Select(&dlg, {"Ann Lee"});
    RowListCtrl* moms = dlg.MomList();
    const int row = moms->FindString("Park, Pam");
    ASSERT_NE(row, wxNOT_FOUND);
    EXPECT_NE(moms->IdAt(0), pam);  // a click on the wrong row would choose someone else
    click_test::ClickRow(moms, row);
    EXPECT_EQ(moms->SelectedId(), pam);
    EXPECT_EQ(Utf8(dlg.MomLabel()->GetLabel()), "Pam Park");
    dlg.FillCandidates();  // "Refresh"
    EXPECT_EQ(moms->SelectedId(), pam);
    EXPECT_EQ(moms->GetSelection(), row);
    dlg.Apply();
    EXPECT_EQ(kids[0]->mom.simId, pam);
    EXPECT_TRUE(kids[0]->mom.isSim);
    dlg.Hide();
}

TEST_F(TreeSetupTest, FamiliesCannotBeSelectedAndRemoveCompletedHidesSims) {
    NestrelFrame& frame = Build();
    kids[1]->dad.SetName("Someone");
    wxTEST_DIALOG(frame.ProcessCommand(ID_CREATE_TREE), AnswerSetup([&](EnterFamilyTreeDlg* dlg) {
                      dlg->Tree()->UnselectAll();
                      dlg->Tree()->SelectItem(FindItem(dlg->Tree(), "Lee"), true);
                      wxArrayTreeItemIds selected;
                      EXPECT_EQ(dlg->Tree()->GetSelections(selected), 0u);
                      EXPECT_TRUE(FindItem(dlg->Tree(), "Ben Lee").IsOk());
                      dlg->RemoveCompleted()->SetValue(true);
                      dlg->FillTree();
                      EXPECT_FALSE(FindItem(dlg->Tree(), "Ben Lee").IsOk());
                      EXPECT_TRUE(FindItem(dlg->Tree(), "Ann Lee").IsOk());
                      // The similar-names filter without a Sim leaves both lists empty.
                      dlg->FilterSimilar()->SetValue(true);
                      dlg->FillCandidates();
                      EXPECT_EQ(dlg->MomList()->GetCount(), 0u);
                      return wxID_OK;
                  }));
    EXPECT_FALSE(frame.IsModified());
}

TEST_F(TreeSetupTest, WriteToFileAddsTxtAndReportsAFailure) {
    NestrelFrame& frame = Build();
    kids[0]->mom.SetSim(mom->id);
    kids[0]->dad.SetName("Typed");
    std::string asked = root_ / "family";
    FileNameAsker old = SetFileNameAsker([&](const FileNameRequest&) { return wxString::FromUTF8(asked); });
    wxTEST_DIALOG(frame.ProcessCommand(ID_CREATE_TREE),
                  AnswerSetup([&](EnterFamilyTreeDlg* dlg) {
                      dlg->WriteToFile();
                      asked = root_ / "no-such-folder/family.txt";
                      dlg->WriteToFile();
                      return wxID_OK;
                  }),
                  ExpectMessageBox(wxID_OK, "", "Error"));
    SetFileNameAsker(old);
    std::ifstream in(root_ / "family.txt");
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(),
              "Mia Lee\nMax Lee\nAnn Lee\n\tmother:Mia Lee\n\tfather:Typed\nBen Lee\nCat Lee\nPam Park\n");
}

TEST_F(TreeSetupTest, NamesStoredInTwoEncodingsShowAndAreWrittenAsUtf8) {
    NestrelFrame& frame = BuildFrame();
    frame.Registry().Clear();
    SimRegistry& registry = frame.Registry();
    // A family from a Windows-1252 file with a first name typed in since (UTF-8).
    Family* munoz = AddFamily(registry, "Mu\xF1oz");
    Sim* zoe = AddMember(registry, munoz, "Zo\xC3\xAB", kLeo, false);
    zoe->career.lifeStage = kLifeStageAdult;
    Sim* ines = AddMember(registry, munoz, "In\xE9s", kLeo, false);
    ines->career.lifeStage = kLifeStageChild;
    ines->mom.SetSim(zoe->id);
    ines->dad.SetName("Jos\xE9 Mu\xF1oz");
    frame.RefreshFamilies();
    std::string asked = root_ / "family";
    FileNameAsker old = SetFileNameAsker([&](const FileNameRequest&) { return wxString::FromUTF8(asked); });
    wxTEST_DIALOG(frame.ProcessCommand(ID_CREATE_TREE), AnswerSetup([&](EnterFamilyTreeDlg* dlg) {
                      EXPECT_TRUE(FindItem(dlg->Tree(), "Mu\xC3\xB1oz").IsOk());
                      Select(dlg, {"In\xC3\xA9s Mu\xC3\xB1oz"});
                      EXPECT_EQ(Utf8(dlg->MomLabel()->GetLabel()), "Zo\xC3\xAB Mu\xC3\xB1oz");
                      EXPECT_EQ(Utf8(dlg->DadLabel()->GetLabel()), "Jos\xC3\xA9 Mu\xC3\xB1oz");
                      dlg->FilterFamily()->SetValue(true);
                      dlg->FillCandidates();
                      EXPECT_EQ(dlg->MomList()->GetCount(), 1u);
                      if (dlg->MomList()->GetCount() == 1u)
                          EXPECT_EQ(Utf8(dlg->MomList()->GetString(0)), "Mu\xC3\xB1oz, Zo\xC3\xAB");
                      dlg->WriteToFile();
                      return wxID_OK;
                  }));
    SetFileNameAsker(old);
    std::ifstream in(root_ / "family.txt", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "Zo\xC3\xAB Mu\xC3\xB1oz\nIn\xC3\xA9s Mu\xC3\xB1oz\n\tmother:Zo\xC3\xAB Mu\xC3\xB1oz\n"
                          "\tfather:Jos\xC3\xA9 Mu\xC3\xB1oz\n");
}

TEST_F(TreeSetupTest, NoFamiliesSaysSo) {
    NestrelFrame& frame = BuildFrame();
    frame.Registry().Clear();
    wxTEST_DIALOG(frame.ProcessCommand(ID_CREATE_TREE), ExpectMessageBox(wxID_OK, "No families!", "Message"));
}

}  // namespace
