// Text fits at the font in use: on the example neighborhood no row of the family, Sim
// or display list is cut off, the likes chart shows all its rows and columns, and at
// the least height the buttons beside the lists are whole.
#include <filesystem>

#include <wx/bmpbuttn.h>
#include <wx/listctrl.h>
#include <wx/panel.h>

#include "lists_support.h"
#include "social/LikesChartDlg.h"
#include "support/FrameFixture.h"

namespace {

using namespace lists_test;

class FitTest : public FrameTest {
protected:
    NestrelFrame& BuildExample() {
        std::filesystem::copy_file(SourceDir() + "/resources/Data/Example.NBD", installDir_ + "/Saved/DefaultSims.NBD");
        NestrelFrame& frame = BuildFrame();
        frame.RefreshFamilies();
        return frame;
    }
};

// Whether every text of a list's column fits the column's width (with the few
// pixels the list keeps around a text).
void ExpectColumnFits(wxListCtrl* list, int column, const std::vector<wxString>& texts, const char* what) {
    const int width = list->GetColumnWidth(column);
    for (const wxString& text : texts)
        EXPECT_LE(list->GetTextExtent(text).x + 8, width) << what << ": \"" << text << "\" cut off";
}

TEST_F(FitTest, NoRowOfTheListsIsCutOff) {
    NestrelFrame& frame = BuildExample();
    RowListCtrl* families = FamilyBox(frame);
    RowListCtrl* sims = SimBox(frame);
    ASSERT_GT(families->GetCount(), 5u);
    std::vector<wxString> familyRows, simRows, displayNames, displayHours;
    for (unsigned f = 0; f < families->GetCount(); ++f) {
        familyRows.push_back(families->GetString(f));
        Choose(families, static_cast<int>(f));
        for (unsigned s = 0; s < sims->GetCount(); ++s) {
            simRows.push_back(sims->GetString(s));
            Choose(sims, static_cast<int>(s));
            for (int mode : {ID_SHOW_FRIENDS, ID_POSSIBLE_FRIENDS}) {
                frame.ProcessCommand(mode);
                wxListCtrl* display = DisplayCtrl(frame);
                for (long row = 0; row < display->GetItemCount(); ++row) {
                    displayNames.push_back(display->GetItemText(row, 0));
                    displayHours.push_back(display->GetItemText(row, 3));
                }
            }
        }
    }
    ExpectColumnFits(families, 0, familyRows, "family list");
    ExpectColumnFits(sims, 0, simRows, "Sim list");
    ExpectColumnFits(DisplayCtrl(frame), 0, displayNames, "display list names");
    ExpectColumnFits(DisplayCtrl(frame), 3, displayHours, "display list hours");
    // The display list's columns lie inside the list.
    wxListCtrl* display = DisplayCtrl(frame);
    int columns = 0;
    for (int c = 0; c < display->GetColumnCount(); ++c) columns += display->GetColumnWidth(c);
    EXPECT_LE(columns, display->GetClientSize().x);
    EXPECT_LE(families->GetColumnWidth(0), families->GetClientSize().x + 1);
    EXPECT_LE(sims->GetColumnWidth(0), sims->GetClientSize().x + 1);
}

TEST_F(FitTest, TheLikesChartShowsEveryRowAndColumn) {
    NestrelFrame& frame = BuildExample();
    LikesChartDlg chart(&frame);
    chart.Show();
    PumpEvents();
    wxListCtrl* list = chart.ChartList();
    ASSERT_EQ(list->GetItemCount(), 12);
    EXPECT_GE(list->GetCountPerPage(), 12);
    int columns = 0;
    for (int c = 0; c < list->GetColumnCount(); ++c) {
        std::vector<wxString> texts;
        for (long row = 0; row < list->GetItemCount(); ++row) texts.push_back(list->GetItemText(row, c));
        wxListItem heading;
        list->GetColumn(c, heading);
        texts.push_back(heading.GetText());
        ExpectColumnFits(list, c, texts, "likes chart");
        columns += list->GetColumnWidth(c);
    }
    EXPECT_LE(columns, list->GetClientSize().x) << "the Dislikes column runs out of the list";
    chart.Hide();
}

TEST_F(FitTest, AtTheLeastHeightTheFriendButtonsAreWhole) {
    NestrelFrame& frame = BuildExample();
    frame.SetSize(frame.GetMinSize());
    PumpEvents();
    wxWindow* panel = FamilyBox(frame)->GetParent();
    for (int id : {ID_SHOW_FRIENDS, ID_POSSIBLE_FRIENDS, ID_CHEMISTRY_SIMS, ID_EDIT_FRIENDS, ID_EDIT_CHEMISTRY}) {
        wxWindow* button = wxWindow::FindWindowById(id, &frame);
        ASSERT_NE(button, nullptr) << id;
        EXPECT_LE(button->GetRect().GetBottom(), panel->GetClientSize().y) << "button " << id << " clipped";
    }
    // The width stays fixed: only the height can be changed by hand.
    EXPECT_EQ(frame.GetMinSize().x, frame.GetMaxSize().x);
}

}  // namespace
