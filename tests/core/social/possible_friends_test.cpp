#include <gtest/gtest.h>

#include "app/DisplayRows.h"
#include "model/ModelFixture.h"
#include "social/PossibleFriends.h"
#include "social/SignChart.h"

namespace {

constexpr int32_t kAquarius = 1;
constexpr int32_t kCancer = 4;
constexpr int32_t kCapricorn = 8;
constexpr int32_t kLeo = 64;
constexpr int32_t kSaggitarius = 256;
constexpr int32_t kVirgo = 2048;

class PossibleFriendsTest : public ModelTest {};

TEST_F(PossibleFriendsTest, LeoGetsExactlySaggitariusAndCancerInAllSimsOrder) {
    Family* lee = MakeFamily("Lee");
    Family* ross = MakeFamily("Ross");
    Family* street = MakeFamily("Street");
    Sim* leo = MakeSim(lee, "Ann", kLeo);
    Sim* sag1 = MakeSim(ross, "Bob", kSaggitarius, true);
    MakeSim(ross, "Cid", kVirgo, true);
    Sim* cancerSister = MakeSim(lee, "Dee", kCancer);  // same family
    MakeSim(lee, "Eve", kLeo);                         // same sign: Leo does not like Leo
    Sim* homeless = MakeSim(street, "Fay", kSaggitarius);
    reg.SetHomeless(street, true);
    MakeSim(street, "Gus", kCapricorn, true);
    Sim* townie = MakeSim(ross, "Hal", kCancer, true);
    townie->townie = true;
    leo->AddFriend(reg, sag1->id, true);  // an existing friend still qualifies

    EXPECT_EQ(PossibleFriends(reg, *leo),
              (std::vector<int32_t>{sag1->id, cancerSister->id, homeless->id, townie->id}));
}

TEST_F(PossibleFriendsTest, OnlyTheGivenSimsLikesCount) {
    Family* f = MakeFamily("Vale");
    Sim* virgo = MakeSim(f, "Vic", kVirgo);
    Sim* aquarius = MakeSim(f, "Aqua", kAquarius);
    Sim* sag = MakeSim(f, "Sam", kSaggitarius);
    // Virgo likes Aquarius although Aquarius does not like Virgo back...
    EXPECT_EQ(PossibleFriends(reg, *virgo), (std::vector<int32_t>{aquarius->id, sag->id}));
    // ...and Aquarius, liking Capricorn and Saggitarius, does not get the Virgo.
    EXPECT_EQ(PossibleFriends(reg, *aquarius), (std::vector<int32_t>{sag->id}));
}

TEST_F(PossibleFriendsTest, SimWithoutSignHasNoneAndShowsNoFriendsFound) {
    Family* f = MakeFamily("Nil");
    Sim* unsigned_ = MakeSim(f, "Una", 0);
    MakeSim(f, "Bea", kCancer);
    MakeSim(f, "Cal", kSaggitarius);
    std::vector<int32_t> ids = PossibleFriends(reg, *unsigned_);
    EXPECT_TRUE(ids.empty());

    ProgramSettings settings;
    settings.firstOrder = 4;
    std::vector<DisplayRow> rows = BuildDisplayRows({ids, unsigned_, false, 7}, reg, settings);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].nameAndSign, "No friends found");
    EXPECT_EQ(rows[0].simId, -1);
}

TEST_F(PossibleFriendsTest, SimsWithoutSignNeverQualify) {
    Family* f = MakeFamily("Nil");
    Sim* leo = MakeSim(f, "Leo", kLeo);
    MakeSim(f, "Una", 0);
    EXPECT_TRUE(PossibleFriends(reg, *leo).empty());
}

TEST_F(PossibleFriendsTest, FriendAndChemistryIdsKeepTheirListOrder) {
    Family* f = MakeFamily("Lee");
    Sim* ann = MakeSim(f, "Ann");
    Sim* bob = MakeSim(f, "Bob", kLeo, true);
    Sim* cy = MakeSim(f, "Cy", kLeo, true);
    ann->AddFriend(reg, cy->id, true);
    ann->AddFriend(reg, bob->id, true);
    ann->AddChemistry(reg, bob->id, 1, true);
    ann->AddChemistry(reg, cy->id, 2, true);
    EXPECT_EQ(CurrentFriendIds(*ann), (std::vector<int32_t>{cy->id, bob->id}));
    EXPECT_EQ(ChemistrySimIds(*ann), (std::vector<int32_t>{bob->id, cy->id}));
    EXPECT_TRUE(ChemistrySimIds(*bob).size() == 1 && ChemistrySimIds(*bob)[0] == ann->id);
}

TEST(SignChartTest, TwelveRowsInStoredSignOrder) {
    std::vector<SignChartRow> rows = LikesDislikesChartRows();
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(rows[0].sign, "Aquarius");
    EXPECT_EQ(rows[0].likes, "Capricorn, Saggitarius");
    EXPECT_EQ(rows[0].dislikes, "Scorpio, Virgo");
    EXPECT_EQ(rows[5].sign, "Libra");
    EXPECT_EQ(rows[6].sign, "Leo");
    EXPECT_EQ(rows[11].sign, "Virgo");
    EXPECT_EQ(rows[11].likes, "Aquarius, Saggitarius");
    EXPECT_EQ(rows[11].dislikes, "Leo, Taurus");
}

}  // namespace
