#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "model/ModelFixture.h"

TEST_F(ModelTest, FamilyFriendCountsFollowMembersComingAndGoing) {
    Family* lee = MakeFamily("Lee");
    Family* kim = MakeFamily("Kim");
    Sim* x = MakeSim(kim, "X");
    Sim* ann = MakeSim(lee, "Ann");
    ann->AddFriend(reg, x->id, true);
    // A new member who already has x as a friend raises x's count to 2.
    auto bo = reg.NewSim("Bo", "Lee", 1, true);
    bo->friendIds.push_back(x->id);
    Sim* b = reg.AddSim(std::move(bo), false, lee);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(lee->friendCount, 1);
    EXPECT_EQ(lee->FriendCountOf(x->id), 2);
    // Removing one of the two lowers it to 1 and keeps the friend.
    EXPECT_TRUE(lee->RemoveMember(b));
    EXPECT_EQ(lee->FriendCountOf(x->id), 1);
    EXPECT_EQ(lee->friendCount, 1);
    EXPECT_EQ(lee->memberCount, 1);
    EXPECT_FALSE(lee->RemoveMember(b));
    lee->AddMember(reg, b);  // put it back for a clean teardown
}

TEST_F(ModelTest, AFriendWhoJoinsTheFamilyStopsBeingAFamilyFriend) {
    Family* lee = MakeFamily("Lee");
    Family* kim = MakeFamily("Kim");
    Sim* ann = MakeSim(lee, "Ann");
    Sim* cy = MakeSim(kim, "Cy");
    ann->AddFriend(reg, cy->id, true);
    ASSERT_EQ(lee->FriendCountOf(cy->id), 1);
    // Cy moves over to the Lees, the way the transfer does it.
    kim->RemoveMember(cy);
    cy->family = lee;
    ASSERT_TRUE(lee->AddMember(reg, cy));
    reg.ReindexSim(*cy);
    EXPECT_EQ(lee->FriendCountOf(cy->id), 0);
    EXPECT_EQ(lee->friendCount, 0);
    EXPECT_EQ(lee->RecountFriends(reg), 0);
    EXPECT_EQ(reg.FindSimIdByName("Cy Lee"), cy->id);
    EXPECT_EQ(reg.FindSimIdByName("Cy Kim"), -1);
    reg.RemoveFamily(kim);
}

TEST_F(ModelTest, RecountCountsEachFamilyFriendOnce) {
    Family* lee = MakeFamily("Lee");
    Family* kim = MakeFamily("Kim");
    Sim* a = MakeSim(lee, "A");
    Sim* b = MakeSim(lee, "B");
    Sim* x = MakeSim(kim, "X");
    Sim* y = MakeSim(kim, "Y");
    a->friendIds = {x->id, b->id, y->id};
    b->friendIds = {y->id, a->id, 9999};
    EXPECT_EQ(lee->RecountFriends(reg), 3);
    EXPECT_EQ(lee->friendIds, (std::vector<int32_t>{x->id, y->id, 9999}));
    EXPECT_EQ(lee->friendCounts, (std::vector<int32_t>{1, 2, 1}));
    EXPECT_EQ(lee->ListLabel(reg), "Lee (3)");
}

TEST_F(ModelTest, FamilyQueries) {
    Family* f = MakeFamily("F");
    EXPECT_TRUE(f->AllMembersTownies());
    Sim* a = MakeSim(f, "A", 1, true);
    Sim* b = MakeSim(f, "B", 1, false);
    b->career.lifeStage = 2;
    Sim* c = MakeSim(f, "C", 1, false);
    c->career.lifeStage = 3;
    a->townie = true;
    EXPECT_FALSE(f->AllMembersTownies());
    EXPECT_EQ(f->CountMembersOfGender(true), 1);
    EXPECT_EQ(f->CountMembersOfGender(false), 2);
    EXPECT_EQ(f->CountTeensAndChildren(), 2);
    a->friendIds.push_back(77);
    EXPECT_TRUE(f->HasMemberWith(1, 77));
    EXPECT_FALSE(f->HasMemberWith(0, 77));
    EXPECT_TRUE(f->HasMemberWith(-1, 77));
    EXPECT_TRUE(f->HasMemberWith(0, -1));
    EXPECT_FALSE(f->HasMemberWith(-1, 78));
    EXPECT_TRUE(f->HasMemberWithoutParent(reg));
    for (Sim* s : {a, b, c}) s->dad.SetName("Pa");
    EXPECT_FALSE(f->HasMemberWithoutParent(reg));
    EXPECT_TRUE(f->HasMember("A", "F"));
    EXPECT_FALSE(f->HasMember("a", "F"));
    EXPECT_FALSE(f->HasMember("A", "f"));
    EXPECT_TRUE(f->HasMemberId(reg, b->id));
    EXPECT_FALSE(f->HasMemberId(reg, -1));
}

// The recount as the plain rule reads: one friend reference after another.
static void ReferenceRecount(const SimRegistry& reg, const Family& family,
                             std::vector<int32_t>& ids, std::vector<int32_t>& counts) {
    ids.clear();
    counts.clear();
    for (const Sim* member : family.members)
        for (int32_t id : member->friendIds) {
            auto it = std::find(ids.begin(), ids.end(), id);
            if (it != ids.end()) {
                ++counts[size_t(it - ids.begin())];
                continue;
            }
            if (family.HasMemberId(reg, id)) continue;
            ids.push_back(id);
            counts.push_back(1);
        }
}

TEST_F(ModelTest, RecountOfAFamilyWithVeryManyFriendsMatchesTheRule) {
    Family* big = MakeFamily("Big");
    Family* other = MakeFamily("Other");
    std::vector<Sim*> members, outsiders;
    for (int i = 0; i < 4; ++i) members.push_back(MakeSim(big, "M" + std::to_string(i)));
    for (int i = 0; i < 150; ++i) outsiders.push_back(MakeSim(other, "O" + std::to_string(i)));
    // Overlapping friends, members among them, and ids nobody has.
    unsigned seed = 12345;
    for (Sim* m : members)
        for (int k = 0; k < 90; ++k) {
            seed = seed * 1103515245u + 12345u;
            unsigned pick = (seed >> 8) % 170;
            int32_t id = pick < 150 ? outsiders[pick]->id
                         : pick < 160 ? members[pick % 4]->id
                                      : int32_t(100000 + pick);
            if (!m->HasFriend(id)) m->friendIds.push_back(id);
        }
    std::vector<int32_t> ids, counts;
    ReferenceRecount(reg, *big, ids, counts);
    ASSERT_GT(ids.size(), 60u);  // well past the size where a hash takes over
    EXPECT_EQ(big->RecountFriends(reg), int32_t(ids.size()));
    EXPECT_EQ(big->friendIds, ids);
    EXPECT_EQ(big->friendCounts, counts);
}

TEST_F(ModelTest, ASimCarryingTheFamilysNameFromElsewhereCountsAsMember) {
    // Two families named Lee (a file can hold that): Ann of the second Lee
    // family is "a member" of the first by name, so she is no family friend.
    Family* lee1 = MakeFamily("Lee");
    Family* lee2 = MakeFamily("Lee");
    Sim* ann1 = MakeSim(lee1, "Ann");
    Sim* bo = MakeSim(lee1, "Bo");
    Sim* ann2 = MakeSim(lee2, "Ann");
    Sim* cy = MakeSim(lee2, "Cy");
    bo->friendIds = {ann2->id, cy->id};
    EXPECT_TRUE(lee1->HasMemberId(reg, ann2->id));
    EXPECT_FALSE(lee1->HasMemberId(reg, cy->id));
    EXPECT_EQ(lee1->RecountFriends(reg), 1);
    EXPECT_EQ(lee1->friendIds, (std::vector<int32_t>{cy->id}));
    (void)ann1;
}

// Large families find first names through an index: it must give the walk's
// answers after additions, removals and renames made through the registry.
TEST_F(ModelTest, LargeFamilyFindsFirstNamesLikeTheWalk) {
    Family* family = MakeFamily("Big");
    std::vector<Sim*> sims;
    for (int i = 0; i < 100; ++i) {
        Sim* added = MakeSim(family, "M" + std::to_string(i));
        ASSERT_NE(added, nullptr) << i;
        sims.push_back(added);
    }
    EXPECT_TRUE(family->HasMember("M99", "Big"));
    EXPECT_FALSE(family->HasMember("M100", "Big"));
    // a second Sim of an existing first name is refused
    EXPECT_EQ(MakeSim(family, "M7"), nullptr);
    reg.RemoveSim(sims[7]);
    EXPECT_FALSE(family->HasMember("M7", "Big"));
    EXPECT_NE(MakeSim(family, "M7"), nullptr);
    reg.RenameSim(*sims[8], "Renamed");
    EXPECT_FALSE(family->HasMember("M8", "Big"));
    EXPECT_TRUE(family->HasMember("Renamed", "Big"));
    EXPECT_NE(MakeSim(family, "M8"), nullptr);
}

// Recounting every family at once settles membership from tables; the answer
// must be the one each family's own recount gives from the friends' records,
// including the odd cases: families sharing a name (so a Sim of one is a
// member of the other by name), Sims moved out of their family behind the
// registry's back, repeated and far-off ids, friends that do not exist, and
// families with very many friends.
TEST_F(ModelTest, RecountOfAllFamiliesAgreesWithEachFamilysOwnRecount) {
    const std::vector<std::string> firsts = {"Ann", "Bo", "Cy", "Di", "Ed", "Flo", "Gus", "Hal", "Ivy", "Jo"};
    const std::vector<std::string> lasts = {"Lee", "Ash", "Oak", "Lee", "Elm"};
    std::mt19937 rng(17);
    std::vector<Family*> families;
    std::vector<Sim*> sims;
    for (int i = 0; i < 60; ++i) families.push_back(MakeFamily(lasts[rng() % lasts.size()]));
    for (int i = 0; i < 400; ++i) {
        Family* family = families[rng() % families.size()];
        std::unique_ptr<Sim> sim = reg.NewSim(firsts[rng() % firsts.size()], family->name, 64, false);
        if (rng() % 15 == 0) sim->id = static_cast<int32_t>(rng() % 30);
        if (rng() % 25 == 0) sim->id = 5'000'000 + static_cast<int32_t>(rng() % 3);
        if (Sim* added = reg.AddSim(std::move(sim), false, family)) sims.push_back(added);
    }
    // One family whose members have hundreds of distinct friends.
    Family* big = MakeFamily("Big");
    for (const std::string& first : firsts) sims.push_back(MakeSim(big, first));
    for (Sim* sim : sims) {
        const int friends = sim->family == big ? 120 : int(rng() % 12);
        for (int f = 0; f < friends; ++f) {
            const unsigned pick = rng() % 40;
            sim->friendIds.push_back(pick == 0 ? -1 : pick == 1 ? 999'999 : sims[rng() % sims.size()]->id);
        }
    }
    // A few Sims lose their family pointer without leaving the member list.
    for (int i = 0; i < 5; ++i) sims[rng() % sims.size()]->family = nullptr;

    reg.RecountAllFamilies();
    size_t families_with_friends = 0;
    for (Family* family : reg.families) {
        const std::vector<int32_t> ids = family->friendIds;
        const std::vector<int32_t> counts = family->friendCounts;
        const int32_t count = family->friendCount;
        families_with_friends += ids.empty() ? 0 : 1;
        family->RecountFriends(reg);
        EXPECT_EQ(ids, family->friendIds) << family->name << " " << family->id;
        EXPECT_EQ(counts, family->friendCounts) << family->name << " " << family->id;
        EXPECT_EQ(count, family->friendCount);
    }
    EXPECT_GT(families_with_friends, 30u);
    EXPECT_GT(big->friendCount, 48);
}
