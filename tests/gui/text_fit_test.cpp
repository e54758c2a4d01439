// Texts that used to be cut off: the "Crush or Love" type in the comparison and the
// chemistry picker, Make Match's status box and candidate names, and the move-out
// list of a large family. Each window is shown, so that the sizes are those on screen.
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/listctrl.h>

#include "chemistry/CompareChemDlg.h"
#include "chemistry_support.h"
#include "editing/EnterFriendsDlg.h"
#include "editing/MakeMatchDlg.h"
#include "moves/MoveOutDlg.h"

namespace {

using namespace chemistry_test;

void ShowNow(wxWindow& window) {
    window.Show();
    for (int i = 0; i < 10; ++i) {
        wxMilliSleep(15);
        PumpEvents();
    }
}

// The widest entry of a list box, as its font draws it.
int WidestEntry(wxListBox* list) {
    int widest = 0;
    for (unsigned i = 0; i < list->GetCount(); ++i) widest = std::max(widest, list->GetTextExtent(list->GetString(i)).x);
    return widest;
}

class TextFitTest : public ChemistryWindowTest {};

TEST_F(TextFitTest, CrushOrLoveFitsTheComparisonAndTheChemistryPicker) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    ann->AddChemistry(registry, bob->id, kChemistryCrush, true);
    CompareChemDlg compare(&frame, registry, ann->id, bob->id);
    ShowNow(compare);
    wxListCtrl* list = compare.List(0);
    ASSERT_EQ(list->GetItemCount(), 1);
    EXPECT_EQ(list->GetItemText(0, 1), "Crush or Love");
    EXPECT_GE(list->GetColumnWidth(1), list->GetTextExtent("Crush or Love").x + 12);
    EXPECT_GE(list->GetClientSize().x, list->GetColumnWidth(0) + list->GetColumnWidth(1));
    compare.Hide();

    EnterChemistryDlg picker(&frame, registry, ChemistryOf(*ann), ann);
    ShowNow(picker);
    wxListBox* chosen = picker.SelectedColumn();
    ASSERT_EQ(chosen->GetCount(), 1u);
    EXPECT_EQ(chosen->GetString(0), "Bob Jones, Crush or Love");
    EXPECT_GE(chosen->GetClientSize().x, WidestEntry(chosen) + 8);
    picker.Hide();
}

TEST_F(TextFitTest, MakeMatchShowsTheWholeStatusAndEveryCandidateName) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    Teen(registry, jones, "Maximiliano-Bartholomew", true);
    MakeMatchDlg dlg(&frame, registry, kStatusCommitted, -1, ann, kLifeStageTeen);
    ShowNow(dlg);
    wxComboBox* status = dlg.StatusCombo();
    EXPECT_EQ(status->GetStringSelection(), "Committed");
    // At least as wide as the toolkit wants it for its longest entry.
    EXPECT_GE(status->GetSize().x, status->GetBestSize().x);
    wxListBox* candidates = dlg.CandidateList();
    const int jonesAt = dlg.FamilyList()->FindString("Jones");
    ASSERT_NE(jonesAt, wxNOT_FOUND);
    dlg.FamilyList()->SetSelection(jonesAt);
    wxCommandEvent chosen(wxEVT_LISTBOX, dlg.FamilyList()->GetId());
    chosen.SetEventObject(dlg.FamilyList());
    chosen.SetInt(jonesAt);
    dlg.FamilyList()->GetEventHandler()->ProcessEvent(chosen);
    ASSERT_GT(candidates->GetCount(), 0u);
    EXPECT_GE(candidates->GetClientSize().x, WidestEntry(candidates) + 8);
    dlg.Hide();
}

TEST_F(TextFitTest, MoveOutShowsEveryMemberOfASevenSimFamily) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    for (const char* first : {"Dee", "Eve", "Fay", "Gil"}) Teen(registry, smith, first, false);
    ASSERT_EQ(smith->members.Count(), 7u);
    MoveOutDlg dlg(&frame, registry, smith->id);
    ShowNow(dlg);
    EXPECT_EQ(dlg.Members()->GetCount(), 7u);
    EXPECT_GE(dlg.Members()->GetCountPerPage(), 7);
    EXPECT_GE(dlg.Members()->GetClientSize().x, WidestEntry(dlg.Members()) + 8);
    dlg.Hide();
}

}  // namespace
