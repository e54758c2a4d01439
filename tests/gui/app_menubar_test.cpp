// The main window's menu bar against the command table, written out here a second time
// so that a slip in either copy shows.
#include <memory>
#include <vector>

#include <wx/accel.h>
#include <wx/menu.h>

#include "support/FrameFixture.h"

namespace {

struct ExpectedItem {
    int id;  // 0: a separator
    const char* label;
    const char* help;
    int accelFlags;
    int accelKey;  // 0: no accelerator
};

struct ExpectedMenu {
    const char* title;
    std::vector<ExpectedItem> items;
};

constexpr ExpectedItem Rule{0, "", "", 0, 0};
constexpr int Ctrl = wxACCEL_CTRL;

const std::vector<ExpectedMenu> kExpected = {
    {"&File",
     {{17, "&New\tCtrl-N", "New Nestrel file", Ctrl, 'N'},
      {18, "&Save\tCtrl-S", "Save current Nestrel file", Ctrl, 'S'},
      {19, "Sa&ve As\tCtrl-V", "Save Sims with a different file name", Ctrl, 'V'},
      {21, "&Load File\tCtrl-L", "Load a Nestrel file", Ctrl, 'L'},
      {20, "&Backup File\tCtrl-B", "Save Sims to a backup file", Ctrl, 'B'},
      {90, "Export &GEDCOM...", "Write the family history as a GEDCOM file for genealogy programs", 0, 0},
      {22, "&Import Sims...\tCtrl-I", "Import Sims from a file", Ctrl, 'I'},
      {24, "&File Properties", "Show some neighborhood statistics", 0, 0},
      Rule,
      {23, "Se&ttings", "Configure Nestrel settings", 0, 0},
      {1, "E&xit\tAlt-X", "Quit this program", wxACCEL_ALT, 'X'}}},
    {"&Edit",
     {{92, "&Undo\tCtrl+Z", "Take back the last change", Ctrl, 'Z'},
      {93, "&Redo\tCtrl+Shift+Z", "Make the change taken back last again", Ctrl | wxACCEL_SHIFT, 'Z'}}},
    {"&Show",
     {{8, "&MatchMaker\tCtrl-M", "Show an organizer/matchmaker dialog for your neighborhood", Ctrl, 'M'},
      {5, "&Chemistry\tCtrl-C", "Show the chemistry for all sims", Ctrl, 'C'},
      {6, "Chemistry Ma&tching", "Generate best possible matches based on chemistry", 0, 0},
      Rule,
      {9, "Show Sim &Groups", "Shows a specific group of Sims, such as Townies", 0, 0},
      {91, "Show Family &Names", "Lists the names of every family", 0, 0},
      {7, "Show &Homeless\tCtrl-H", "Shows currently homeless families; you can move them in from this dialog.", Ctrl,
       'H'}}},
    {"&List",
     {{10, "&Add Family\tCtrl-A", "Add a family", Ctrl, 'A'},
      {11, "&Edit Family", "Edit selected family", 0, 0},
      {12, "&Delete Selected Sim\tCtrl-D", "Delete selected Sim", Ctrl, 'D'},
      Rule,
      {14, "Move &Out Sims", "Move out some sims from the current family", 0, 0},
      {15, "E&vict Family", "Evict selected family; none of the members will be available to call.", 0, 0},
      {16, "T&ransfer Sim\tCtrl-R", "Transfer current Sim to a new family", Ctrl, 'R'},
      Rule,
      {13, "Refresh Sim List\tF5", "Refresh the list of families", wxACCEL_NORMAL, WXK_F5}}},
    {"F&riends",
     {{37, "Show Current &Friends\tCtrl-Q", "Show current friends of the selected Sim", Ctrl, 'Q'},
      {38, "Show &Possible Friends\tCtrl-W", "Show possible friends for the selected Sim", Ctrl, 'W'},
      {39, "Show &Chemistry Matches", "Show chemistry matches of the selected Sim", 0, 0},
      Rule,
      {42, "Show &Likes/Dislikes Chart", "Shows the astrological signs that each sign likes or dislikes", 0, 0}}},
    {"&Tools",
     {{25, "&Find Sim\tCtrl-F", "Search for a Sim by first name", Ctrl, 'F'},
      {26, "&Name Generator", "Generate a random name for your new Sim", 0, 0},
      {27, "Create Family &Tree...", "Set up the Family Tree for all of your Sims", 0, 0},
      {28, "&Show Family Tree...\tCtrl-T", "Generate and display the Family Tree", Ctrl, 'T'},
      {29, "&Career Info", "Display information for all careers and find one that suits your Sim's skills", 0, 0}}},
    {"&Help",
     {{4, "Help\tF1", "Show help contents", wxACCEL_NORMAL, WXK_F1},
      {2, "About Nestrel", "Show the about dialog", 0, 0},
      {3, "Check for updates", "Queries the website for a newer version", 0, 0}}},
};

std::string Utf8(const wxString& s) { return std::string(s.utf8_str()); }

using MenuBarTest = FrameTest;

TEST_F(MenuBarTest, MatchesTheCommandTable) {
    NestrelFrame& frame = BuildFrame();
    wxMenuBar* bar = frame.GetMenuBar();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->GetMenuCount(), kExpected.size());

    for (size_t m = 0; m < kExpected.size(); ++m) {
        const ExpectedMenu& want = kExpected[m];
        SCOPED_TRACE(want.title);
        EXPECT_EQ(Utf8(bar->GetMenuLabel(m)), want.title);
        const wxMenuItemList& items = bar->GetMenu(m)->GetMenuItems();
        ASSERT_EQ(items.size(), want.items.size());
        size_t i = 0;
        for (const wxMenuItem* item : items) {
            const ExpectedItem& w = want.items[i++];
            SCOPED_TRACE(w.label);
            if (w.id == 0) {
                EXPECT_TRUE(item->IsSeparator());
                continue;
            }
            EXPECT_EQ(item->GetId(), w.id);
            EXPECT_EQ(item->GetKind(), wxITEM_NORMAL);
            EXPECT_EQ(Utf8(item->GetItemLabel()), w.label);
            EXPECT_EQ(Utf8(item->GetHelp()), w.help);
            std::unique_ptr<wxAcceleratorEntry> accel(item->GetAccel());
            if (w.accelKey == 0) {
                EXPECT_EQ(accel, nullptr);
            } else {
                ASSERT_NE(accel, nullptr);
                EXPECT_EQ(accel->GetFlags(), w.accelFlags);
                EXPECT_EQ(accel->GetKeyCode(), w.accelKey);
            }
        }
    }
}

TEST_F(MenuBarTest, EveryItemIdIsUniqueAndReachableFromTheBar) {
    NestrelFrame& frame = BuildFrame();
    for (const ExpectedMenu& menu : kExpected) {
        for (const ExpectedItem& item : menu.items) {
            if (item.id == 0) continue;
            wxMenu* owner = nullptr;
            ASSERT_NE(frame.GetMenuBar()->FindItem(item.id, &owner), nullptr) << item.label;
            EXPECT_EQ(owner, frame.GetMenuBar()->GetMenu(frame.GetMenuBar()->FindMenu(menu.title)));
        }
    }
}

}  // namespace
