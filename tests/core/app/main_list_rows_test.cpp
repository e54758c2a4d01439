#include <gtest/gtest.h>

#include "app/MainListRows.h"
#include "model/ModelFixture.h"

namespace {

class MainListRowsTest : public ModelTest {
protected:
    static std::vector<std::string> Labels(const FamilyRows& rows) {
        std::vector<std::string> out;
        for (const FamilyRow& row : rows.rows) out.push_back(row.label);
        return out;
    }
};

TEST_F(MainListRowsTest, EmptyNeighborhoodShowsNoFamiliesAdded) {
    FamilyRows rows = BuildFamilyRows(reg);
    EXPECT_TRUE(rows.noFamilies);
    ASSERT_EQ(rows.rows.size(), 1u);
    EXPECT_EQ(rows.rows[0].label, "No Families Added");
    EXPECT_EQ(rows.rows[0].family, nullptr);
}

TEST_F(MainListRowsTest, OnlyHomelessFamiliesGiveAnEmptyList) {
    Family* street = MakeFamily("Street");
    MakeSim(street, "Hob");
    reg.SetHomeless(street, true);
    FamilyRows rows = BuildFamilyRows(reg);
    EXPECT_FALSE(rows.noFamilies);
    EXPECT_TRUE(rows.rows.empty());
}

TEST_F(MainListRowsTest, LabelsAreRecountedAndSortedIgnoringCase) {
    Family* lee = MakeFamily("lee");
    Family* street = MakeFamily("Street");
    Family* adams = MakeFamily("Adams");
    Family* others = MakeFamily("Others");
    Sim* ann = MakeSim(lee, "Ann", 64);
    Sim* bob = MakeSim(lee, "Bob", 64, true);
    MakeSim(lee, "Cy", 4, true);
    MakeSim(street, "Hob");
    reg.SetHomeless(street, true);
    MakeSim(adams, "Al");
    std::vector<Sim*> outsiders;
    for (const char* name : {"O1", "O2", "O3", "O4", "O5"}) outsiders.push_back(MakeSim(others, name));
    // Five distinct family friends, two of them shared by two members.
    for (int i = 0; i < 3; ++i) ann->friendIds.push_back(outsiders[i]->id);
    for (int i = 1; i < 5; ++i) bob->friendIds.push_back(outsiders[i]->id);
    ann->friendIds.push_back(bob->id);  // a member is no family friend

    FamilyRows rows = BuildFamilyRows(reg);  // recounts: no recount ran since the edits
    EXPECT_EQ(Labels(rows), (std::vector<std::string>{"Adams (0)", "lee (5)", "Others (0)"}));
    EXPECT_EQ(rows.rows[1].family, lee);
    EXPECT_EQ(lee->friendCount, 5);

    SimRows sims = BuildSimRows(reg, *lee);
    EXPECT_EQ(sims.familyLabel, "lee (5)");
    ASSERT_EQ(sims.rows.size(), 3u);
    EXPECT_EQ(sims.rows[0].label, "Ann lee (Leo)(4)");
    EXPECT_EQ(sims.rows[1].label, "Bob lee (Leo)(4)");
    EXPECT_EQ(sims.rows[2].label, "Cy lee (Cancer)(0)");
    EXPECT_EQ(sims.rows[0].sim, ann);
}

TEST_F(MainListRowsTest, FamiliesEqualButForCaseKeepListOrder) {
    Family* upper = MakeFamily("LEE");
    Family* lower = MakeFamily("lee");
    MakeSim(upper, "A");
    MakeSim(lower, "B");
    FamilyRows rows = BuildFamilyRows(reg);
    ASSERT_EQ(rows.rows.size(), 2u);
    EXPECT_EQ(rows.rows[0].family, upper);
    EXPECT_EQ(rows.rows[1].family, lower);
}

TEST(RestoredSelectionTest, Cases) {
    struct Case {
        int previous, count, expected;
    };
    const Case cases[] = {{-1, 3, 0}, {0, 3, 0}, {2, 3, 2}, {3, 3, 2},
                          {7, 3, 2},  {-1, 0, -1}, {4, 0, -1}};
    for (const Case& c : cases)
        EXPECT_EQ(RestoredSelection(c.previous, c.count), c.expected) << c.previous << "/" << c.count;
}

}  // namespace
