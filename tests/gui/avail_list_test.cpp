// The availability list and the list order dialog, opened from the main window.
#include <filesystem>

#include <wx/stattext.h>

#include "avail_support.h"
#include "files_fixture.h"
#include "lists_support.h"
#include "social/MatchmakerSettings.h"
#include "storage/ProgramSettings.h"
#include "support/FrameFixture.h"

namespace {

using namespace avail_test;
using namespace lists_test;

constexpr int kOnePmEntry = 6;  // 13:00

class AvailabilityTest : public FrameTest {
protected:
    // Free at 1 PM: Ann (female, no job), Bob (male, no job), Cal (male, no job).
    // Working 9a-5p: Eve. Homeless: Hal.
    NestrelFrame& Build() {
        NestrelFrame& frame = BuildFrame();
        SimRegistry& reg = frame.Registry();
        reg.Clear();
        Family* young = AddFamily(reg, "Young");
        AddMember(reg, young, "Cal", kLeo, true);
        AddMember(reg, young, "Ann", kLeo, false);
        Family* adams = AddFamily(reg, "Adams");
        AddMember(reg, adams, "Eve", kLeo, false, Job::Employee);
        AddMember(reg, adams, "Bob", kLeo, true);
        Family* gone = AddFamily(reg, "Gone", true);
        AddMember(reg, gone, "Hal", kLeo, true);
        frame.SetModified(false);
        frame.RefreshFamilies();
        return frame;
    }
};

TEST_F(AvailabilityTest, FullListAtOnePmShowsThatHourInTitleBoxAndRows) {
    NestrelFrame& frame = Build();
    ChooseHourEntry(frame, kOnePmEntry);
    std::vector<ListedRow> rows;
    std::string title, box;
    wxTEST_DIALOG(Click(frame, ID_FULL_LIST), AnswerAvailable([&](AvailableDlg* dlg) {
                      title = std::string(dlg->GetTitle().utf8_str());
                      box = Selected(dlg->HourBox());
                      rows = Listed(dlg);
                      return wxID_OK;
                  }));
    EXPECT_EQ(title, "Availability List for: 13:00");
    EXPECT_EQ(box, Entries(HourChoice(frame))[kOnePmEntry]);
    EXPECT_EQ(frame.SelectedHour(), 13);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].name, "Young, Cal");
    EXPECT_EQ(rows[0].hours, "None");
    EXPECT_EQ(rows[0].colour, wxColour(0, 0, 255));
    EXPECT_EQ(rows[1].name, "Young, Ann");
    EXPECT_EQ(rows[1].colour, wxColour(255, 0, 0));
    EXPECT_EQ(rows[2].name, "Adams, Bob");
    EXPECT_FALSE(frame.IsModified());
}

TEST_F(AvailabilityTest, OrderByCancelKeepsRowsAndOkReordersForTheShownHour) {
    NestrelFrame& frame = Build();
    ChooseHourEntry(frame, kOnePmEntry);
    std::vector<std::string> before, afterCancel, afterOk;
    std::vector<std::string> offered;
    std::string title;
    wxTEST_DIALOG(Click(frame, ID_FULL_LIST),
                  AnswerAvailable([&](AvailableDlg* dlg) {
                      before = ListedNames(dlg);
                      wxTEST_DIALOG(dlg->OrderBy(), AnswerOrder([&](FilterSettingsDlg* order) {
                                        order->FirstBox()->SetSelection(3);  // "Last Name"
                                        return wxID_CANCEL;
                                    }));
                      afterCancel = ListedNames(dlg);
                      wxTEST_DIALOG(dlg->OrderBy(), AnswerOrder([&](FilterSettingsDlg* order) {
                                        offered = Entries(order->FirstBox());
                                        order->FirstBox()->SetSelection(3);  // "Last Name"
                                        order->Accept();
                                        return wxID_OK;
                                    }));
                      afterOk = ListedNames(dlg);
                      title = std::string(dlg->GetTitle().utf8_str());
                      return wxID_OK;
                  }));
    EXPECT_EQ(before, (std::vector<std::string>{"Young, Cal", "Young, Ann", "Adams, Bob"}));
    EXPECT_EQ(afterCancel, before);
    EXPECT_EQ(offered, (std::vector<std::string>{"None", "Age", "Gender", "Last Name", "First Name"}));
    // Still 1 PM (Eve works until 5): the list is not silently moved to 7 AM.
    EXPECT_EQ(afterOk, (std::vector<std::string>{"Adams, Bob", "Young, Ann", "Young, Cal"}));
    EXPECT_EQ(title, "Availability List for: 13:00");
    EXPECT_EQ(frame.Settings().firstOrder, 4);
}

TEST_F(AvailabilityTest, ChoosingAnHourInTheBoxRelistsForIt) {
    NestrelFrame& frame = Build();
    ChooseHourEntry(frame, kOnePmEntry);
    std::vector<std::string> atSeven;
    std::string title;
    wxTEST_DIALOG(Click(frame, ID_FULL_LIST), AnswerAvailable([&](AvailableDlg* dlg) {
                      ChooseEntry(dlg->HourBox(), 0);
                      atSeven = ListedNames(dlg);
                      title = std::string(dlg->GetTitle().utf8_str());
                      return wxID_OK;
                  }));
    EXPECT_EQ(title, "Availability List for: 7:00");
    EXPECT_EQ(atSeven, (std::vector<std::string>{"Young, Cal", "Young, Ann", "Adams, Eve", "Adams, Bob"}));
}

TEST_F(AvailabilityTest, OrderDialogFromTheMainWindowOffersAvailabilityAndReordersTheDisplay) {
    NestrelFrame& frame = Build();
    ChooseFamily(frame, "Young");
    ChooseSim(frame, "Cal");
    frame.ShowCurrentFriends();  // a display mode for the refill to use
    std::vector<std::string> offered;
    std::string first, second;
    wxTEST_DIALOG(Click(frame, ID_ORDER), AnswerOrder([&](FilterSettingsDlg* dlg) {
                      offered = Entries(dlg->FirstBox());
                      first = Selected(dlg->FirstBox());
                      second = Selected(dlg->SecondBox());
                      dlg->FirstBox()->SetSelection(3);   // "Gender"
                      dlg->SecondBox()->SetSelection(5);  // "First Name"
                      dlg->Accept();
                      return wxID_OK;
                  }));
    EXPECT_EQ(offered, (std::vector<std::string>{"None", "Age", "Availability", "Gender", "Last Name", "First Name"}));
    EXPECT_EQ(first, "None");
    EXPECT_EQ(second, "None");
    EXPECT_EQ(frame.Settings().firstOrder, 3);
    EXPECT_EQ(frame.Settings().secondOrder, 5);
    // In the settings file at once, with the matchmaker's group.
    ProgramSettings stored;
    MatchmakerSettings match;
    match.currentAge = -7;
    ASSERT_TRUE(ReadSettings(SettingsFilePath(installDir_), stored, &match));
    EXPECT_EQ(stored.firstOrder, 3);
    EXPECT_EQ(stored.secondOrder, 5);
    EXPECT_EQ(match.currentAge, frame.MatchSettings().currentAge);

    // Cancel stores nothing.
    wxTEST_DIALOG(Click(frame, ID_ORDER), AnswerOrder([&](FilterSettingsDlg* dlg) {
                      dlg->FirstBox()->SetSelection(1);
                      return wxID_CANCEL;
                  }));
    EXPECT_EQ(frame.Settings().firstOrder, 3);
}

TEST_F(AvailabilityTest, OkWithAStoredKeyWithoutEntryKeepsIt) {
    NestrelFrame& frame = Build();
    frame.Settings().firstOrder = 2;   // "Availability", not offered by the list's dialog
    frame.Settings().secondOrder = 9;  // damaged
    std::string first, second;
    wxTEST_DIALOG(Click(frame, ID_FULL_LIST), AnswerAvailable([&](AvailableDlg* dlg) {
                      wxTEST_DIALOG(dlg->OrderBy(), AnswerOrder([&](FilterSettingsDlg* order) {
                                        first = Selected(order->FirstBox());
                                        second = Selected(order->SecondBox());
                                        order->Accept();
                                        return wxID_OK;
                                    }));
                      return wxID_OK;
                  }));
    EXPECT_EQ(first, "<none>");
    EXPECT_EQ(second, "<none>");
    EXPECT_EQ(frame.Settings().firstOrder, 2);
    EXPECT_EQ(frame.Settings().secondOrder, 9);
}

TEST_F(AvailabilityTest, HourSelectorWithoutSelectionListsSevenAm) {
    NestrelFrame& frame = Build();
    HourChoice(frame)->SetSelection(wxNOT_FOUND);
    std::string title, box;
    wxTEST_DIALOG(Click(frame, ID_FULL_LIST), AnswerAvailable([&](AvailableDlg* dlg) {
                      title = std::string(dlg->GetTitle().utf8_str());
                      box = Selected(dlg->HourBox());
                      return wxID_OK;
                  }));
    EXPECT_EQ(title, "Availability List for: 7:00");
    EXPECT_EQ(box, Entries(HourChoice(frame))[0]);
    EXPECT_EQ(frame.SelectedHour(), 7);
}

TEST_F(AvailabilityTest, EmptyNeighborhoodListsNobodyAndSaysNothing) {
    NestrelFrame& frame = BuildFrame();
    frame.Registry().Clear();
    frame.RefreshFamilies();
    long count = -1;
    wxTEST_DIALOG(Click(frame, ID_FULL_LIST), AnswerAvailable([&](AvailableDlg* dlg) {
                      count = dlg->List()->GetItemCount();
                      return wxID_OK;
                  }));
    EXPECT_EQ(count, 0);
}

TEST_F(AvailabilityTest, WithoutTheCareerFileHoursAreUnknownAndTheListSaysSo) {
    // Ann works in career 3 (at level 2); Bob has no job. Without the career file Ann's
    // hours cannot be known: she is listed as "Unknown", never as free all day.
    std::filesystem::remove(installDir_ + "/Data/SimCareers.ini");
    WriteTextFile(installDir_ + "/Saved/DefaultSims.NBD",
                  NbdText("[settings]\nCareerVers=0.0\n[Lee]\nNumMembers=2\n"
                          "Name0=Ann\nSign0=64\nStatus0=3\nGender0=0\nAge0=1\nCareer0=3\nLevel0=2\n"
                          "Name1=Bob\nSign1=64\nStatus1=3\nGender1=1\nAge1=1\nCareer1=-2\nLevel1=0\n"));
    wxTEST_DIALOG(BuildFrame(), ExpectMessageBox(wxID_OK, wxString(), "Error"));
    ASSERT_TRUE(frame_);
    std::vector<ListedRow> rows;
    std::string note;
    bool noteShown = false;
    wxTEST_DIALOG(Click(*frame_, ID_FULL_LIST), AnswerAvailable([&](AvailableDlg* dlg) {
                      rows = Listed(dlg);
                      note = std::string(dlg->Note()->GetLabelText().utf8_str());
                      noteShown = dlg->Note()->IsShown();
                      return wxID_OK;
                  }));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].name, "Lee, Ann");
    EXPECT_EQ(rows[0].hours, "Unknown");
    EXPECT_EQ(rows[1].name, "Lee, Bob");
    EXPECT_EQ(rows[1].hours, "None");
    EXPECT_TRUE(noteShown);
    EXPECT_NE(note.find("Working hours are unknown without the career file"), std::string::npos) << note;
}

TEST_F(AvailabilityTest, WithTheCareerFileNoNoteIsShown) {
    NestrelFrame& frame = Build();
    bool noteShown = true;
    wxTEST_DIALOG(Click(frame, ID_FULL_LIST), AnswerAvailable([&](AvailableDlg* dlg) {
                      noteShown = dlg->Note()->IsShown();
                      return wxID_OK;
                  }));
    EXPECT_FALSE(noteShown);
}

}  // namespace
