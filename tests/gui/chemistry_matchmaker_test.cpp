// The neighborhood matchmaker: its options, lists, pairing and unpairing, hearts,
// sorting, its window size, and the lists refilled after chemistry matching.
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/display.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>

#include "app/ConfigStore.h"
#include "chemistry/ChemMatchConfirmDlg.h"
#include "chemistry/ChemMatchDlg.h"
#include "chemistry/CompareChemDlg.h"
#include "chemistry/NeighborhoodMatchDlg.h"
#include "chemistry_support.h"
#include "click_support.h"

namespace {

using namespace chemistry_test;
using Table = std::vector<std::vector<std::string>>;
using Names = std::vector<std::string>;

std::vector<std::string> Choices(wxComboBox* box) {
    std::vector<std::string> out;
    for (unsigned i = 0; i < box->GetCount(); ++i) out.push_back(Utf8(box->GetString(i)));
    return out;
}

template <typename Box>
void Select(Box* box, const std::string& text) {
    const int at = box->FindString(wxString::FromUTF8(text), true);
    ASSERT_NE(at, wxNOT_FOUND) << text;
    box->SetSelection(at);
}

TEST_F(ChemistryWindowTest, DefaultsShowTeensAndPairsWithTheirHearts) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    cat->SetPartner(registry, kStatusCommitted, dan->id);
    Sim* tow = Teen(registry, jones, "Tow", true);
    tow->townie = true;
    NeighborhoodMatchDlg dlg(&frame, registry, &frame.MatchSettings(), wxSize(300, 300));
    EXPECT_TRUE(dlg.AgeButton(2)->GetValue());
    EXPECT_FALSE(dlg.Option(0)->GetValue());
    EXPECT_TRUE(dlg.Option(1)->GetValue());
    EXPECT_EQ(Choices(dlg.StatusChoice()), (Names{"Committed", "Matched up"}));
    EXPECT_EQ(Entries(dlg.Females()), (Names{"Smith, Ann"}));
    EXPECT_EQ(Entries(dlg.Males()), (Names{"Jones, Bob"}));
    EXPECT_EQ(ListRows(dlg.PairList()), (Table{{"Cat Smith", "Dan Jones", "Committed"}}));
    EXPECT_EQ(dlg.RowImage(0), 1);  // red

    dlg.Option(0)->SetValue(true);
    wxCommandEvent check(wxEVT_CHECKBOX, dlg.Option(0)->GetId());
    dlg.Option(0)->GetEventHandler()->ProcessEvent(check);
    EXPECT_TRUE(frame.MatchSettings().townieCheck);
    EXPECT_EQ(Entries(dlg.Males()), (Names{"Jones, Bob", "Jones, Tow"}));

    // Adults with Elders; unchecking Elders on Teens changes only the setting.
    Sim* eld = Teen(registry, smith, "Eld", false, kLifeStageElder);
    (void)eld;
    dlg.SetCurrentAge(1);
    EXPECT_EQ(Entries(dlg.Females()), (Names{"Smith, Eld", "Smith, Yva"}));
    EXPECT_EQ(Choices(dlg.StatusChoice()), (Names{"Married", "Committed", "Matched up"}));
    dlg.SetCurrentAge(2);
    dlg.Option(1)->SetValue(false);
    wxCommandEvent elders(wxEVT_CHECKBOX, dlg.Option(1)->GetId());
    dlg.Option(1)->GetEventHandler()->ProcessEvent(elders);
    EXPECT_FALSE(frame.MatchSettings().elderCheck);
    EXPECT_EQ(frame.MatchSettings().currentAge, 2);
}

TEST_F(ChemistryWindowTest, AddRemoveAndAddAgainWithMessagesAndTheModifiedStar) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    wxTEST_DIALOG(Command(frame, ID_MATCHMAKER), Answer<NeighborhoodMatchDlg>([&](NeighborhoodMatchDlg* dlg) {
                      wxTEST_DIALOG(dlg->AddPair(), ExpectMessageBox(wxID_OK,
                                    "Please select one Female and one Male to be paired.", "Message"));
                      wxTEST_DIALOG(dlg->ComparePair(), ExpectMessageBox(wxID_OK,
                                    "Please select one Female and one Male to be compared.", "Message"));
                      Select(dlg->Females(), "Smith, Ann");
                      Select(dlg->Males(), "Jones, Bob");
                      dlg->StatusChoice()->SetSelection(1);
                      dlg->AddPair();
                      EXPECT_EQ(ListRows(dlg->PairList()), (Table{{"Ann Smith", "Bob Jones", "Matched up"}}));
                      EXPECT_EQ(dlg->RowImage(0), 0);  // pink
                      EXPECT_EQ(Entries(dlg->Females()), (Names{"Smith, Cat"}));
                      dlg->PairList()->SetItemState(0, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
                      dlg->RemovePair();
                      EXPECT_EQ(dlg->PairList()->GetItemCount(), 0);
                      EXPECT_EQ(Entries(dlg->Females()), (Names{"Smith, Ann", "Smith, Cat"}));
                      Select(dlg->Females(), "Smith, Ann");
                      Select(dlg->Males(), "Jones, Bob");
                      dlg->StatusChoice()->SetSelection(1);
                      dlg->AddPair();
                      EXPECT_EQ(ListRows(dlg->PairList()), (Table{{"Ann Smith", "Bob Jones", "Matched up"}}));
                      EXPECT_EQ(dlg->RowImage(0), 0);
                      return wxID_OK;
                  }));
    EXPECT_EQ(ann->partnerId, bob->id);
    EXPECT_EQ(bob->status, kStatusMatchedUp);
    EXPECT_TRUE(frame.IsModified());
}

TEST_F(ChemistryWindowTest, PairingFreesFormerPartnersAndRemovingUnpairsTheRowsOwnSims) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    NeighborhoodMatchDlg dlg(&frame, registry, &frame.MatchSettings(), wxSize(300, 300));
    // Links made after the lists were shown, by another window.
    ann->SetPartner(registry, kStatusSingle, xav->id);
    bob->SetPartner(registry, kStatusSingle, yva->id);
    Select(dlg.Females(), "Smith, Ann");
    Select(dlg.Males(), "Jones, Bob");
    dlg.AddPair();
    for (const Sim* freed : {xav, yva}) EXPECT_EQ(freed->partnerId, -1);
    EXPECT_EQ(ann->partnerId, bob->id);

    // Two pairs whose names read alike once split at ';'.
    Family* odd = AddFamily(registry, "Lee;Ray");
    Sim* jo = Teen(registry, odd, "Jo", false);
    Sim* al = Teen(registry, odd, "Al", true);
    jo->SetPartner(registry, kStatusCommitted, al->id);
    cat->SetPartner(registry, kStatusCommitted, dan->id);
    dlg.FillLists();
    ASSERT_TRUE(SelectRow(dlg.PairList(), "Jo Lee;Ray"));
    dlg.RemovePair();
    EXPECT_EQ(jo->partnerId, -1);
    EXPECT_EQ(al->partnerId, -1);
    EXPECT_EQ(cat->partnerId, dan->id);
    EXPECT_EQ(ann->partnerId, bob->id);
}

// Opening the matchmaker on a neighborhood whose Teens are all linked both ways changes
// nothing and leaves the file unmodified. Zed and Pat name each other while Sue names
// Pat alone: the pair stands and Sue is single, shown once; only that repair marks the
// file modified, and opening again changes nothing more.
TEST_F(ChemistryWindowTest, OpeningListsAOneSidedLinkAsSingleAndKeepsTheMutualPair) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    cat->SetPartner(registry, kStatusCommitted, dan->id);
    auto open = [&](const Names& females, const Names& males, const Table& rows) {
        wxTEST_DIALOG(Command(frame, ID_MATCHMAKER), Answer<NeighborhoodMatchDlg>([&](NeighborhoodMatchDlg* dlg) {
                          EXPECT_EQ(Entries(dlg->Females()), females);
                          EXPECT_EQ(Entries(dlg->Males()), males);
                          EXPECT_EQ(ListRows(dlg->PairList()), rows);
                          return wxID_CANCEL;
                      }));
    };
    open(Names{"Smith, Ann"}, Names{"Jones, Bob"}, Table{{"Cat Smith", "Dan Jones", "Committed"}});
    EXPECT_FALSE(frame.IsModified());

    Family* lee = AddFamily(registry, "Lee");
    Sim* sue = Teen(registry, lee, "Sue", true);
    Sim* zed = Teen(registry, lee, "Zed", true);
    Sim* pat = Teen(registry, lee, "Pat", false);
    zed->SetPartner(registry, kStatusCommitted, pat->id);
    sue->status = kStatusCommitted;
    sue->partnerId = pat->id;
    frame.RefreshFamilies();
    frame.SetModified(false);
    const Table pairs{{"Cat Smith", "Dan Jones", "Committed"}, {"Pat Lee", "Zed Lee", "Committed"}};
    open(Names{"Smith, Ann"}, Names{"Jones, Bob", "Lee, Sue"}, pairs);
    EXPECT_EQ(pat->partnerId, zed->id);
    EXPECT_EQ(zed->partnerId, pat->id);
    EXPECT_EQ(sue->partnerId, -1);
    EXPECT_EQ(sue->status, kStatusSingle);
    EXPECT_TRUE(frame.IsModified());

    frame.SetModified(false);
    open(Names{"Smith, Ann"}, Names{"Jones, Bob", "Lee, Sue"}, pairs);
    EXPECT_FALSE(frame.IsModified());
}

TEST_F(ChemistryWindowTest, RowsSortByEitherColumn) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    ann->SetPartner(registry, kStatusCommitted, dan->id);
    cat->SetPartner(registry, kStatusCommitted, bob->id);
    NeighborhoodMatchDlg dlg(&frame, registry, &frame.MatchSettings(), wxSize(300, 300));
    EXPECT_EQ(ListRows(dlg.PairList()), (Table{{"Ann Smith", "Dan Jones", "Committed"}, {"Cat Smith", "Bob Jones", "Committed"}}));
    wxListEvent click(wxEVT_LIST_COL_CLICK, dlg.PairList()->GetId());
    click.m_col = 1;
    dlg.PairList()->GetEventHandler()->ProcessEvent(click);
    EXPECT_EQ(ListRows(dlg.PairList()), (Table{{"Cat Smith", "Bob Jones", "Committed"}, {"Ann Smith", "Dan Jones", "Committed"}}));
    dlg.SortRows(0);
    EXPECT_EQ(ListRows(dlg.PairList()), (Table{{"Ann Smith", "Dan Jones", "Committed"}, {"Cat Smith", "Bob Jones", "Committed"}}));
}

// The window shown on the screen, so that real clicks reach its pair list: the pair
// clicked stays selected through a sort, and the pair acted on is the one clicked in
// the sorted order.
TEST_F(ChemistryWindowTest, TheClickedPairStaysSelectedThroughASortAndIsTheOneComparedAndRemoved) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    ann->SetPartner(registry, kStatusCommitted, dan->id);
    cat->SetPartner(registry, kStatusCommitted, bob->id);
    NeighborhoodMatchDlg dlg(&frame, registry, &frame.MatchSettings(), wxSize(300, 300));
    dlg.Show();
    click_test::Settle();
    IdListCtrl* pairs = dlg.PairList();
    // By female: Ann and Dan, Cat and Bob. A click on the second row chooses Cat's pair.
    click_test::ClickRow(pairs, 1);
    EXPECT_EQ(pairs->SelectedId(), cat->id);
    // By male: Cat and Bob come first now, still selected.
    dlg.SortRows(1);
    EXPECT_EQ(Cell(pairs, 0, 0), "Cat Smith");
    EXPECT_EQ(pairs->SelectedRow(), 0);
    EXPECT_EQ(pairs->GetSelectedItemCount(), 1);
    // A double-click on the second row of the sorted list compares Ann and Dan.
    std::string left, right;
    wxTEST_DIALOG(click_test::ClickRow(pairs, 1, true), Answer<CompareChemDlg>([&](CompareChemDlg* compare) {
                      left = Utf8(compare->Heading(0)->GetLabel());
                      right = Utf8(compare->Heading(1)->GetLabel());
                      return wxID_CANCEL;
                  }));
    EXPECT_EQ(left, "Ann Smith");
    EXPECT_EQ(right, "Dan Jones");
    // "<< Remove" after a click on the first row parts Cat and Bob, not Ann and Dan.
    click_test::ClickRow(pairs, 0);
    dlg.RemovePair();
    EXPECT_EQ(cat->partnerId, -1);
    EXPECT_EQ(bob->partnerId, -1);
    EXPECT_EQ(ann->partnerId, dan->id);
    // Cat and Bob are single again: a click on each and "&Add >>" pairs them anew.
    click_test::ClickRow(dlg.Females(), dlg.Females()->FindString("Smith, Cat", true));
    click_test::ClickRow(dlg.Males(), dlg.Males()->FindString("Jones, Bob", true));
    EXPECT_EQ(dlg.Females()->SelectedId(), cat->id);
    EXPECT_EQ(dlg.Males()->SelectedId(), bob->id);
    dlg.AddPair();
    EXPECT_EQ(cat->partnerId, bob->id);
    dlg.Hide();
}

TEST_F(ChemistryWindowTest, ChildStoredInTheSettingsOpensOnChildWithOnlyMatchedUp) {
    NestrelFrame& frame = Build();
    frame.MatchSettings().currentAge = 3;
    Sim* kid = Teen(frame.Registry(), smith, "Kid", false, kLifeStageChild);
    (void)kid;
    NeighborhoodMatchDlg dlg(&frame, frame.Registry(), &frame.MatchSettings(), wxSize(300, 300));
    EXPECT_TRUE(dlg.AgeButton(3)->GetValue());
    EXPECT_EQ(Choices(dlg.StatusChoice()), (Names{"Matched up"}));
    EXPECT_EQ(Entries(dlg.Females()), (Names{"Smith, Kid"}));
}

TEST_F(ChemistryWindowTest, ListsAreRefilledAfterChemistryMatchingAcceptsAMatch) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    ann->AddChemistry(registry, bob->id, kChemistryHigh, true);
    NeighborhoodMatchDlg dlg(&frame, registry, &frame.MatchSettings(), wxSize(300, 300));
    wxTEST_DIALOG(dlg.OpenChemistryMatching(), Answer<ChemMatchDlg>([](ChemMatchDlg* matching) {
                      matching->GenerateResults();
                      EXPECT_TRUE(SelectRow(matching->ResultList(), "Ann Smith"));
                      wxTEST_DIALOG(matching->AcceptMatch(),
                                    Answer<ChemMatchConfirmDlg>([](ChemMatchConfirmDlg*) { return wxID_OK; }));
                      return wxID_CANCEL;
                  }));
    EXPECT_EQ(ListRows(dlg.PairList()), (Table{{"Ann Smith", "Bob Jones", "Matched up"}}));
    EXPECT_EQ(Entries(dlg.Females()), (Names{"Smith, Cat"}));
    EXPECT_TRUE(dlg.Changed());
}

TEST_F(ChemistryWindowTest, EmptyNeighborhoodAndUnusableStoredSizes) {
    NestrelFrame& frame = Build();
    for (const auto& [text, side] : {std::pair{"150", 300}, {"199", 300}, {"200", 200}, {"-1", 300}})
        EXPECT_EQ(MatchmakerDimensionFromText(text), side) << text;
    const wxRect screen = wxDisplay(0u).GetClientArea();
    const struct {
        const char* x;
        const char* y;
    } cases[] = {{"0", "-40"}, {"150", "99999"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        SetConfigValue("matchx", c.x);
        SetConfigValue("matchy", c.y);
        wxTEST_DIALOG(Command(frame, ID_MATCHMAKER), Answer<NeighborhoodMatchDlg>([&](NeighborhoodMatchDlg* dlg) {
                          const wxSize size = dlg->GetSize();
                          EXPECT_GE(size.x, 300);
                          EXPECT_GE(size.y, 200);
                          EXPECT_LE(size.x, std::max(screen.width, dlg->GetMinSize().x));
                          EXPECT_LE(size.y, std::max(screen.height, dlg->GetMinSize().y));
                          return wxID_CANCEL;
                      }));
    }
    // Closed with "&Close", the size shown is stored.
    wxSize shown;
    wxTEST_DIALOG(Command(frame, ID_MATCHMAKER), Answer<NeighborhoodMatchDlg>([&](NeighborhoodMatchDlg* dlg) {
                      shown = dlg->GetSize();
                      dlg->CloseWithSize();
                      return wxID_OK;
                  }));
    EXPECT_EQ(ReadMatchmakerSize(), shown);
    frame.Registry().Clear();
    wxTEST_DIALOG(Command(frame, ID_MATCHMAKER), ExpectMessageBox(wxID_OK, "Empty Neighborhood!", "Message"));
}

TEST_F(ChemistryWindowTest, PairListHasHeadingsAndCompareChemComparesTheSelectedPair) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    cat->SetPartner(registry, kStatusCommitted, dan->id);
    NeighborhoodMatchDlg dlg(&frame, registry, &frame.MatchSettings(), wxSize(300, 300));
    std::vector<std::string> headings;
    for (int c = 0; c < dlg.PairList()->GetColumnCount(); ++c) {
        wxListItem column;
        column.SetMask(wxLIST_MASK_TEXT);
        dlg.PairList()->GetColumn(c, column);
        headings.push_back(Utf8(column.GetText()));
    }
    EXPECT_EQ(headings, (Names{"Female", "Male", "Status"}));
    // Ann and Bob chosen in the side lists, but the pair Cat and Dan chosen in the pair
    // list: the button under the pair list compares that pair.
    Select(dlg.Females(), "Smith, Ann");
    Select(dlg.Males(), "Jones, Bob");
    ASSERT_TRUE(SelectRow(dlg.PairList(), "Cat Smith"));
    std::string left, right;
    wxTEST_DIALOG(dlg.ComparePair(), Answer<CompareChemDlg>([&](CompareChemDlg* compare) {
                      left = Utf8(compare->Heading(0)->GetLabel());
                      right = Utf8(compare->Heading(1)->GetLabel());
                      return wxID_CANCEL;
                  }));
    EXPECT_EQ(left, "Cat Smith");
    EXPECT_EQ(right, "Dan Jones");
}

}  // namespace
