#include <gtest/gtest.h>

#include <algorithm>

#include "model/ModelFixture.h"
#include "model/Sim.h"

TEST(SimRecord, NewSimDefaults) {
    Sim sim("Ann", "Lee", 64, 7, false);
    EXPECT_EQ(sim.StatusName(), "Single");
    EXPECT_EQ(sim.partnerId, -1);
    EXPECT_TRUE(sim.mom.name.empty());
    EXPECT_EQ(sim.mom.simId, -1);
    EXPECT_FALSE(sim.dad.isSim);
    EXPECT_TRUE(sim.friendIds.empty());
    EXPECT_TRUE(sim.chemistry.IsEmpty());
    EXPECT_EQ(sim.career.careerCode, -2);
    EXPECT_EQ(sim.LifeStage(), 1);
    EXPECT_EQ(sim.aspiration, 0);
    EXPECT_EQ(sim.degree, 0);
    EXPECT_FALSE(sim.townie || sim.vampire || sim.atCollege);
    // The constructor leaves the sign texts to ApplySign.
    EXPECT_EQ(sim.signName, "");
    EXPECT_EQ(sim.likes, 0);
    sim.ApplySign();
    EXPECT_EQ(sim.signName, "Leo");
    EXPECT_EQ(sim.likes, 260);
}

TEST(SimRecord, ApplySignIgnoresCodesThatAreNoSign) {
    Sim sim("Ann", "Lee", 32, 1, false);
    sim.ApplySign();
    sim.sign = 0;
    sim.ApplySign();
    EXPECT_EQ(sim.signName, "Libra");
    EXPECT_EQ(sim.likes, 2052);
    Sim noSign("Bo", "Lee", 0, 2, true);
    noSign.ApplySign();
    EXPECT_EQ(noSign.signName, "");
    EXPECT_EQ(noSign.likes, 0);
}

TEST_F(ModelTest, NamesAndLabels) {
    Family* lee = MakeFamily("Lee");
    Sim* ann = MakeSim(lee, "Ann", 64);
    Sim* b = MakeSim(lee, "Bea");
    Sim* c = MakeSim(lee, "Cy");
    ann->AddFriend(reg, b->id, true);
    ann->AddFriend(reg, c->id, true);
    EXPECT_EQ(ann->FullName(), "Ann Lee");
    EXPECT_EQ(ann->ListLabel(), "Ann Lee (Leo)");
    EXPECT_EQ(ann->ListLabelWithFriends(), "Ann Lee (Leo)(2)");
    EXPECT_EQ(ann->SortName(), "Lee, Ann");
}

TEST(SimRecord, ResolvedLastNameFollowsTheFamily) {
    Sim sim("Ann", "Old", 64, 1, false);
    EXPECT_EQ(sim.FullName(), "Ann Old");
    Family lee("Lee", 1);
    sim.family = &lee;
    EXPECT_EQ(sim.FullName(), "Ann Lee");
    EXPECT_EQ(sim.lastName, "Old");
}

TEST_F(ModelTest, SetPartnerLeavesTheFormerPartnerSingle) {
    Family* f = MakeFamily("F");
    Sim* a = MakeSim(f, "A");
    Sim* b = MakeSim(f, "B");
    Sim* c = MakeSim(f, "C");
    a->SetPartner(reg, 2, c->id);
    ASSERT_EQ(c->partnerId, a->id);
    Sim* got = a->SetPartner(reg, 1, b->id);
    EXPECT_EQ(got, b);
    EXPECT_EQ(c->status, 3);
    EXPECT_EQ(c->partnerId, -1);
    EXPECT_EQ(a->status, 1);
    EXPECT_EQ(b->status, 1);
    EXPECT_EQ(a->partnerId, b->id);
    EXPECT_EQ(b->partnerId, a->id);
}

TEST_F(ModelTest, SetPartnerDoesNotResetTheNewPartnersFormerPartner) {
    Family* f = MakeFamily("F");
    Sim* a = MakeSim(f, "A");
    Sim* b = MakeSim(f, "B");
    Sim* d = MakeSim(f, "D");
    b->SetPartner(reg, 2, d->id);
    a->SetPartner(reg, 1, b->id);
    EXPECT_EQ(d->status, 2);
    EXPECT_EQ(d->partnerId, b->id);
    EXPECT_EQ(b->status, 1);
    EXPECT_EQ(b->partnerId, a->id);
}

TEST_F(ModelTest, SetPartnerWithTheSamePartnerKeepsThePair) {
    Family* f = MakeFamily("F");
    Sim* a = MakeSim(f, "A");
    Sim* b = MakeSim(f, "B");
    a->SetPartner(reg, 2, b->id);
    a->SetPartner(reg, 1, b->id);
    EXPECT_EQ(b->status, 1);
    EXPECT_EQ(b->partnerId, a->id);
    EXPECT_EQ(a->PartnerFullName(reg), "B F");
    EXPECT_EQ(a->SetPartner(reg, 3, -1), nullptr);
    EXPECT_EQ(b->status, 3);
    EXPECT_EQ(b->partnerId, -1);
    EXPECT_EQ(a->PartnerFullName(reg), "");
}

TEST_F(ModelTest, MirroredFriendsAndFamilyFriendCounts) {
    Family* lee = MakeFamily("Lee");
    Family* kim = MakeFamily("Kim");
    Sim* ann = MakeSim(lee, "Ann");
    Sim* bo = MakeSim(lee, "Bo");
    Sim* cy = MakeSim(kim, "Cy");
    EXPECT_TRUE(ann->AddFriend(reg, cy->id, true));
    EXPECT_TRUE(cy->HasFriend(ann->id));
    EXPECT_EQ(lee->friendCount, 1);
    EXPECT_EQ(lee->FriendCountOf(cy->id), 1);
    EXPECT_EQ(kim->FriendCountOf(ann->id), 1);
    // A second member with the same friend raises the count, not the number.
    EXPECT_TRUE(bo->AddFriend(reg, cy->id, true));
    EXPECT_EQ(lee->friendCount, 1);
    EXPECT_EQ(lee->FriendCountOf(cy->id), 2);
    EXPECT_EQ(kim->friendCount, 2);
    // Again: refused, nothing changes.
    EXPECT_FALSE(ann->AddFriend(reg, cy->id, true));
    EXPECT_EQ(ann->friendIds.size(), 1u);
    EXPECT_EQ(cy->friendIds.size(), 2u);
    // Friends within the family are never family friends.
    EXPECT_TRUE(ann->AddFriend(reg, bo->id, true));
    EXPECT_EQ(lee->friendCount, 1);
    EXPECT_EQ(lee->FriendCountOf(bo->id), 0);
}

TEST_F(ModelTest, RemoveFriendAndClearFriends) {
    Family* f = MakeFamily("F");
    Sim* a = MakeSim(f, "A");
    Sim* b = MakeSim(f, "B");
    Sim* c = MakeSim(f, "C");
    Sim lonely("L", "x", 0, 99, false);
    EXPECT_TRUE(lonely.RemoveFriend(5));  // empty list: true
    a->AddFriend(reg, b->id, true);
    a->AddFriend(reg, c->id, true);
    EXPECT_FALSE(a->RemoveFriend(12345));
    EXPECT_TRUE(a->RemoveFriend(b->id));
    EXPECT_TRUE(b->HasFriend(a->id));  // the other side is untouched
    a->ClearFriends(reg);
    EXPECT_TRUE(a->friendIds.empty());
    EXPECT_FALSE(c->HasFriend(a->id));
    EXPECT_TRUE(b->HasFriend(a->id));  // was no longer a's friend
}

TEST_F(ModelTest, FriendFullNameOutsideTheListIsEmpty) {
    Family* f = MakeFamily("F");
    Sim* a = MakeSim(f, "A");
    Sim* b = MakeSim(f, "B");
    a->AddFriend(reg, b->id, false);
    a->friendIds.push_back(4242);  // an id nobody has
    EXPECT_EQ(a->FriendFullName(reg, 0), "B F");
    EXPECT_EQ(a->FriendFullName(reg, 1), "");
    EXPECT_EQ(a->FriendFullName(reg, 2), "");
    EXPECT_EQ(a->FriendFullName(reg, -1), "");
}

TEST_F(ModelTest, ChemistryMirrorsAndRefusesDuplicates) {
    Family* f = MakeFamily("F");
    Sim* a = MakeSim(f, "A");
    Sim* b = MakeSim(f, "B");
    Sim* c = MakeSim(f, "C");
    EXPECT_TRUE(a->AddChemistry(reg, b->id, 1, true));
    ASSERT_NE(b->chemistry.Find(a->id), nullptr);
    EXPECT_EQ(b->chemistry.Find(a->id)->type, 1);
    EXPECT_FALSE(a->AddChemistry(reg, b->id, 2, true));
    EXPECT_EQ(a->chemistry.Find(b->id)->type, 1);
    EXPECT_EQ(a->chemistry.Find(b->id)->OtherFullName(reg), "B F");
    EXPECT_EQ(a->chemistry.Find(b->id)->TypeName(), "High");
    a->AddChemistry(reg, c->id, 0, true);
    a->ClearChemistry(reg);
    EXPECT_TRUE(a->chemistry.IsEmpty());
    EXPECT_TRUE(b->chemistry.IsEmpty());
    EXPECT_TRUE(c->chemistry.IsEmpty());
}

TEST_F(ModelTest, UnknownChemistryTypesNeverReachTheModel) {
    Family* f = MakeFamily("F");
    Sim* a = MakeSim(f, "A");
    Sim* b = MakeSim(f, "B");
    Sim* c = MakeSim(f, "C");
    a->AddChemistry(reg, b->id, 77, true);
    EXPECT_EQ(a->chemistry.Find(b->id)->type, -1);
    EXPECT_EQ(b->chemistry.Find(a->id)->type, -1);
    EXPECT_EQ(a->chemistry.Find(b->id)->TypeName(), "None");
    a->chemistry.Append(c->id, 3);  // the file reader's way in
    EXPECT_EQ(a->chemistry.Find(c->id)->type, 2);
    EXPECT_EQ(a->chemistry.Find(c->id)->TypeName(), "Crush or Love");
}

TEST(SimRecord, IsAvailableAtHourTable) {
    struct Case {
        const char* hours;
        int32_t stage;
        std::vector<int> free;
    } cases[] = {
        {"9a-5p", 1, {7, 8, 17, 18, 19, 20, 21, 22, 23, 24}},
        {"11p-7a", 1, {7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22}},
        {"None", 2, {7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24}},
        {"9a-1p", 2, {7, 8, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24}},
        {"9a-3p", 3, {7, 8, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24}},
        {"3p-12p", 1, {7, 8, 9, 10, 11, 12, 13, 14, 24}},  // 12p reads as 24
        {"9A-5P", 1, {7, 8, 17, 18, 19, 20, 21, 22, 23, 24}},
        // A teen's own late shift still leaves school hours busy.
        {"5p-9p", 2, {7, 8, 13, 14, 15, 16, 21, 22, 23, 24}},
    };
    for (const Case& c : cases) {
        for (int hour = 7; hour <= 24; ++hour) {
            bool expected =
                std::find(c.free.begin(), c.free.end(), hour) != c.free.end();
            EXPECT_EQ(IsAvailableWithHours(c.hours, c.stage, false, hour), expected)
                << c.hours << " stage " << c.stage << " at " << hour;
            EXPECT_FALSE(IsAvailableWithHours(c.hours, c.stage, true, hour));
        }
    }
}

TEST(SimRecord, DamagedHoursDoNotReadOutsideTheText) {
    for (const char* hours : {"", "-", "9", "p-", "-a", "a-p", "99999999999p-1a"}) {
        for (int hour = 7; hour <= 24; ++hour)
            (void)IsAvailableWithHours(hours, 1, false, hour);
    }
    EXPECT_TRUE(IsAvailableWithHours("", 1, false, 12));
}

TEST_F(ModelTest, IsAvailableAtUsesCareerAndFamily) {
    Family* f = MakeFamily("F");
    Sim* teen = MakeSim(f, "T");
    teen->career.SetCareer(nullptr, 2, 0, false);  // School, 9a-1p
    EXPECT_FALSE(teen->IsAvailableAt(10));
    EXPECT_TRUE(teen->IsAvailableAt(13));
    Sim* adult = MakeSim(f, "A");
    EXPECT_TRUE(adult->IsAvailableAt(10));  // unemployed: "None"
    reg.SetHomeless(f, true);
    EXPECT_TRUE(adult->IsHomeless());
    EXPECT_FALSE(adult->IsAvailableAt(20));
}

TEST_F(ModelTest, ParentDisplayNames) {
    Family* f = MakeFamily("F");
    Sim* mom = MakeSim(f, "Mo");
    Sim* kid = MakeSim(f, "Kid");
    EXPECT_FALSE(kid->HasKnownParent(reg));
    kid->dad.SetName("Old Joe");
    EXPECT_EQ(kid->dad.DisplayName(reg), "Old Joe");
    EXPECT_TRUE(kid->HasKnownParent(reg));
    kid->mom.SetSim(mom->id);
    EXPECT_EQ(kid->mom.DisplayName(reg), "Mo F");
    EXPECT_EQ(kid->mom.Sim(reg), mom);
    kid->mom.SetName("Typed");
    EXPECT_EQ(kid->mom.simId, -1);
    EXPECT_FALSE(kid->mom.isSim);
    // A reference to an id no Sim has shows nothing.
    kid->mom.SetSim(9999);
    EXPECT_EQ(kid->mom.DisplayName(reg), "");
    EXPECT_EQ(kid->mom.Sim(reg), nullptr);
    // A deleted mother stays as a typed-in name.
    kid->mom.SetSim(mom->id);
    reg.RemoveSim(mom);
    EXPECT_EQ(kid->mom.DisplayName(reg), "Mo F");
    EXPECT_FALSE(kid->mom.isSim);
    EXPECT_EQ(kid->mom.Sim(reg), nullptr);
}
