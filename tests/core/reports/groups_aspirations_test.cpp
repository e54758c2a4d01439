// The Sim groups, the aspiration summary and the neighborhood figures.
#include "model/ModelFixture.h"
#include "model/Vocabulary.h"
#include "reports/AspirationSummary.h"
#include "reports/NeighborhoodFigures.h"
#include "reports/SimGroups.h"

namespace {

std::vector<std::string> Names(const std::vector<GroupRow>& rows) {
    std::vector<std::string> names;
    for (const GroupRow& r : rows) names.push_back(r.name);
    return names;
}

class GroupsTest : public ModelTest {
protected:
    Sim* Member(Family* f, const std::string& first, int32_t stage, bool townie, bool vampire = false) {
        Sim* sim = MakeSim(f, first);
        sim->career.lifeStage = stage;
        sim->townie = townie;
        sim->vampire = vampire;
        return sim;
    }
};

TEST_F(GroupsTest, TownieRowsByNameAndByLifeStageYoungestFirst) {
    Family* a = MakeFamily("Alpha");
    Family* b = MakeFamily("beta");
    Member(a, "zed", kLifeStageElder, true);
    Member(a, "Amy", kLifeStageChild, true);
    Member(a, "Nontownie", kLifeStageAdult, false);
    Member(b, "Carl", kLifeStageTeen, true, true);
    Member(b, "bob", kLifeStageAdult, true);
    Member(b, "Abe", kLifeStageTeen, true);

    const std::vector<GroupRow> byName = GroupRows(reg.families, SimGroup::Townie, GroupOrder::ByName);
    EXPECT_EQ(Names(byName), (std::vector<std::string>{"Abe beta", "Amy Alpha", "bob beta", "Carl beta", "zed Alpha"}));
    EXPECT_EQ(byName[1].age, "Child");

    const std::vector<GroupRow> byAge = GroupRows(reg.families, SimGroup::Townie, GroupOrder::ByLifeStage);
    std::vector<int32_t> stages;
    for (const GroupRow& r : byAge) stages.push_back(r.lifeStage);
    EXPECT_EQ(stages, (std::vector<int32_t>{3, 2, 2, 1, 0}));
    // Equal rows keep the list's insertion order: the one found last is on top.
    EXPECT_EQ(byAge[1].name, "Abe beta");
    EXPECT_EQ(byAge[2].name, "Carl beta");

    // A Townie who is a Vampire is in both groups.
    EXPECT_EQ(Names(GroupRows(reg.families, SimGroup::Vampire, GroupOrder::ByName)), (std::vector<std::string>{"Carl beta"}));
    EXPECT_TRUE(GroupRows(reg.families, SimGroup::AtCollege, GroupOrder::ByName).empty());
    EXPECT_EQ(SimGroupText(SimGroup::AtCollege), "At College");
}

TEST_F(GroupsTest, NameSortIsRightBeyondTheFirstEightLetters) {
    Family* f = MakeFamily("Longfamilyname");
    for (const char* first : {"Bartholomewc", "bartholomewA", "BARTHOLOMEWb", "Bart"}) Member(f, first, 1, true);
    EXPECT_EQ(Names(GroupRows(reg.families, SimGroup::Townie, GroupOrder::ByName)),
              (std::vector<std::string>{"Bart Longfamilyname", "bartholomewA Longfamilyname",
                                        "BARTHOLOMEWb Longfamilyname", "Bartholomewc Longfamilyname"}));
}

class AspirationTest : public ModelTest {};

TEST_F(AspirationTest, CountsAndListsLeaveOutChildrenAndTowniesAlike) {
    Family* f = MakeFamily("Smith");
    for (const char* first : {"Bea", "Al"}) MakeSim(f, first)->aspiration = 3;
    Sim* kid = MakeSim(f, "Kid");
    kid->aspiration = 3;
    kid->career.lifeStage = kLifeStageChild;
    Sim* townie = MakeSim(f, "Tom");
    townie->aspiration = 3;
    townie->townie = true;
    MakeSim(f, "Zoe")->aspiration = 5;

    const std::vector<AspirationRow> rows = AspirationSummaryRows(reg);
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[3].text, "Romance");
    EXPECT_EQ(rows[3].count, 2u);
    EXPECT_EQ(rows[5].count, 1u);
    EXPECT_EQ(rows[0].count, 0u);
    EXPECT_EQ(AspirationSimNames(reg, 3), (std::vector<std::string>{"Al Smith", "Bea Smith"}));
    for (const AspirationRow& row : rows) EXPECT_EQ(row.count, AspirationSimNames(reg, row.aspiration).size()) << row.text;
    EXPECT_EQ(AspirationLeftOutCount(reg), 2u);
    EXPECT_EQ(AspirationLeftOutNote(2), "Children and Townies are not counted or listed: 2 left out.");
    EXPECT_TRUE(AspirationSimNames(reg, 9).empty());
    EXPECT_EQ(AspirationCodeForText("romance"), 3);
    EXPECT_EQ(AspirationCodeForText("Greed"), -1);

    // After the neighborhood is emptied, the summary counts zeros, not the old groups.
    reg.Clear();
    for (const AspirationRow& row : AspirationSummaryRows(reg)) EXPECT_EQ(row.count, 0u) << row.text;
    EXPECT_EQ(AspirationLeftOutCount(reg), 0u);
}

class FiguresTest : public ModelTest {};

TEST_F(FiguresTest, CountsAndSharesMatchTheRegistrysOwnCounts) {
    reg.name = "C:\\Games\\Saved\\Town.NBD";
    Family* f = MakeFamily("Smith");
    Family* g = MakeFamily("Jones");
    reg.SetHomeless(g, true);
    for (int i = 0; i < 3; ++i) MakeSim(f, "M" + std::to_string(i), 64, true);
    for (int i = 0; i < 4; ++i) MakeSim(g, "F" + std::to_string(i), 64, false)->career.lifeStage = i;
    MakeSim(f, "F9", 64, false);
    const NeighborhoodFigures fig = ComputeNeighborhoodFigures(reg);
    EXPECT_EQ(fig.fileName, "Town.NBD");
    EXPECT_EQ(fig.families, 1u);  // Jones is homeless: counted apart
    EXPECT_EQ(fig.homelessFamilies, 1u);
    EXPECT_EQ(fig.sims, 8u);
    EXPECT_EQ(fig.males, reg.CountMales());
    EXPECT_EQ(fig.females, reg.CountFemales());
    EXPECT_EQ(fig.childrenAndTeens, reg.CountTeensAndChildren());
    const auto rows = NeighborhoodInfoRows(fig);
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[0], (std::pair<std::string, std::string>{"Name: ", "Town.NBD"}));
    EXPECT_EQ(rows[1], (std::pair<std::string, std::string>{"Number of Families: ", "1"}));
    EXPECT_EQ(rows[2], (std::pair<std::string, std::string>{"Homeless Families: ", "1"}));
    EXPECT_EQ(rows[4], (std::pair<std::string, std::string>{"Males: ", "3 (37.5%)"}));
    EXPECT_EQ(rows[5], (std::pair<std::string, std::string>{"Females: ", "5 (62.5%)"}));
    EXPECT_EQ(rows[6], (std::pair<std::string, std::string>{"Children/Teens: ", "2 (25.0%)"}));
}

TEST_F(FiguresTest, EmptyNeighborhoodShowsZeros) {
    const auto rows = NeighborhoodInfoRows(ComputeNeighborhoodFigures(reg));
    EXPECT_EQ(rows[1].second, "0");
    EXPECT_EQ(rows[2].second, "0");
    EXPECT_EQ(rows[3].second, "0");
    for (int i = 4; i < 7; ++i) EXPECT_EQ(rows[static_cast<size_t>(i)].second, "0 (0.0%)");
}

TEST_F(FiguresTest, ASimInNoFamilyCountsOnlyAmongAllSims) {
    Family* f = MakeFamily("Smith");
    Sim* sim = MakeSim(f, "Al", 64, true);
    // The Sim leaves its family but stays registered.
    f->RemoveMember(sim);
    sim->family = nullptr;
    const NeighborhoodFigures fig = ComputeNeighborhoodFigures(reg);
    EXPECT_EQ(fig.sims, 1u);
    EXPECT_EQ(fig.males, 0);
}

}  // namespace
