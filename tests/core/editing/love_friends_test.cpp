#include <gtest/gtest.h>

#include "editing/FriendsRules.h"
#include "editing/LoveRules.h"
#include "model/ModelFixture.h"
#include "model/Vocabulary.h"

namespace {
class LoveFriendsTest : public ModelTest {
protected:
    Family* smith = nullptr;
    Family* jones = nullptr;
    Sim* ann = nullptr;
    Sim* bob = nullptr;
    Sim* joe = nullptr;
    Sim* dee = nullptr;
    void SetUp() override {
        smith = MakeFamily("Smith");
        jones = MakeFamily("Jones");
        ann = MakeSim(smith, "Ann", 64, false);
        bob = MakeSim(smith, "Bob", 64, true);
        joe = MakeSim(jones, "Joe", 64, true);
        dee = MakeSim(jones, "Dee", 64, false);
    }
};
}  // namespace

TEST_F(LoveFriendsTest, MarryingFreesBothFormerPartners) {
    ann->SetPartner(reg, kStatusCommitted, bob->id);
    joe->SetPartner(reg, kStatusCommitted, dee->id);
    // Ann marries Joe: Bob (Ann's former) and Dee (Joe's former) are both left Single.
    ApplyMatch(reg, *ann, kStatusMarried, joe->id);
    EXPECT_EQ(ann->partnerId, joe->id);
    EXPECT_EQ(joe->partnerId, ann->id);
    EXPECT_EQ(joe->status, kStatusMarried);
    for (Sim* freed : {bob, dee}) {
        EXPECT_EQ(freed->partnerId, -1) << freed->firstName;
        EXPECT_EQ(freed->status, kStatusSingle) << freed->firstName;
    }
    // Single clears both sides.
    ApplyMatch(reg, *ann, kStatusSingle, joe->id);
    EXPECT_EQ(ann->partnerId, -1);
    EXPECT_EQ(joe->partnerId, -1);
    EXPECT_EQ(joe->status, kStatusSingle);
}

TEST_F(LoveFriendsTest, StatusChoicesAndNames) {
    using V = std::vector<int32_t>;
    EXPECT_EQ(StatusChoices(kLifeStageAdult), (V{1, 2, 3, 4}));
    EXPECT_EQ(StatusChoices(kLifeStageElder), (V{1, 2, 3, 4}));
    EXPECT_EQ(StatusChoices(kLifeStageTeen), (V{2, 3, 4}));
    EXPECT_EQ(StatusChoices(kLifeStageChild), (V{3, 4}));
    EXPECT_EQ(ShownStatusName(1), "Married");
    EXPECT_EQ(ShownStatusName(9), "None");
    EXPECT_EQ(ShownStatusName(-3), "None");
}

TEST_F(LoveFriendsTest, MatchFiltersByFamilyGenderAndFriends) {
    const MatchFilter none;
    EXPECT_EQ(MatchFamilies(reg, *ann, none).size(), 2u);
    EXPECT_EQ(MatchFamilies(reg, *ann, MatchFilter{true, false, false}), (std::vector<const Family*>{smith}));
    // Only Joe is a friend of Ann's, judged by the members' own lists.
    joe->friendIds.push_back(ann->id);
    EXPECT_EQ(MatchFamilies(reg, *ann, MatchFilter{false, false, true}), (std::vector<const Family*>{jones}));

    const auto own = MatchCandidates(*smith, *ann, none);
    EXPECT_EQ(own, (std::vector<const Sim*>{bob}));  // never the Sim itself
    EXPECT_EQ(MatchCandidates(*jones, *ann, MatchFilter{false, true, false}), (std::vector<const Sim*>{joe}));
    ann->friendIds.push_back(dee->id);
    EXPECT_EQ(MatchCandidates(*jones, *ann, MatchFilter{false, false, true}), (std::vector<const Sim*>{dee}));
    EXPECT_FALSE(MatchChoiceComplete(kStatusMarried, -1));
    EXPECT_TRUE(MatchChoiceComplete(kStatusSingle, -1));
}

TEST_F(LoveFriendsTest, FriendsSavedOnBothSidesAndDanglingIdsDropped) {
    ann->AddFriend(reg, bob->id, true);
    const int32_t gone = 999;
    SaveFriends(reg, *ann, {joe->id, gone, dee->id});
    EXPECT_EQ(ann->friendIds, (std::vector<int32_t>{joe->id, dee->id}));
    EXPECT_FALSE(bob->HasFriend(ann->id));
    EXPECT_TRUE(joe->HasFriend(ann->id));
    EXPECT_TRUE(dee->HasFriend(ann->id));
    EXPECT_EQ(smith->friendCount, 2);
}

TEST_F(LoveFriendsTest, FriendSelectionIsACopyWithoutDuplicatesOrDanglingIds) {
    ann->friendIds = {joe->id, 555, dee->id};
    FriendSelection selection(reg, ann->friendIds);
    EXPECT_EQ(selection.Ids(), (std::vector<int32_t>{dee->id, joe->id}));  // alphabetical
    EXPECT_FALSE(selection.Add(joe->id));
    EXPECT_FALSE(selection.Add(777));
    // Another Sim of the same full name in another letter case is refused.
    Family* other = MakeFamily("jones");
    Sim* joe2 = MakeSim(other, "joe");
    EXPECT_FALSE(selection.Add(joe2->id));
    selection.Remove(joe->id);
    EXPECT_TRUE(selection.Add(joe2->id));
    // The Sim's own list is untouched by the picker, dangling entry included.
    EXPECT_EQ(ann->friendIds, (std::vector<int32_t>{joe->id, 555, dee->id}));
}

TEST_F(LoveFriendsTest, FriendRowsSkipUnknownIdsAndSort) {
    joe->career.lifeStage = kLifeStageTeen;
    auto rows = FriendRows(reg, {joe->id, 42, dee->id, bob->id});
    ASSERT_EQ(rows.size(), 3u);
    SortFriendRows(rows, 0);
    EXPECT_EQ(rows[0].name, "Bob Smith");
    SortFriendRows(rows, 1);
    EXPECT_FALSE(rows[0].male);
    SortFriendRows(rows, 2);
    EXPECT_EQ(rows[0].name, "Joe Jones");
}

TEST_F(LoveFriendsTest, ChemistrySelectionIsACopyAndSavingMirrors) {
    ann->AddChemistry(reg, bob->id, 0, true);
    joe->AddChemistry(reg, ann->id, 2, false);  // Joe has Ann already, as Crush
    ChemistrySelection selection(reg, ChemistryOf(*ann));
    EXPECT_FALSE(selection.Add(bob->id, 1));
    EXPECT_TRUE(selection.Add(joe->id, 1));
    selection.Remove(bob->id);
    // Nothing reached the Sims yet: a cancelled picker leaves them as they were.
    EXPECT_TRUE(ann->chemistry.Contains(bob->id));
    EXPECT_FALSE(ann->chemistry.Contains(joe->id));
    EXPECT_EQ(selection.Texts(), (std::vector<std::string>{"Joe Jones, High"}));

    SaveChemistry(reg, *ann, selection.Entries());
    EXPECT_FALSE(ann->chemistry.Contains(bob->id));
    EXPECT_FALSE(bob->chemistry.Contains(ann->id));
    ASSERT_TRUE(ann->chemistry.Contains(joe->id));
    EXPECT_EQ(ann->chemistry.Find(joe->id)->type, 1);
    ASSERT_TRUE(joe->chemistry.Contains(ann->id));
}
