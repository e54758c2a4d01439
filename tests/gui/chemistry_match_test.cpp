// Chemistry matching, its confirmation, the summary with its report file, and the
// comparison, driven as the user drives them.
#include <cstdio>
#include <fstream>
#include <sstream>

#include <wx/checkbox.h>
#include <wx/config.h>
#include <wx/radiobox.h>
#include <wx/stattext.h>

#include "app/ConfigStore.h"
#include "chemistry/ChemMatchConfirmDlg.h"
#include "chemistry/ChemMatchDlg.h"
#include "chemistry/CompareChemDlg.h"
#include "chemistry/ShowChemDlg.h"
#include "chemistry_support.h"
#include "common/FileNameAsker.h"

namespace {

using namespace chemistry_test;
using Table = std::vector<std::vector<std::string>>;

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST_F(ChemistryWindowTest, ResultsFollowTheOptionsWithNoneRowsAndEachFemaleNameOnce) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    ann->AddChemistry(registry, bob->id, kChemistryHigh, true);
    cat->AddChemistry(registry, dan->id, kChemistryCrush, true);
    dan->townie = true;
    ChemMatchDlg dlg(&frame, registry, wxSize(500, 400));
    EXPECT_EQ(dlg.AgeBox()->GetSelection(), 2);
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(dlg.Option(i)->GetValue());
    dlg.GenerateResults();
    // Bob's own row proposes Ann again and is not repeated; Cat has only a crush.
    EXPECT_EQ(ListRows(dlg.ResultList()),
              (Table{{"Ann Smith", "Bob Jones", "High"}, {"Cat Smith", "NONE", ""}}));
    dlg.Option(0)->SetValue(true);
    dlg.GenerateResults();
    EXPECT_EQ(ListRows(dlg.ResultList()),
              (Table{{"Ann Smith", "Bob Jones", "High"}, {"Cat Smith", "NONE", ""}, {"NONE", "Dan Jones", ""}}));
    dlg.AgeBox()->SetSelection(1);
    dlg.GenerateResults();
    EXPECT_EQ(ListRows(dlg.ResultList()), (Table{{"Yva Smith", "NONE", ""}, {"NONE", "Xav Jones", ""}}));
}

TEST_F(ChemistryWindowTest, AcceptingAfterConfirmationFreesBothFormerPartnersAndMarksTheFileModified) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    ann->AddChemistry(registry, bob->id, kChemistryMedium, true);
    ann->SetPartner(registry, kStatusCommitted, dan->id);
    bob->SetPartner(registry, kStatusCommitted, cat->id);
    wxTEST_DIALOG(Command(frame, ID_CHEMISTRY_MATCHING), Answer<ChemMatchDlg>([&](ChemMatchDlg* dlg) {
                      dlg->Option(3)->SetValue(true);
                      dlg->GenerateResults();
                      EXPECT_TRUE(SelectRow(dlg->ResultList(), "Ann Smith"));
                      // Cancelled first: nothing changes.
                      wxTEST_DIALOG(dlg->AcceptMatch(), Answer<ChemMatchConfirmDlg>([](ChemMatchConfirmDlg*) {
                                        return wxID_CANCEL;
                                    }));
                      EXPECT_EQ(ann->partnerId, dan->id);
                      wxTEST_DIALOG(dlg->AcceptMatch(), Answer<ChemMatchConfirmDlg>([&](ChemMatchConfirmDlg* c) {
                                        EXPECT_EQ(Utf8(c->Line(0, 0)->GetLabel()), "Ann Smith");
                                        EXPECT_EQ(Utf8(c->Line(0, 1)->GetLabel()), "Status: Committed");
                                        EXPECT_EQ(Utf8(c->Line(0, 2)->GetLabel()), "Match: Dan Jones");
                                        EXPECT_EQ(Utf8(c->Line(1, 2)->GetLabel()), "Match: Cat Smith");
                                        return wxID_OK;
                                    }));
                      return wxID_CANCEL;
                  }));
    EXPECT_EQ(ann->partnerId, bob->id);
    EXPECT_EQ(bob->partnerId, ann->id);
    EXPECT_EQ(ann->status, kStatusMatchedUp);
    for (const Sim* freed : {cat, dan}) {
        EXPECT_EQ(freed->status, kStatusSingle);
        EXPECT_EQ(freed->partnerId, -1);
    }
    EXPECT_TRUE(frame.IsModified());
}

TEST_F(ChemistryWindowTest, AnAcceptedMatchIsToldAndTheResultsAreMadeAgain) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    ann->AddChemistry(registry, bob->id, kChemistryHigh, true);
    cat->AddChemistry(registry, bob->id, kChemistryMedium, true);
    Table before, after;
    std::string made, madeBefore;
    wxTEST_DIALOG(Command(frame, ID_CHEMISTRY_MATCHING), Answer<ChemMatchDlg>([&](ChemMatchDlg* dlg) {
                      dlg->GenerateResults();
                      before = ListRows(dlg->ResultList());
                      madeBefore = Utf8(dlg->MadeNote()->GetLabel());
                      EXPECT_TRUE(SelectRow(dlg->ResultList(), "Ann Smith"));
                      wxTEST_DIALOG(dlg->AcceptMatch(),
                                    Answer<ChemMatchConfirmDlg>([](ChemMatchConfirmDlg*) { return wxID_OK; }));
                      after = ListRows(dlg->ResultList());
                      made = Utf8(dlg->MadeNote()->GetLabel());
                      return wxID_CANCEL;
                  }));
    EXPECT_EQ(before, (Table{{"Ann Smith", "Bob Jones", "High"}, {"Cat Smith", "NONE", ""}, {"NONE", "Dan Jones", ""}}));
    EXPECT_EQ(madeBefore, "");
    // Ann and Bob are matched up now, so neither is offered again; Bob is free for no one.
    EXPECT_EQ(after, (Table{{"Cat Smith", "NONE", ""}, {"NONE", "Dan Jones", ""}}));
    EXPECT_EQ(made, "Ann Smith and Bob Jones are now matched up.");
    EXPECT_EQ(ann->partnerId, bob->id);
}

TEST_F(ChemistryWindowTest, TheChoicesAreKeptForTheNextOpening) {
    NestrelFrame& frame = Build();
    wxTEST_DIALOG(Command(frame, ID_CHEMISTRY_MATCHING), Answer<ChemMatchDlg>([&](ChemMatchDlg* dlg) {
                      dlg->AgeBox()->SetSelection(1);
                      dlg->Option(0)->SetValue(true);
                      dlg->Option(3)->SetValue(true);
                      return wxID_CANCEL;
                  }));
    int age = -1;
    std::vector<bool> options;
    wxTEST_DIALOG(Command(frame, ID_CHEMISTRY_MATCHING), Answer<ChemMatchDlg>([&](ChemMatchDlg* dlg) {
                      age = dlg->AgeBox()->GetSelection();
                      for (int i = 0; i < 4; ++i) options.push_back(dlg->Option(i)->GetValue());
                      return wxID_CANCEL;
                  }));
    EXPECT_EQ(age, 1);
    EXPECT_EQ(options, (std::vector<bool>{true, false, false, true}));
    // Kept where the matchmaker's size is kept; a damaged value gives the defaults.
    EXPECT_EQ(ReadConfigText(ConfigKey::ChemMatchAge), "1");
    wxConfigBase::Get()->Write(ConfigKey::ChemMatchAge, "7");
    wxConfigBase::Get()->Write(ConfigKey::ChemMatchTownies, "yes");
    const ChemMatchOptions read = ReadChemMatchOptions();
    EXPECT_EQ(read.lifeStage, 2);
    EXPECT_FALSE(read.townies);
    EXPECT_TRUE(read.married);
}

TEST_F(ChemistryWindowTest, AcceptWithoutARowOnANoneRowOrWithAGonePartnerChangesNothing) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    ann->AddChemistry(registry, bob->id, kChemistryHigh, true);
    ChemMatchDlg dlg(&frame, registry, wxSize(500, 400));
    dlg.GenerateResults();
    wxTEST_DIALOG(dlg.AcceptMatch(), ExpectMessageBox(wxID_OK, "No item selected.", "Message"));
    ASSERT_TRUE(SelectRow(dlg.ResultList(), "Cat Smith"));
    wxTEST_DIALOG(dlg.AcceptMatch(), ExpectMessageBox(wxID_OK, "This is not a valid match.", "Error"));
    dlg.ResultList()->SetItemState(1, 0, wxLIST_STATE_SELECTED);
    ASSERT_TRUE(SelectRow(dlg.ResultList(), "Ann Smith"));
    registry.RemoveSim(bob);  // deleted while the results are shown
    wxTEST_DIALOG(dlg.AcceptMatch(), ExpectMessageBox(wxID_OK, "This is not a valid match.", "Error"));
    EXPECT_EQ(ann->partnerId, -1);
    EXPECT_EQ(ann->status, kStatusSingle);
    EXPECT_FALSE(dlg.Changed());
}

TEST_F(ChemistryWindowTest, ComparisonPutsTheWomanLeftAndShowsGoneSimsEmpty) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    ann->AddChemistry(registry, bob->id, kChemistryHigh, true);
    bob->chemistry.Append(4242, kChemistryMedium);
    CompareChemDlg dlg(&frame, registry, bob->id, ann->id);
    EXPECT_EQ(Utf8(dlg.Heading(0)->GetLabel()), "Ann Smith");
    EXPECT_EQ(Utf8(dlg.Heading(1)->GetLabel()), "Bob Jones");
    EXPECT_EQ(ListRows(dlg.List(0)), (Table{{"Bob Jones", "High"}}));
    EXPECT_EQ(ListRows(dlg.List(1)), (Table{{"Ann Smith", "High"}, {"", "Medium"}}));
    CompareChemDlg lonely(&frame, registry, -1, cat->id);
    EXPECT_EQ(Utf8(lonely.Heading(0)->GetLabel()), "(no Sim)");
    EXPECT_EQ(Utf8(lonely.Heading(1)->GetLabel()), "Cat Smith");
}

TEST_F(ChemistryWindowTest, SummaryOpensOnTeensAndWritesTheReportSafely) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    yva->AddChemistry(registry, ann->id, kChemistryHigh, true);
    yva->SetPartner(registry, kStatusMarried, xav->id);
    wxTEST_DIALOG(Command(frame, ID_CHEMISTRY), Answer<ShowChemDlg>([&](ShowChemDlg* dlg) {
                      EXPECT_EQ(dlg->AgeBox()->GetSelection(), 2);
                      EXPECT_EQ(Entries(dlg->SimList()),
                                (std::vector<std::string>{"Ann Smith", "Bob Jones", "Cat Smith", "Dan Jones"}));
                      return wxID_OK;
                  }));
    ShowChemDlg dlg(&frame, registry, wxSize(300, 300));
    dlg.AgeBox()->SetSelection(1);
    dlg.FillSimsOfAge(1);
    ASSERT_EQ(Entries(dlg.SimList()), (std::vector<std::string>{"Xav Jones", "Yva Smith"}));
    dlg.SimList()->SetSelection(1);
    dlg.ShowSimChemistry();
    EXPECT_EQ(Utf8(dlg.MatchLabel()->GetLabel()), "Match: Xav Jones");
    EXPECT_EQ(ListRows(dlg.ChemistryList()), (Table{{"Ann Smith", "High"}}));

    const std::string base = root_ / "report";
    FileNameRequest asked;
    FileNameAsker previous = SetFileNameAsker([&](const FileNameRequest& r) {
        asked = r;
        return wxString::FromUTF8(base);
    });
    dlg.WriteChemistryFile();
    EXPECT_EQ(Utf8(asked.message), "Save the chemistry data as");
    EXPECT_TRUE(asked.forSaving);
    EXPECT_EQ(Slurp(base + ".txt"), "Yva Smith\n\t\tAnn Smith\nXav Jones\n");
    // A folder that does not exist: the failure is told, nothing is left half-written.
    SetFileNameAsker([&](const FileNameRequest&) { return wxString::FromUTF8(root_ / "missing/report.txt"); });
    wxTEST_DIALOG(dlg.WriteChemistryFile(), ExpectMessageBox(wxID_OK, wxString(), "Error"));
    SetFileNameAsker([&](const FileNameRequest&) { return wxString(); });
    dlg.WriteChemistryFile();  // cancelled: nothing asked, nothing written
    SetFileNameAsker(previous);
    EXPECT_EQ(Slurp(base + ".txt"), "Yva Smith\n\t\tAnn Smith\nXav Jones\n");
}

TEST_F(ChemistryWindowTest, SummaryForgetsTheShownMatchOnAnotherAgeAndWritesNoEmptyReport) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    yva->SetPartner(registry, kStatusMarried, xav->id);
    ShowChemDlg dlg(&frame, registry, wxSize(300, 300));
    dlg.AgeBox()->SetSelection(1);
    dlg.FillSimsOfAge(1);
    dlg.SimList()->SetSelection(1);
    dlg.ShowSimChemistry();
    ASSERT_EQ(Utf8(dlg.MatchLabel()->GetLabel()), "Match: Xav Jones");
    // Elders, as the radio box's event brings them: nobody is selected, nobody's match shown.
    dlg.AgeBox()->SetSelection(0);
    wxCommandEvent event(wxEVT_RADIOBOX, dlg.AgeBox()->GetId());
    event.SetEventObject(dlg.AgeBox());
    event.SetInt(0);
    dlg.AgeBox()->GetEventHandler()->ProcessEvent(event);
    EXPECT_TRUE(Entries(dlg.SimList()).empty());
    EXPECT_EQ(Utf8(dlg.MatchLabel()->GetLabel()), "Match: ");
    // No Elders: nothing to write, and the window says so without asking for a file.
    int asked = 0;
    FileNameAsker previous = SetFileNameAsker([&](const FileNameRequest&) {
        ++asked;
        return wxString::FromUTF8(root_ / "elders.txt");
    });
    wxTEST_DIALOG(dlg.WriteChemistryFile(),
                  ExpectMessageBox(wxID_OK, "There are no Sims of this age to write.", "Message"));
    SetFileNameAsker(previous);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(Slurp(root_ / "elders.txt"), "");
    EXPECT_FALSE(std::ifstream(root_ / "elders.txt").good());
}

}  // namespace
