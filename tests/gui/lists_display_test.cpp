// The display list: its columns, rows, colours by highlight mode, order, the hour
// selector and the activation of a row; and the controls the panel starts with.
#include <functional>

#include <wx/panel.h>

#include "availability/AvailableDlg.h"
#include "editing_support.h"
#include "settings/FilterSettingsDlg.h"
#include "common/FontScale.h"
#include "lists_support.h"
#include "reports/ShowSimDlg.h"
#include "storage/ProgramSettings.h"
#include "support/FrameFixture.h"

namespace {

using namespace lists_test;

const wxColour kHlText(1, 2, 3), kHlBack(4, 5, 6), kListText(7, 8, 9), kListBack(10, 11, 12);

// Rose (Leo, unemployed) has three friends: Ed works 9a-5p, Flo has no hours, and
// Hal's family is homeless.
class DisplayListTest : public FrameTest {
protected:
    NestrelFrame& Build() {
        NestrelFrame& frame = BuildFrame();
        SimRegistry& registry = frame.Registry();
        Family* home = AddFamily(registry, "Home");
        rose_ = AddMember(registry, home, "Rose", kLeo, false);
        Sim* ed = AddMember(registry, AddFamily(registry, "Work"), "Ed", kPisces, true, Job::Employee);
        Sim* flo = AddMember(registry, AddFamily(registry, "Idle"), "Flo", kGemini, false);
        Sim* hal = AddMember(registry, AddFamily(registry, "Road", true), "Hal", kVirgo, true, Job::Employee);
        for (Sim* other : {ed, flo, hal}) rose_->AddFriend(registry, other->id, true);
        ProgramSettings& settings = frame.Settings();
        settings.hlColor = {1, 2, 3};
        settings.hlBgColor = {4, 5, 6};
        settings.lcColor = {7, 8, 9};
        settings.lcBgColor = {10, 11, 12};
        frame.RefreshFamilies();
        ChooseFamily(frame, "Home");
        return frame;
    }
    Sim* rose_ = nullptr;
};

TEST_F(DisplayListTest, PanelStartsWithItsControlsAndTheFirstHour) {
    NestrelFrame& frame = BuildFrame();
    wxComboBox* hours = HourChoice(frame);
    ASSERT_EQ(hours->GetCount(), 18u);
    EXPECT_EQ(hours->GetSelection(), 0);
    EXPECT_EQ(frame.SelectedHour(), 7);
    EXPECT_EQ(Utf8(hours->GetString(0)), " 7  AM");
    EXPECT_EQ(Utf8(hours->GetString(5)), " 12 PM (Noon)");
    EXPECT_EQ(Utf8(hours->GetString(6)), " 1  PM");
    EXPECT_EQ(Utf8(hours->GetString(17)), " 12 AM (Midnight)");
    EXPECT_TRUE(hours->HasFlag(wxCB_READONLY));
    EXPECT_EQ(hours->GetSize().x, FontScaledWidth(hours, 110));

    EXPECT_EQ(DisplayLabel(frame), "Display List:");
    wxListCtrl* list = DisplayCtrl(frame);
    EXPECT_TRUE(list->InReportView());
    EXPECT_TRUE(list->HasFlag(wxLC_HRULES) && list->HasFlag(wxLC_VRULES));
    const char* names[] = {"Name and Sign", "F?", "A?", "Hours"};
    const int widths[] = {154, 33, 33, 60};
    ASSERT_EQ(list->GetColumnCount(), 4);
    for (int c = 0; c < 4; ++c) {
        wxListItem column;
        column.SetMask(wxLIST_MASK_TEXT);
        list->GetColumn(c, column);
        EXPECT_EQ(Utf8(column.GetText()), names[c]);
        EXPECT_EQ(list->GetColumnWidth(c), FontScaledWidth(list, widths[c]));
    }
    for (int id : {ID_ADD_FAMILY, ID_EDIT_FAMILY, ID_DELETE_SIM, ID_SHOW_FRIENDS, ID_POSSIBLE_FRIENDS,
                   ID_CHEMISTRY_SIMS, ID_EDIT_FRIENDS, ID_EDIT_CHEMISTRY}) {
        auto* button = Control<wxBitmapButton>(frame, id);
        ASSERT_NE(button, nullptr);
        EXPECT_TRUE(button->GetBitmapLabel().IsOk()) << id;
    }
    for (int id : {ID_FULL_LIST, ID_ORDER}) EXPECT_NE(Control<wxButton>(frame, id), nullptr);
    for (RowListCtrl* list : {FamilyBox(frame), SimBox(frame)}) {
        // The rows come sorted; one row at a time is chosen.
        EXPECT_FALSE(list->HasFlag(wxLC_SORT_ASCENDING) || list->HasFlag(wxLC_SORT_DESCENDING));
        EXPECT_TRUE(list->HasFlag(wxLC_SINGLE_SEL));
    }

    // The lists take the height the window gets.
    const int before = DisplayCtrl(frame)->GetSize().y;
    frame.SetSize(wxSize(frame.GetSize().x, before + 700));
    frame.Layout();
    EXPECT_GT(DisplayCtrl(frame)->GetSize().y, before + 150);
    EXPECT_GT(FamilyBox(frame)->GetSize().y, before + 150);
}

TEST_F(DisplayListTest, PanelButtonsAndTheirMenuItemsReachTheWindow) {
    // Every command button is handled whether it sends a button event (a click) or a
    // menu event (its menu item or tool); the commands of windows still to come as well.
    NestrelFrame& frame = BuildFrame();
    // Add Family opens the family dialog either way.
    {
        wxWindow* button = wxWindow::FindWindowById(ID_ADD_FAMILY, &frame);
        ASSERT_NE(button, nullptr);
        for (wxEventType type : {wxEVT_BUTTON, wxEVT_MENU}) {
            wxCommandEvent event(type, ID_ADD_FAMILY);
            event.SetEventObject(button);
            bool handled = false;
            wxTEST_DIALOG(handled = button->GetEventHandler()->ProcessEvent(event),
                          editing_test::AnswerFamily([](NewFamilyDlg*) { return wxID_CANCEL; }));
            EXPECT_TRUE(handled) << "Add Family unhandled";
        }
    }
    // "Full List" and "Order.." open their dialogs either way.
    for (int id : {ID_FULL_LIST, ID_ORDER}) {
        wxWindow* button = wxWindow::FindWindowById(id, &frame);
        ASSERT_NE(button, nullptr) << id;
        for (wxEventType type : {wxEVT_BUTTON, wxEVT_MENU}) {
            wxCommandEvent event(type, id);
            event.SetEventObject(button);
            bool handled = false;
            if (id == ID_FULL_LIST) {
                wxTEST_DIALOG(handled = button->GetEventHandler()->ProcessEvent(event),
                              editing_test::Answer<AvailableDlg>([](AvailableDlg*) { return wxID_OK; }));
            } else {
                wxTEST_DIALOG(handled = button->GetEventHandler()->ProcessEvent(event),
                              editing_test::Answer<FilterSettingsDlg>([](FilterSettingsDlg*) { return wxID_CANCEL; }));
            }
            EXPECT_TRUE(handled) << "id " << id << " unhandled";
        }
    }
    // These ask for a selection first, which the empty neighborhood does not have.
    for (int id : {ID_EDIT_FAMILY, ID_DELETE_SIM, ID_SHOW_FRIENDS, ID_POSSIBLE_FRIENDS, ID_CHEMISTRY_SIMS,
                   ID_EDIT_FRIENDS, ID_EDIT_CHEMISTRY}) {
        wxWindow* button = wxWindow::FindWindowById(id, &frame);
        ASSERT_NE(button, nullptr) << id;
        for (wxEventType type : {wxEVT_BUTTON, wxEVT_MENU}) {
            wxCommandEvent event(type, id);
            event.SetEventObject(button);
            bool handled = false;
            wxTEST_DIALOG(handled = button->GetEventHandler()->ProcessEvent(event),
                          wxExpectModal<wxMessageDialog>(wxID_OK));
            EXPECT_TRUE(handled) << "id " << id << " unhandled";
        }
    }
}

TEST_F(DisplayListTest, PanelTakesTheColoursOfTheSettingsFile) {
    ProgramSettings stored;
    stored.bgColor = {10, 20, 30};
    stored.textColor = {200, 0, 0};
    stored.highlight = 2;
    ASSERT_TRUE(WriteSettings(SettingsFilePath(installDir_), stored, nullptr));
    NestrelFrame& frame = BuildFrame();
    auto* panel = dynamic_cast<wxPanel*>(wxWindow::FindWindowByName("panel", &frame));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->GetBackgroundColour(), wxColour(10, 20, 30));
    EXPECT_EQ(panel->GetForegroundColour(), wxColour(200, 0, 0));
    EXPECT_EQ(frame.Settings().highlight, 2);
    EXPECT_EQ(frame.Settings().lcBgColor, (RgbColor{255, 255, 255}));  // not in the file: default
}

TEST_F(DisplayListTest, MissingSettingsFileLeavesTheDefaults) {
    NestrelFrame& frame = BuildFrame();
    auto* panel = dynamic_cast<wxPanel*>(wxWindow::FindWindowByName("panel", &frame));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->GetBackgroundColour(), *wxWHITE);
    EXPECT_EQ(frame.Settings().highlight, 0);
    EXPECT_TRUE(frame.Settings().askToSave);
}

// At 10 AM Ed is at work, Flo is free and Hal is homeless, in each highlight mode.
TEST_F(DisplayListTest, RowsAndColoursFollowTheHighlightMode) {
    const wxColour blue(0, 0, 255), red(255, 0, 0);
    struct Case {
        int highlight;
        wxColour edText, edBack, floText, floBack, halText;
    } cases[] = {
        {0, kListText, kListBack, kListText, kListBack, kListText},
        {1, kListText, kListBack, kHlText, kHlBack, kListText},
        {2, blue, kListBack, red, kListBack, blue},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.highlight);
        NestrelFrame& frame = Build();
        frame.Settings().highlight = c.highlight;
        ChooseHourEntry(frame, 3);
        EXPECT_EQ(frame.SelectedHour(), 10);
        frame.ProcessCommand(ID_SHOW_FRIENDS);
        const std::vector<ShownRow> rows = Shown(frame);
        ASSERT_EQ(rows.size(), 3u);
        EXPECT_EQ(rows[0].name, "Ed Work (Pisces)");
        EXPECT_EQ(rows[0].isFriend, "Yes");
        EXPECT_EQ(rows[0].available, "No");
        EXPECT_EQ(rows[0].hours, "9a-5p");
        EXPECT_EQ(rows[0].text, c.edText);
        EXPECT_EQ(rows[0].background, c.edBack);
        EXPECT_EQ(rows[1].name, "Flo Idle (Gemini)");
        EXPECT_EQ(rows[1].available, "Yes");
        EXPECT_EQ(rows[1].hours, "None");
        EXPECT_EQ(rows[1].text, c.floText);
        EXPECT_EQ(rows[1].background, c.floBack);
        EXPECT_EQ(rows[2].name, "Hal Road (Virgo)");
        EXPECT_EQ(rows[2].available, "**");
        EXPECT_EQ(rows[2].text, c.halText);
        // Each row stands for its Sim.
        EXPECT_EQ(frame.Registry().FindSim(rows[1].simId)->firstName, "Flo");
        frame.Destroy();
        PumpEvents();
    }
}

TEST_F(DisplayListTest, OrderKeysSortTheRows) {
    struct Case {
        int first, second;
        std::vector<std::string> names;
    } cases[] = {
        {0, 0, {"Ed Work (Pisces)", "Flo Idle (Gemini)", "Hal Road (Virgo)"}},
        {4, 0, {"Flo Idle (Gemini)", "Hal Road (Virgo)", "Ed Work (Pisces)"}},
        {2, 5, {"Flo Idle (Gemini)", "Ed Work (Pisces)", "Hal Road (Virgo)"}},  // free first at 10
        {3, 5, {"Flo Idle (Gemini)", "Ed Work (Pisces)", "Hal Road (Virgo)"}},  // women first
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.first << "," << c.second);
        NestrelFrame& frame = Build();
        frame.Settings().firstOrder = c.first;
        frame.Settings().secondOrder = c.second;
        ChooseHourEntry(frame, 3);
        frame.ProcessCommand(ID_SHOW_FRIENDS);
        EXPECT_EQ(ShownNames(frame), c.names);
        frame.Destroy();
        PumpEvents();
    }
}

TEST_F(DisplayListTest, LastNameOrderIgnoresCaseAndThenUsesTheFirstName) {
    NestrelFrame& frame = BuildFrame();
    SimRegistry& registry = frame.Registry();
    Sim* me = AddMember(registry, AddFamily(registry, "Me"), "Mo", kLeo, true);
    Family* smith = AddFamily(registry, "smith");
    Family* adams = AddFamily(registry, "Adams");
    for (Sim* other : {AddMember(registry, smith, "zed", kLeo, true), AddMember(registry, adams, "Bea", kLeo, false),
                       AddMember(registry, smith, "Amy", kLeo, false), AddMember(registry, adams, "al", kLeo, true)})
        me->AddFriend(registry, other->id, true);
    frame.Settings().firstOrder = 4;
    frame.RefreshFamilies();
    ChooseFamily(frame, "Me");
    frame.ProcessCommand(ID_SHOW_FRIENDS);
    EXPECT_EQ(ShownNames(frame),
              (std::vector<std::string>{"al Adams (Leo)", "Bea Adams (Leo)", "Amy smith (Leo)", "zed smith (Leo)"}));
}

TEST_F(DisplayListTest, ChoosingAnHourRefreshesTheCurrentMode) {
    NestrelFrame& frame = Build();
    frame.ProcessCommand(ID_SHOW_FRIENDS);
    EXPECT_EQ(Shown(frame)[0].available, "Yes");  // Ed at 7 AM: work starts at 9
    ChooseHourEntry(frame, 3);
    EXPECT_EQ(Shown(frame)[0].available, "No");
    ChooseHourEntry(frame, 11);  // 6 PM
    EXPECT_EQ(frame.SelectedHour(), 18);
    EXPECT_EQ(Shown(frame)[0].available, "Yes");
    EXPECT_EQ(DisplayLabel(frame), "Current Friends:");
}

TEST_F(DisplayListTest, EveryModeNameIsReadInFull) {
    NestrelFrame& frame = Build();
    auto* label = dynamic_cast<wxStaticText*>(wxWindow::FindWindowByName("displayLabel", &frame));
    ASSERT_NE(label, nullptr);
    for (int id : {ID_SHOW_FRIENDS, ID_POSSIBLE_FRIENDS, ID_CHEMISTRY_SIMS}) {
        frame.ProcessCommand(id);
        frame.Layout();
        EXPECT_GE(label->GetSize().x, label->GetTextExtent(label->GetLabel()).x) << DisplayLabel(frame);
    }
    EXPECT_EQ(DisplayLabel(frame), "Chemistry Sims:");
}

TEST_F(DisplayListTest, ChoosingAnHourBeforeAnyModeShowsNothing) {
    NestrelFrame& frame = Build();
    SimBox(frame)->SetSelection(wxNOT_FOUND);  // a refresh would have to complain
    ChooseHourEntry(frame, 5);
    EXPECT_EQ(frame.SelectedHour(), 12);
    EXPECT_EQ(DisplayCtrl(frame)->GetItemCount(), 0);
    EXPECT_EQ(DisplayLabel(frame), "Display List:");
}

TEST_F(DisplayListTest, ChoosingAnHourInAnEmptyNeighborhoodAsksForNothing) {
    NestrelFrame& frame = Build();
    frame.ProcessCommand(ID_SHOW_FRIENDS);
    frame.Registry().Clear();
    frame.RefreshFamilies();
    ChooseHourEntry(frame, 17);  // no Sim to show: no message either
    EXPECT_EQ(frame.SelectedHour(), 24);
    EXPECT_EQ(DisplayCtrl(frame)->GetItemCount(), 3);  // left as it was
}

TEST_F(DisplayListTest, NoFriendsRowIsInvalidWhenActivated) {
    NestrelFrame& frame = BuildFrame();
    AddMember(frame.Registry(), AddFamily(frame.Registry(), "Lone"), "Lyn", kLeo, false);
    frame.RefreshFamilies();
    frame.ProcessCommand(ID_SHOW_FRIENDS);
    const std::vector<ShownRow> rows = Shown(frame);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].name, "No friends found");
    EXPECT_EQ(rows[0].isFriend, "");
    EXPECT_EQ(rows[0].simId, -1);
    wxTEST_DIALOG(Activate(DisplayCtrl(frame), 0),
                  ExpectMessageBox(wxID_OK, "The Item is invalid. Please select another.", "Message"));
    EXPECT_EQ(ShownNames(frame), std::vector<std::string>{"No friends found"});
}

TEST_F(DisplayListTest, ActivatingARowRefreshesTheList) {
    NestrelFrame& frame = Build();
    frame.ProcessCommand(ID_SHOW_FRIENDS);
    // A change the list has not seen yet shows after the activation.
    SimRegistry& registry = frame.Registry();
    Sim* newcomer = AddMember(registry, AddFamily(registry, "New"), "Nia", kLeo, false);
    rose_->AddFriend(registry, newcomer->id, true);
    // The row's Sim card opens first; any other dialog or message fails the test.
    wxTEST_DIALOG(Activate(DisplayCtrl(frame), 0), editing_test::Answer<ShowSimDlg>([](ShowSimDlg*) { return wxID_OK; }));
    EXPECT_EQ(DisplayCtrl(frame)->GetItemCount(), 4);
}

TEST_F(DisplayListTest, ClearingAndDisablingFromTheFileCommands) {
    NestrelFrame& frame = Build();
    frame.ProcessCommand(ID_SHOW_FRIENDS);
    ASSERT_EQ(DisplayCtrl(frame)->GetItemCount(), 3);
    frame.ClearDisplayList();
    EXPECT_EQ(DisplayCtrl(frame)->GetItemCount(), 0);
    frame.EnableHourChoice(false);
    EXPECT_FALSE(HourChoice(frame)->IsEnabled());
    frame.EnableHourChoice(true);
    EXPECT_TRUE(HourChoice(frame)->IsEnabled());
}

TEST_F(DisplayListTest, RefillingTheListClearsItsSelection) {
    NestrelFrame& frame = Build();
    SimRegistry& registry = frame.Registry();
    Sim* ed = registry.FindSimByName("Ed Work");
    ASSERT_NE(ed, nullptr);
    ed->AddFriend(registry, registry.FindSimByName("Flo Idle")->id, true);
    // Another mode, and another Sim, each after a row was selected.
    const std::vector<std::function<void()>> refills = {
        [&] { frame.ProcessCommand(ID_POSSIBLE_FRIENDS); },
        [&] {
            ChooseFamily(frame, "Work");
            ChooseSim(frame, "Ed");
        },
    };
    for (size_t i = 0; i < refills.size(); ++i) {
        SCOPED_TRACE(i);
        ChooseFamily(frame, "Home");
        ChooseSim(frame, "Rose");
        frame.ProcessCommand(ID_SHOW_FRIENDS);
        wxListCtrl* list = DisplayCtrl(frame);
        ASSERT_GE(list->GetItemCount(), 2);
        list->SetItemState(1, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                           wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
        ASSERT_EQ(list->GetSelectedItemCount(), 1);
        refills[i]();
        EXPECT_GT(list->GetItemCount(), 0);
        EXPECT_EQ(list->GetSelectedItemCount(), 0);
        EXPECT_EQ(list->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED), -1);
    }
}

}  // namespace
