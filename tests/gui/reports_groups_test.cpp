// The Sim groups, the neighborhood information and the aspiration summary, opened
// from the main window's commands.
#include <wx/choice.h>

#include "reports/AspirationDlg.h"
#include "reports/ShowHoodPrptyDlg.h"
#include "reports/ShowSimGroupsDlg.h"
#include "click_support.h"
#include "reports_support.h"
#include "support/FrameFixture.h"

namespace {

using namespace lists_test;
using namespace reports_test;
using AnswerGroups = Answer<ShowSimGroupsDlg>;
using AnswerInfo = Answer<ShowHoodPrptyDlg>;
using AnswerAspirations = Answer<AspirationDlg>;

void ClickColumn(wxListCtrl* list, int column) {
    wxListEvent event(wxEVT_LIST_COL_CLICK, list->GetId());
    event.SetEventObject(list);
    event.m_col = column;
    list->GetEventHandler()->ProcessEvent(event);
}

void ChooseGroup(wxChoice* choice, int entry) {
    choice->SetSelection(entry);
    wxCommandEvent event(wxEVT_CHOICE, choice->GetId());
    event.SetEventObject(choice);
    event.SetInt(entry);
    choice->GetEventHandler()->ProcessEvent(event);
}

class GroupsDialogTest : public FrameTest {
protected:
    NestrelFrame& Build() {
        NestrelFrame& frame = BuildFrame();
        SimRegistry& registry = frame.Registry();
        registry.Clear();
        registry.name = "/home/player/Saved/Town.NBD";
        Family* hill = AddFamily(registry, "Hill");
        Family* dale = AddFamily(registry, "dale");
        auto member = [&](Family* f, const char* first, int32_t stage, bool townie, bool vampire, bool male) {
            Sim* sim = AddMember(registry, f, first, kLeo, male);
            sim->career.lifeStage = stage;
            sim->townie = townie;
            sim->vampire = vampire;
            return sim;
        };
        member(hill, "Zed", kLifeStageElder, true, false, true);
        kid_ = member(hill, "amy", kLifeStageChild, true, false, false);
        member(hill, "Vlad", kLifeStageAdult, false, true, true);
        member(dale, "Teo", kLifeStageTeen, true, true, true);
        member(dale, "Bea", kLifeStageAdult, true, false, false);
        frame.RefreshFamilies();
        frame.SetModified(false);
        return frame;
    }
    Sim* kid_ = nullptr;
};

TEST_F(GroupsDialogTest, TowniesByNameThenYoungestFirstAlsoAfterSwitchingGroup) {
    NestrelFrame& frame = Build();
    std::vector<std::string> byName, byAge, vampires, columns;
    wxTEST_DIALOG(frame.ProcessCommand(ID_SIM_GROUPS), AnswerGroups([&](ShowSimGroupsDlg* dlg) {
                      EXPECT_EQ(Label(dlg), "Sim Groups");
                      EXPECT_EQ(std::string(dlg->GroupChoice()->GetStringSelection().utf8_str()), "Townie");
                      for (int c = 0; c < 2; ++c) {
                          wxListItem item;
                          item.SetMask(wxLIST_MASK_TEXT);
                          dlg->List()->GetColumn(c, item);
                          columns.emplace_back(item.GetText().utf8_str());
                      }
                      byName = ReportRows(dlg->List());
                      ClickColumn(dlg->List(), 1);
                      byAge = ReportRows(dlg->List());
                      ChooseGroup(dlg->GroupChoice(), 1);
                      vampires = ReportRows(dlg->List());
                      return wxID_OK;
                  }));
    EXPECT_EQ(columns, (std::vector<std::string>{"Name", "Age"}));
    EXPECT_EQ(byName, (std::vector<std::string>{"amy Hill\tChild", "Bea dale\tAdult", "Teo dale\tTeen", "Zed Hill\tElder"}));
    EXPECT_EQ(byAge, (std::vector<std::string>{"amy Hill\tChild", "Teo dale\tTeen", "Bea dale\tAdult", "Zed Hill\tElder"}));
    EXPECT_EQ(vampires, (std::vector<std::string>{"Teo dale\tTeen", "Vlad Hill\tAdult"}));
    EXPECT_FALSE(frame.IsModified());
}

TEST_F(GroupsDialogTest, ActivatingARowOpensThatSimsCard) {
    NestrelFrame& frame = Build();
    int32_t shown = -1;
    wxTEST_DIALOG(frame.ProcessCommand(ID_SIM_GROUPS),
                  AnswerGroups([&](ShowSimGroupsDlg* dlg) {
                      Activate(dlg->List(), 0);
                      return wxID_OK;
                  }),
                  AnswerCard([&](ShowSimDlg* card) {
                      shown = card->SimId();
                      return wxID_OK;
                  }));
    EXPECT_EQ(shown, kid_->id);
}

// The window shown on the screen, so that real clicks reach its list.
TEST_F(GroupsDialogTest, TheSimClickedStaysSelectedThroughSortsAndRefillsAndIsTheOneShown) {
    NestrelFrame& frame = Build();
    const int32_t teo = frame.Registry().FindSimByName("Teo dale")->id;
    const int32_t zed = frame.Registry().FindSimByName("Zed Hill")->id;
    ShowSimGroupsDlg dlg(&frame, frame);
    dlg.Show();
    click_test::Settle();
    IdListCtrl* list = dlg.List();
    // By name: amy, Bea, Teo, Zed. A click on the third row chooses Teo.
    click_test::ClickRow(list, 2);
    EXPECT_EQ(list->SelectedId(), teo);
    // Youngest first (amy, Teo, Bea, Zed): Teo is still the one selected, now second.
    ClickColumn(list, 1);
    EXPECT_EQ(list->SelectedId(), teo);
    EXPECT_EQ(list->SelectedRow(), 1);
    EXPECT_EQ(list->GetSelectedItemCount(), 1);
    // A refill of the same group keeps him too; a group without him selects nobody.
    dlg.FillList(SimGroup::Townie);
    EXPECT_EQ(list->SelectedId(), teo);
    ChooseGroup(dlg.GroupChoice(), 1);
    EXPECT_EQ(list->SelectedId(), teo);  // Teo is a vampire as well
    ChooseGroup(dlg.GroupChoice(), 2);
    EXPECT_EQ(list->SelectedId(), -1);
    ChooseGroup(dlg.GroupChoice(), 0);
    // The last row of the sorted list is Zed's, and a double-click there shows his card.
    int32_t shown = -1;
    wxTEST_DIALOG(click_test::ClickRow(list, 3, true), AnswerCard([&](ShowSimDlg* card) {
                      shown = card->SimId();
                      return wxID_OK;
                  }));
    EXPECT_EQ(shown, zed);
    // The list is refilled after the card: Zed stays the one selected.
    EXPECT_EQ(list->SelectedId(), zed);
    dlg.Hide();
}

TEST_F(GroupsDialogTest, InformationShowsTheFiguresAndOpensTheAspirations) {
    NestrelFrame& frame = Build();
    frame.Registry().FindSimByName("Bea dale")->aspiration = 2;
    kid_->aspiration = 2;
    std::vector<std::string> values, summary, listed, afterNew;
    std::string note;
    std::vector<std::pair<std::string, size_t>> countedAndListed;
    wxTEST_DIALOG(frame.ProcessCommand(ID_FILE_PROPERTIES),
                  AnswerInfo([&](ShowHoodPrptyDlg* dlg) {
                      EXPECT_EQ(Label(dlg), "Neighborhood Information");
                      for (wxStaticText* v : dlg->Values()) values.push_back(Label(v));
                      dlg->ShowAspirations();
                      return wxID_OK;
                  }),
                  AnswerAspirations([&](AspirationDlg* dlg) {
                      summary = ReportRows(dlg->Summary());
                      Activate(dlg->Summary(), 2);
                      listed = Entries(dlg->SimsList());
                      for (long row = 0; row < dlg->Summary()->GetItemCount(); ++row) {
                          Activate(dlg->Summary(), row);
                          countedAndListed.emplace_back(std::string(dlg->Summary()->GetItemText(row, 1).utf8_str()),
                                                        dlg->SimsList()->GetCount());
                      }
                      note = Label(dlg->Note());
                      return wxID_OK;
                  }));
    EXPECT_EQ(values, (std::vector<std::string>{"Town.NBD", "2", "0", "5", "3 (60.0%)", "2 (40.0%)", "2 (40.0%)"}));
    // Only Vlad counts: Zed, Teo and Bea are Townies, amy a Child.
    EXPECT_EQ(summary, (std::vector<std::string>{"None\t1", "Knowledge\t0", "Family\t0", "Romance\t0", "Pleasure\t0",
                                                 "Money\t0", "Popularity\t0"}));
    EXPECT_EQ(listed, std::vector<std::string>{});
    // Every count is the length of the list it opens.
    ASSERT_EQ(countedAndListed.size(), 7u);
    for (const auto& [counted, listedCount] : countedAndListed) EXPECT_EQ(counted, std::to_string(listedCount));
    EXPECT_EQ(note, "Children and Townies are not counted or listed: 4 left out.");

    // After New the counts are zeros, not those of the neighborhood that was.
    frame.ResetNeighborhood();
    AspirationDlg dlg(&frame, frame.Registry());
    for (const std::string& row : ReportRows(dlg.Summary())) EXPECT_EQ(row.substr(row.find('\t')), "\t0") << row;
}

TEST_F(GroupsDialogTest, InformationCountsHomelessFamiliesApartAndNamesTheNeighborhoodAfterNew) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    Family* gone = AddFamily(registry, "Gone");
    AddMember(registry, gone, "Hal", kLeo, true);
    registry.SetHomeless(gone, true);
    frame.RefreshFamilies();
    auto shownValues = [&] {
        std::vector<std::string> values;
        wxTEST_DIALOG(frame.ProcessCommand(ID_FILE_PROPERTIES), AnswerInfo([&](ShowHoodPrptyDlg* dlg) {
                          for (wxStaticText* v : dlg->Values()) values.push_back(Label(v));
                          return wxID_OK;
                      }));
        return values;
    };
    std::vector<std::string> values = shownValues();
    ASSERT_EQ(values.size(), 7u);
    // As many families as the main window lists, and the homeless one apart.
    EXPECT_EQ(values[1], std::to_string(FamilyBox(frame)->GetCount()));
    EXPECT_EQ(values[1], "2");
    EXPECT_EQ(values[2], "1");
    EXPECT_EQ(values[3], "6");

    // After New the window names the new, unsaved neighborhood, not the old file.
    wxTEST_DIALOG(frame.ProcessCommand(ID_NEW), ExpectMessageBox(wxID_NO, "Do you want to save your Sim data?"));
    values = shownValues();
    ASSERT_EQ(values.size(), 7u);
    EXPECT_EQ(values[0], "Unsaved");
    EXPECT_EQ(values[1], "0");
}

}  // namespace
