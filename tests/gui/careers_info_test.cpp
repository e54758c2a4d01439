// The career information window, the skills table and finding careers by skills,
// opened from the main window's career command.
#include <wx/listbox.h>

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
                      wxListBox* skills = dlg->Skills();
                      // Cooking, Body, Cleaning, then a fourth: Logic.
                      for (int item : {0, 3, 6, 4}) {
                          skills->SetSelection(item);
                          wxCommandEvent event(wxEVT_LISTBOX, skills->GetId());
                          event.SetEventObject(skills);
                          event.SetInt(item);
                          skills->GetEventHandler()->ProcessEvent(event);
                      }
                      wxArrayInt selected;
                      skills->GetSelections(selected);
                      kept.assign(selected.begin(), selected.end());
                      dlg->MatchSkills();
                      bestTwo = Entries(dlg->BestTwo());
                      allThree = Entries(dlg->AllThree());
                      skills->Deselect(6);
                      dlg->MatchSkills();
                      twoOnly = Entries(dlg->BestTwo());
                      EXPECT_TRUE(Entries(dlg->AllThree()).empty());
                      return wxID_OK;
                  }));
    EXPECT_EQ(skillRows, (std::vector<std::string>{"Zoology\tCooking, Body, Logic, ", "Art\tCooking, Body, Cleaning, "}));
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

}  // namespace
