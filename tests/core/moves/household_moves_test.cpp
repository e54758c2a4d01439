// Homeless rows, move out and transfer: the rules the household dialogs apply.
#include "model/ModelFixture.h"
#include "moves/HouseholdMoves.h"

namespace {

class MovesTest : public ModelTest {};

TEST_F(MovesTest, HomelessRowsComeInReverseListOrderWithMembers) {
    Family* a = MakeFamily("A");
    MakeSim(a, "Ann");
    MakeSim(a, "Bob");
    MakeFamily("Housed");
    Family* b = MakeFamily("B");
    Family* c = MakeFamily("C");
    MakeSim(c, "Cy");
    for (Family* f : {a, b, c}) reg.SetHomeless(f, true);
    const std::vector<HomelessRow> rows = HomelessRows(reg.families);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].name, "C");
    EXPECT_EQ(rows[1].name, "B");
    EXPECT_EQ(rows[2].name, "A");
    EXPECT_EQ(rows[2].memberCount, 2);
    EXPECT_EQ(rows[2].members, "Ann, Bob");
    EXPECT_EQ(rows[1].members, "");
    EXPECT_EQ(rows[0].familyId, c->id);
}

TEST_F(MovesTest, FamilyNamesThatCannotBeStoredOrAreTakenAreRefused) {
    MakeFamily("Lee");
    struct Case {
        std::string name;
        std::string expected;
    } cases[] = {
        {"", "Please enter a name for the new family."},
        {"   ", "Please enter a name for the new family."},
        {"Le]e", "A family name cannot contain ']' or a line break."},
        {"Le\ne", "A family name cannot contain ']' or a line break."},
        {"Le\re", "A family name cannot contain ']' or a line break."},
        {"Lee", "The new name is already taken."},
        {"Lee ", "The new name is already taken."},
        {"\t Lee", "The new name is already taken."},
        {"lee", ""},
        {"Park", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(FamilyNameProblem(reg, c.name), c.expected) << c.name;
}

TEST_F(MovesTest, MoveOutSplitsChosenMembersIntoANewHomelessFamily) {
    Family* lee = MakeFamily("Lee");
    Sim* ann = MakeSim(lee, "Ann");
    Sim* bob = MakeSim(lee, "Bob");
    Sim* cy = MakeSim(lee, "Cy");
    MakeFamily("Other");
    std::string problem;
    Family* moved = MoveOut(reg, *lee, {ann->id, cy->id}, "Park", &problem);
    ASSERT_NE(moved, nullptr) << problem;
    EXPECT_TRUE(moved->homeless);
    EXPECT_EQ(moved->memberCount, 2);
    EXPECT_EQ(lee->memberCount, 1);
    EXPECT_EQ(ann->family, moved);
    EXPECT_EQ(bob->family, lee);
    // Appended at the end of the family list, found under the new full names.
    Family* last = nullptr;
    for (Family* f : reg.families) last = f;
    EXPECT_EQ(last, moved);
    EXPECT_EQ(reg.FindSimByName("Ann Park"), ann);
    EXPECT_EQ(reg.FindSimByName("Ann Lee"), nullptr);

    // The blanks around a name go, as in the family dialog.
    Family* kim = MoveOut(reg, *lee, {bob->id}, "  Kim\t", &problem);
    ASSERT_EQ(kim, nullptr);  // Bob is Lee's last member: moving him is an eviction
    Sim* dee = MakeSim(lee, "Dee");
    kim = MoveOut(reg, *lee, {dee->id}, "  Kim\t", &problem);
    ASSERT_NE(kim, nullptr) << problem;
    EXPECT_EQ(kim->name, "Kim");
    EXPECT_EQ(reg.FindSimByName("Dee Kim"), dee);
}

TEST_F(MovesTest, MoveOutRefusalsChangeNothing) {
    Family* lee = MakeFamily("Lee");
    Sim* ann = MakeSim(lee, "Ann");
    Sim* bob = MakeSim(lee, "Bob");
    const size_t families = reg.families.Count();
    struct Case {
        std::vector<int32_t> ids;
        std::string name;
        std::string expected;
    } cases[] = {
        {{ann->id, bob->id}, "Park", "If you would like to move out all sims, use the Evict menu option instead."},
        {{}, "Park", "Please select one or more sims to move out."},
        {{ann->id}, "Lee", "The new name is already taken."},
        {{ann->id}, " Lee ", "The new name is already taken."},
        {{ann->id}, "", "Please enter a name for the new family."},
        {{ann->id}, "P]ark", "A family name cannot contain ']' or a line break."},
    };
    for (const Case& c : cases) {
        std::string problem;
        EXPECT_EQ(MoveOut(reg, *lee, c.ids, c.name, &problem), nullptr);
        EXPECT_EQ(problem, c.expected);
        EXPECT_EQ(reg.families.Count(), families);
        EXPECT_EQ(lee->memberCount, 2);
        EXPECT_EQ(ann->family, lee);
    }
}

TEST_F(MovesTest, TransferMovesTheSimAndRecountsBothFamilies) {
    Family* lee = MakeFamily("Lee");
    Sim* ann = MakeSim(lee, "Ann");
    Sim* bob = MakeSim(lee, "Bob");
    Family* park = MakeFamily("Park");
    Sim* pat = MakeSim(park, "Pat");
    ann->AddFriend(reg, pat->id, true);
    bob->AddFriend(reg, pat->id, true);
    lee->RecountFriends(reg);
    ASSERT_EQ(lee->FriendCountOf(pat->id), 2);
    ASSERT_TRUE(TransferSim(reg, *ann, *park));
    EXPECT_EQ(ann->family, park);
    EXPECT_EQ(lee->memberCount, 1);
    EXPECT_EQ(park->memberCount, 2);
    EXPECT_EQ(lee->FriendCountOf(pat->id), 1);
    // Pat is now a member of Ann's family, so no family friend of it.
    EXPECT_EQ(park->FriendCountOf(pat->id), 0);
    EXPECT_EQ(reg.FindSimByName("Ann Park"), ann);
}

TEST_F(MovesTest, TransferOfTheLastMemberRemovesTheFamily) {
    Family* lee = MakeFamily("Lee");
    Sim* ann = MakeSim(lee, "Ann");
    Family* park = MakeFamily("Park");
    ASSERT_TRUE(TransferSim(reg, *ann, *park));
    EXPECT_EQ(reg.families.Count(), 1u);
    EXPECT_EQ(reg.families.Front(), park);
    EXPECT_EQ(ann->family, park);
}

TEST_F(MovesTest, TransferIntoAFamilyWithTheSameFirstNameIsRefusedAndNothingMoves) {
    Family* lee = MakeFamily("Lee");
    Sim* ann = MakeSim(lee, "Ann");
    Family* park = MakeFamily("Park");
    MakeSim(park, "Ann");
    std::string problem;
    EXPECT_FALSE(TransferSim(reg, *ann, *park, &problem));
    EXPECT_EQ(problem, "The family Park already has a member called Ann.");
    EXPECT_EQ(ann->family, lee);
    EXPECT_TRUE(lee->members.Contains(ann));
    EXPECT_EQ(lee->memberCount, 1);
    EXPECT_EQ(park->memberCount, 1);
    EXPECT_EQ(reg.FindSimByName("Ann Lee"), ann);
}

}  // namespace
