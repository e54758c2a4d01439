// The career information window, the skills table and finding careers by skills,
// opened from the main window's career command.
#include <wx/checklst.h>
#include <wx/listbox.h>
#include <wx/uiaction.h>

#include "careers/CareerDlg.h"
#include "careers/CareerSkillsDlg.h"
#include "careers/CareerTables.h"
#include "careers/FindCareerDlg.h"
#include "reports_support.h"
#include "support/FrameFixture.h"

namespace {

using namespace lists_test;
using namespace reports_test;
using AnswerCareer = Answer<CareerDlg>;
using AnswerSkills = Answer<CareerSkillsDlg>;
using AnswerFind = Answer<FindCareerDlg>;

std::unique_ptr<CareerDefinition> Career(const std::string& name, int32_t number, int32_t skills, bool partTime) {
    auto def = std::make_unique<CareerDefinition>(name, number, skills);
    for (int i = 0; i < kCareerSlots; ++i) {
        const auto s = static_cast<size_t>(i);
        def->positions[s] = name + " P" + std::to_string(i);
        def->friendsPerLevel[s] = i;
        def->salaries[s] = 100 * (i + 1);
        def->hours[s] = "9a-5p";
    }
    if (!partTime) {
        def->positions[11] = def->positions[12] = "";
        def->noPartTimeTrack = true;
    }
    return def;
}

// Checks a skill as a click on its box does: the box, then the list's event.
void CheckSkill(FindCareerDlg* dlg, int item) {
    wxCheckListBox* skills = dlg->Skills();
    skills->Check(static_cast<unsigned>(item), true);
    wxCommandEvent event(wxEVT_CHECKLISTBOX, skills->GetId());
    event.SetEventObject(skills);
    event.SetInt(item);
    skills->GetEventHandler()->ProcessEvent(event);
}

std::vector<int> Checked(FindCareerDlg* dlg) {
    wxArrayInt checked;
    dlg->Skills()->GetCheckedItems(checked);
    return std::vector<int>(checked.begin(), checked.end());
}

// A point inside the row `item` of a list box, in screen coordinates, `x` pixels from
// the list's left edge; found through the list's own hit test.
wxPoint PointOnRow(wxListBox* list, int item, int x) {
    const wxSize size = list->GetClientSize();
    for (int y = 1; y < size.y; ++y)
        if (list->HitTest(wxPoint(x, y)) == item) return list->ClientToScreen(wxPoint(x, y + 4));
    ADD_FAILURE() << "row " << item << " is not shown";
    return wxPoint();
}

// A real mouse click at a point of the screen, and the events it brings.
void ClickAt(const wxPoint& at) {
    wxUIActionSimulator mouse;
    mouse.MouseMove(at);
    PumpEvents();
    mouse.MouseClick();
    for (int i = 0; i < 5; ++i) {
        wxMilliSleep(20);
        PumpEvents();
    }
}

class CareerDialogTest : public FrameTest {
protected:
    // The frame with a career table of its own: Zoology (Cooking, Body, Logic) with a
    // part-time track, and Art (Cooking, Body, Cleaning) without one.
    NestrelFrame& Build() {
        NestrelFrame& frame = BuildFrame();
        frame.Registry().Clear();  // no Sim keeps a definition of the table replaced
        CareerList& careers = frame.CareerInfo().careers;
        careers.Clear();
        careers.Append(Career("Zoology", 1, 1 | 8 | 16, true));
        careers.Append(Career("Art", 2, 1 | 8 | 64, false));
        return frame;
    }
};

TEST_F(CareerDialogTest, LevelRowsOfTheFirstCareerAndNoPartTimeRowsWithoutTheTrack) {
    NestrelFrame& frame = Build();
    std::vector<std::string> names, artMain, artPart, zooMain, zooPart;
    std::string artLabel;
    wxTEST_DIALOG(frame.ProcessCommand(ID_CAREER_INFO), AnswerCareer([&](CareerDlg* dlg) {
                      EXPECT_EQ(Label(dlg), "Career Information");
                      names = Entries(dlg->CareerBox());
                      // The first career in the list's order is shown.
                      artLabel = Label(dlg->CareerName());
                      artMain = ReportRows(dlg->Levels());
                      artPart = ReportRows(dlg->PartTimeLevels());
                      dlg->CareerBox()->SetSelection(1);
                      wxCommandEvent chosen(wxEVT_LISTBOX, dlg->CareerBox()->GetId());
                      chosen.SetInt(1);
                      dlg->CareerBox()->GetEventHandler()->ProcessEvent(chosen);
                      zooMain = ReportRows(dlg->Levels());
                      zooPart = ReportRows(dlg->PartTimeLevels());
                      return wxID_OK;
                  }));
    EXPECT_EQ(names, (std::vector<std::string>{"Art", "Zoology"}));
    EXPECT_EQ(artLabel, "Career Name: Art");
    ASSERT_EQ(artMain.size(), 10u);
    EXPECT_EQ(artMain[0], "0\tArt P0\t0\t9a-5p\t100");
    EXPECT_EQ(artMain[9], "9\tArt P9\t9\t9a-5p\t1000");
    EXPECT_TRUE(artPart.empty());
    ASSERT_EQ(zooMain.size(), 10u);
    EXPECT_EQ(zooPart, (std::vector<std::string>{"10\tZoology P10\t10\t9a-5p\t1100", "11\tZoology P11\t11\t9a-5p\t1200",
                                                 "12\tZoology P12\t12\t9a-5p\t1300"}));
    // The rows are those the command-line tool prints, from the same code.
    const CareerLevels core = CareerLevelRows(*FindCareerByName(frame.CareerInfo().careers, "Zoology"));
    ASSERT_EQ(core.partTime.size(), 3u);
    EXPECT_EQ(zooPart[0], core.partTime[0].level + "\t" + core.partTime[0].position + "\t" + core.partTime[0].friends +
                              "\t" + core.partTime[0].hours + "\t" + core.partTime[0].salary);
}

TEST_F(CareerDialogTest, SkillsTableAndMatchingWithAtMostThreeSkills) {
    NestrelFrame& frame = Build();
    std::vector<std::string> skillRows, bestTwo, allThree, twoOnly;
    std::vector<int> kept;
    wxTEST_DIALOG(frame.ProcessCommand(ID_CAREER_INFO),
                  AnswerCareer([&](CareerDlg* dlg) {
                      dlg->ShowCareerSkills();
                      dlg->MatchSkills();
                      return wxID_OK;
                  }),
                  AnswerSkills([&](CareerSkillsDlg* dlg) {
                      EXPECT_EQ(Label(dlg), "Career Skills");
                      skillRows = ReportRows(dlg->List());
                      return wxID_OK;
                  }),
                  AnswerFind([&](FindCareerDlg* dlg) {
                      // Cooking, Body, Cleaning, then a fourth: Logic.
                      for (int item : {0, 3, 6, 4}) CheckSkill(dlg, item);
                      kept = Checked(dlg);
                      dlg->MatchSkills();
                      bestTwo = Entries(dlg->BestTwo());
                      allThree = Entries(dlg->AllThree());
                      dlg->ToggleSkill(6);  // a second click on Cleaning takes it away
                      dlg->MatchSkills();
                      twoOnly = Entries(dlg->BestTwo());
                      EXPECT_TRUE(Entries(dlg->AllThree()).empty());
                      return wxID_OK;
                  }));
    EXPECT_EQ(skillRows, (std::vector<std::string>{"Zoology\tCooking, Body, Logic", "Art\tCooking, Body, Cleaning"}));
    EXPECT_EQ(kept, (std::vector<int>{0, 3, 6}));
    EXPECT_EQ(allThree, (std::vector<std::string>{"Art"}));
    EXPECT_EQ(bestTwo, (std::vector<std::string>{"Zoology"}));
    EXPECT_EQ(twoOnly, (std::vector<std::string>{"Zoology", "Art"}));
}

TEST_F(CareerDialogTest, WithoutCareersTheCommandSaysSoAndOpensNothing) {
    NestrelFrame& frame = Build();
    frame.CareerInfo().careers.Clear();
    wxTEST_DIALOG(frame.ProcessCommand(ID_CAREER_INFO),
                  ExpectMessageBox(wxID_OK, "No career information available!", "Message"));
}

// The Find Career window on its own, shown on the screen, so that real clicks reach it.
class FindCareerWindowTest : public CareerDialogTest {
protected:
    FindCareerDlg& Open() {
        NestrelFrame& frame = Build();
        // A third career needing two skills, so that "Best 2 of 3:" can hold three names.
        frame.CareerInfo().careers.Append(Career("Chef", 3, 1 | 8, false));
        dlg_ = std::make_unique<FindCareerDlg>(nullptr, &frame.CareerInfo().careers);
        dlg_->Show();
        for (int i = 0; i < 10; ++i) {
            wxMilliSleep(20);
            PumpEvents();
        }
        return *dlg_;
    }
    void TearDown() override {
        if (dlg_) dlg_->Hide();
        dlg_.reset();
        CareerDialogTest::TearDown();
    }
    std::unique_ptr<FindCareerDlg> dlg_;
};

TEST_F(FindCareerWindowTest, PlainClicksChooseThreeSkillsCountedAndASecondClickTakesOneAway) {
    FindCareerDlg& dlg = Open();
    wxCheckListBox* skills = dlg.Skills();
    EXPECT_EQ(Label(dlg.CountText()), "Skills chosen: 0 of 3");
    const int onName = skills->GetClientSize().x / 2;
    // Cooking, Body, Cleaning by plain clicks on their names: all three stay chosen.
    for (int item : {0, 3, 6}) ClickAt(PointOnRow(skills, item, onName));
    EXPECT_EQ(Checked(&dlg), (std::vector<int>{0, 3, 6}));
    EXPECT_EQ(Label(dlg.CountText()), "Skills chosen: 3 of 3");
    // A fourth is refused; the three stay.
    ClickAt(PointOnRow(skills, 4, onName));
    EXPECT_EQ(Checked(&dlg), (std::vector<int>{0, 3, 6}));
    EXPECT_EQ(Label(dlg.CountText()), "Skills chosen: 3 of 3");
    // A second click on Body takes it away, and a third brings it back.
    ClickAt(PointOnRow(skills, 3, onName));
    EXPECT_EQ(Checked(&dlg), (std::vector<int>{0, 6}));
    EXPECT_EQ(Label(dlg.CountText()), "Skills chosen: 2 of 3");
    ClickAt(PointOnRow(skills, 3, onName));
    EXPECT_EQ(Checked(&dlg), (std::vector<int>{0, 3, 6}));
    // A click on a skill's box toggles it once, like a click on its name.
    ClickAt(PointOnRow(skills, 6, 10));
    EXPECT_EQ(Checked(&dlg), (std::vector<int>{0, 3}));
}

TEST_F(FindCareerWindowTest, MatchSaysWhenNothingMatchesAndShowsThreeBestTwoNamesWithoutScrolling) {
    FindCareerDlg& dlg = Open();
    // One skill: nothing can match, and the window says what to do.
    CheckSkill(&dlg, 0);
    dlg.MatchSkills();
    EXPECT_EQ(Label(dlg.MatchNote()), "Choose two or three skills to match.");
    // Mechanical and Charisma: no career needs both.
    dlg.ToggleSkill(0);
    CheckSkill(&dlg, 1);
    CheckSkill(&dlg, 2);
    dlg.MatchSkills();
    EXPECT_TRUE(Entries(dlg.BestTwo()).empty());
    EXPECT_TRUE(Entries(dlg.AllThree()).empty());
    EXPECT_EQ(Label(dlg.MatchNote()), "No career needs both of these skills.");
    CheckSkill(&dlg, 5);  // and Creativity: still nothing
    dlg.MatchSkills();
    EXPECT_EQ(Label(dlg.MatchNote()), "No career needs two or more of these skills.");
    // Cooking, Body, Creativity: three careers need two of them, all shown at once.
    for (int item : {1, 2}) dlg.ToggleSkill(item);
    for (int item : {0, 3}) CheckSkill(&dlg, item);
    dlg.MatchSkills();
    EXPECT_EQ(Entries(dlg.BestTwo()), (std::vector<std::string>{"Zoology", "Art", "Chef"}));
    EXPECT_EQ(Label(dlg.MatchNote()), "");
    PumpEvents();
    EXPECT_GE(dlg.BestTwo()->GetCountPerPage(), 3);
    EXPECT_EQ(dlg.AllThree()->GetSize().y, dlg.BestTwo()->GetSize().y);
    // The note has room for its longest text.
    EXPECT_GE(dlg.MatchNote()->GetSize().x,
              dlg.MatchNote()->GetTextExtent("No career needs two or more of these skills.").x);
}

}  // namespace
