#include <gtest/gtest.h>

#include "model/ModelFixture.h"

TEST_F(ModelTest, FindSimById) {
    Family* f = MakeFamily("F");
    Sim* a = MakeSim(f, "A");
    EXPECT_EQ(reg.FindSim(a->id), a);
    EXPECT_EQ(reg.FindSim(-1), nullptr);
    EXPECT_EQ(reg.FindSim(a->id + 100), nullptr);
}

TEST_F(ModelTest, SharedFullNameResolvesToTheFirstRegistered) {
    Family* lee1 = MakeFamily("Lee");
    Family* lee2 = MakeFamily("Lee");  // two families of one name, as a file can hold
    Sim* first = MakeSim(lee1, "Ann");
    Sim* second = MakeSim(lee2, "Ann");
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(reg.FindSimIdByName("Ann Lee"), first->id);
    EXPECT_EQ(reg.FindSimByName("Ann Lee"), first);
    EXPECT_EQ(reg.FindSimIdByName("ann Lee"), -1);  // exact, case-sensitive
    EXPECT_EQ(reg.FindSimIdByName("Ann Lee "), -1);
    EXPECT_EQ(reg.FindSimIdByName(""), -1);
    // After the first goes, the second answers.
    reg.RemoveSim(first);
    EXPECT_EQ(reg.FindSimIdByName("Ann Lee"), second->id);
}

TEST_F(ModelTest, RenamesKeepFirstRegisteredWins) {
    Family* a = MakeFamily("Ash");
    Family* b = MakeFamily("Lee");
    Sim* early = MakeSim(a, "Ann");  // registered first, named Ann Ash
    Sim* late = MakeSim(b, "Ann");   // Ann Lee
    EXPECT_EQ(reg.FindSimIdByName("Ann Lee"), late->id);
    // Renaming the early Sim's family to Lee: the early Sim now wins.
    reg.RenameFamily(*a, "Lee");
    EXPECT_EQ(reg.FindSimIdByName("Ann Lee"), early->id);
    EXPECT_EQ(reg.FindSimIdByName("Ann Ash"), -1);
    // Renaming the early Sim away leaves the late one.
    reg.RenameSim(*early, "Zoe");
    EXPECT_EQ(reg.FindSimIdByName("Ann Lee"), late->id);
    EXPECT_EQ(reg.FindSimIdByName("Zoe Lee"), early->id);
    // A rename behind the registry's back followed by InvalidateNameIndex.
    early->firstName = "Ann";
    reg.InvalidateNameIndex();
    EXPECT_EQ(reg.FindSimIdByName("Ann Lee"), early->id);
    EXPECT_EQ(reg.FindSimIdByName("Zoe Lee"), -1);
    // A rename away from a name without telling anybody is still caught.
    early->firstName = "Una";
    EXPECT_EQ(reg.FindSimIdByName("Ann Lee"), late->id);
    EXPECT_EQ(reg.FindSimIdByName("Una Lee"), early->id);
}

TEST_F(ModelTest, AddSimWithoutFamilyIsRefusedWithAMessage) {
    Sim* s = reg.AddSim(reg.NewSim("A", "B", 1, true), true, nullptr);
    EXPECT_EQ(s, nullptr);
    EXPECT_EQ(reg.allSims.Count(), 0u);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "Error occurred. No family specified.");
    EXPECT_EQ(prompter.messages[0].caption, "Message");
}

TEST_F(ModelTest, AddSimRefusesASecondMemberOfTheSameFirstName) {
    Family* f = MakeFamily("Lee");
    Sim* first = MakeSim(f, "Ann");
    auto dup = reg.NewSim("Ann", "Lee", 1, false);
    int32_t dupId = dup->id;
    EXPECT_EQ(reg.AddSim(std::move(dup), true, f), nullptr);
    // Nothing is left behind outside the family.
    EXPECT_EQ(reg.allSims.Count(), 1u);
    EXPECT_EQ(f->memberCount, 1);
    EXPECT_EQ(reg.FindSim(dupId), nullptr);
    EXPECT_EQ(reg.FindSimIdByName("Ann Lee"), first->id);
    // Deleting the family's only member deletes the family; nothing dangles.
    EXPECT_TRUE(reg.RemoveSim(first));
    EXPECT_TRUE(reg.IsEmpty());
    EXPECT_EQ(reg.allSims.Count(), 0u);
    // A different first name in the same family is fine.
    Family* g = MakeFamily("Kim");
    EXPECT_NE(MakeSim(g, "Ann"), nullptr);
    EXPECT_NE(MakeSim(g, "ann"), nullptr);
}

TEST_F(ModelTest, AddSimAppliesTheSignAndSetsTheFamily) {
    Family* f = MakeFamily("Lee");
    Sim* s = reg.AddSim(reg.NewSim("Ann", "Other", 32, false), true, f);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->signName, "Libra");
    EXPECT_EQ(s->family, f);
    EXPECT_EQ(s->FullName(), "Ann Lee");
    EXPECT_EQ(s->id, 1);
    EXPECT_EQ(f->id, 1);
}

TEST_F(ModelTest, RemoveSimUndoesItsLinks) {
    Family* lee = MakeFamily("Lee");
    Family* kim = MakeFamily("Kim");
    Sim* ann = MakeSim(lee, "Ann");
    Sim* bo = MakeSim(lee, "Bo");
    Sim* cy = MakeSim(kim, "Cy");
    Sim* di = MakeSim(kim, "Di");
    ann->AddFriend(reg, cy->id, true);
    ann->AddFriend(reg, bo->id, true);
    ann->AddChemistry(reg, di->id, 2, true);
    ann->SetPartner(reg, 1, cy->id);
    reg.modified = false;
    int32_t annId = ann->id;
    EXPECT_TRUE(reg.RemoveSim(ann));
    EXPECT_TRUE(reg.modified);
    EXPECT_FALSE(cy->HasFriend(annId));
    EXPECT_FALSE(bo->HasFriend(annId));
    EXPECT_TRUE(di->chemistry.IsEmpty());
    EXPECT_EQ(cy->status, 3);
    EXPECT_EQ(cy->partnerId, -1);
    EXPECT_EQ(lee->memberCount, 1);
    EXPECT_EQ(reg.FindSim(annId), nullptr);
    EXPECT_EQ(reg.FindSimIdByName("Ann Lee"), -1);
    EXPECT_EQ(reg.families.Count(), 2u);
    // Kim's count of Ann waits for the next recount.
    EXPECT_EQ(kim->RecountFriends(reg), 0);
    Sim stranger("S", "T", 0, 500, false);
    EXPECT_FALSE(reg.RemoveSim(&stranger));
    EXPECT_FALSE(reg.RemoveSim(nullptr));
}

// Links other Sims hold to a deleted Sim without a link back (as files and
// one-sided edits leave them) must not outlive it: a friend, a chemistry entry
// and a partner that lead nowhere would be written out as dangling names.
TEST_F(ModelTest, RemoveSimDropsOneSidedLinksToIt) {
    Family* lee = MakeFamily("Lee");
    Family* kim = MakeFamily("Kim");
    Sim* ann = MakeSim(lee, "Ann");
    Sim* bo = MakeSim(lee, "Bo");
    Sim* cy = MakeSim(kim, "Cy");
    Sim* di = MakeSim(kim, "Di");
    bo->AddFriend(reg, ann->id, false);
    bo->AddFriend(reg, di->id, true);
    cy->AddChemistry(reg, ann->id, 3, false);
    cy->AddChemistry(reg, di->id, 1, true);
    di->status = 1;
    di->partnerId = ann->id;  // Ann's own link is to nobody
    const int32_t annId = ann->id;
    ASSERT_TRUE(reg.RemoveSim(ann));
    EXPECT_EQ(bo->friendIds, std::vector<int32_t>{di->id});
    EXPECT_FALSE(cy->chemistry.Contains(annId));
    EXPECT_TRUE(cy->chemistry.Contains(di->id));
    EXPECT_EQ(di->partnerId, -1);
    EXPECT_EQ(di->status, kStatusSingle);
    EXPECT_TRUE(di->HasFriend(bo->id));  // links between the others stay
}

TEST_F(ModelTest, RemovingTheLastMemberDeletesTheFamily) {
    Family* lee = MakeFamily("Lee");
    Family* kim = MakeFamily("Kim");
    Sim* ann = MakeSim(lee, "Ann");
    MakeSim(kim, "Cy");
    reg.RemoveSim(ann);
    EXPECT_EQ(reg.families.Count(), 1u);
    EXPECT_FALSE(reg.families.Contains(lee));
    EXPECT_TRUE(reg.families.Contains(kim));
}

TEST_F(ModelTest, RemoveFamilyWithMembers) {
    Family* lee = MakeFamily("Lee");
    Family* kim = MakeFamily("Kim");
    Sim* a = MakeSim(lee, "A");
    MakeSim(lee, "B");
    MakeSim(lee, "C");
    Sim* x = MakeSim(kim, "X");
    x->AddFriend(reg, a->id, true);
    // A family with members cannot be deleted on its own: they would dangle.
    EXPECT_FALSE(reg.RemoveFamily(lee));
    reg.RemoveFamilyWithMembers(lee);
    EXPECT_EQ(reg.families.Count(), 1u);
    EXPECT_EQ(reg.allSims.Count(), 1u);
    EXPECT_TRUE(x->friendIds.empty());
    EXPECT_FALSE(reg.RemoveFamily(lee));  // no longer in the list
}

TEST_F(ModelTest, FamilyNameFreedom) {
    Family* lee = MakeFamily("Lee");
    MakeFamily("Kim");
    EXPECT_TRUE(reg.IsFamilyNameFree("Lee", lee->id));
    EXPECT_FALSE(reg.IsFamilyNameFree("Kim", lee->id));
    EXPECT_TRUE(reg.IsFamilyNameFree("lee", -5));
    EXPECT_FALSE(reg.IsFamilyNameFree("Lee", -5));
}

TEST_F(ModelTest, SortAndIndexOrdersFamiliesWithoutRegardToCase) {
    Family* b = MakeFamily("b");
    Family* a = MakeFamily("A");
    Family* c = MakeFamily("c");
    Family* ab = MakeFamily("Ab");
    Sim* c1 = MakeSim(c, "C1");
    Sim* a1 = MakeSim(a, "A1");
    Sim* a2 = MakeSim(a, "A2");
    Sim* b1 = MakeSim(b, "B1");
    Sim* ab1 = MakeSim(ab, "Ab1");
    reg.SortAndIndex();
    std::vector<std::string> names;
    for (Family* f : reg.families) names.push_back(f->name);
    EXPECT_EQ(names, (std::vector<std::string>{"A", "Ab", "b", "c"}));
    EXPECT_EQ(reg.FamilyAt(0), a);
    EXPECT_EQ(reg.FamilyAt(3), c);
    EXPECT_EQ(reg.FamilyAt(4), nullptr);
    EXPECT_EQ(reg.FamilyAt(-1), nullptr);
    std::vector<Sim*> expected{a1, a2, ab1, b1, c1};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(reg.SimAt(i), expected[size_t(i)]) << i;
    EXPECT_EQ(reg.SimAt(5), nullptr);
    EXPECT_EQ(reg.SimAt(-1), nullptr);
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(reg.FamilyNames(), (std::vector<std::string>{"A", "Ab", "b", "c"}));
}

TEST_F(ModelTest, SortAndIndexOnAnEmptyNeighborhoodDoesNothing) {
    reg.SortAndIndex();
    EXPECT_TRUE(reg.familyIndex.empty());
    EXPECT_EQ(reg.FamilyAt(0), nullptr);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(ModelTest, AspirationGroupsHoldSimIndexPositions) {
    Family* f = MakeFamily("F");
    Sim* a = MakeSim(f, "A");
    Sim* b = MakeSim(f, "B");
    Sim* c = MakeSim(f, "C");
    a->aspiration = 5;
    b->aspiration = 0;
    c->aspiration = 5;
    Sim* d = MakeSim(f, "D");
    d->aspiration = 42;  // a damaged file: no group, no crash
    reg.BuildAspirationGroups();
    EXPECT_EQ(reg.aspirationGroups[5], (std::vector<int32_t>{0, 2}));
    EXPECT_EQ(reg.aspirationGroups[0], (std::vector<int32_t>{1}));
    EXPECT_TRUE(reg.aspirationGroups[6].empty());
}

TEST_F(ModelTest, CountsOverAllFamilies) {
    Family* f = MakeFamily("F");
    Family* g = MakeFamily("G");
    MakeSim(f, "A", 1, true);
    MakeSim(g, "B", 1, true);
    Sim* c = MakeSim(g, "C", 1, false);
    c->career.lifeStage = 3;
    EXPECT_EQ(reg.CountMales(), 2);
    EXPECT_EQ(reg.CountFemales(), 1);
    EXPECT_EQ(reg.CountTeensAndChildren(), 1);
}

TEST_F(ModelTest, ClearEmptiesEverythingAndIdsStartAgain) {
    Family* f = MakeFamily("F");
    Sim* a = MakeSim(f, "A");
    int32_t oldId = a->id;
    reg.SortAndIndex();
    reg.Clear();
    counters.Reset();
    EXPECT_TRUE(reg.IsEmpty());
    EXPECT_EQ(reg.allSims.Count(), 0u);
    EXPECT_EQ(reg.SimAt(0), nullptr);
    EXPECT_EQ(reg.FindSim(oldId), nullptr);
    EXPECT_EQ(reg.FindSimIdByName("A F"), -1);
    Family* again = MakeFamily("G");
    EXPECT_EQ(again->id, 1);
    Sim* s = MakeSim(again, "A");
    EXPECT_EQ(s->id, 1);
    EXPECT_EQ(reg.FindSim(1), s);
}

TEST_F(ModelTest, SetHomelessKeepsTheFamilyInLookups) {
    Family* f = MakeFamily("F");
    Sim* a = MakeSim(f, "A");
    reg.SetHomeless(f, true);
    EXPECT_TRUE(f->homeless);
    EXPECT_EQ(reg.FindSimByName("A F"), a);
    reg.SetHomeless(f, false);
    EXPECT_FALSE(a->IsHomeless());
}

TEST_F(ModelTest, SharedIdsResolveToTheFirstRegistered) {
    // Only hand-made records share an id, but lookups must still answer as a
    // walk of all Sims in order would.
    Family* f = MakeFamily("F");
    Sim* first = reg.AddSim(std::make_unique<Sim>("A", "", 0, 50, false), false, f);
    Sim* second = reg.AddSim(std::make_unique<Sim>("B", "", 0, 50, false), false, f);
    Sim* third = reg.AddSim(std::make_unique<Sim>("C", "", 0, 50, false), false, f);
    EXPECT_EQ(reg.FindSim(50), first);
    reg.RemoveSim(second);
    EXPECT_EQ(reg.FindSim(50), first);
    reg.RemoveSim(first);
    EXPECT_EQ(reg.FindSim(50), third);
    reg.RemoveSim(third);
    EXPECT_EQ(reg.FindSim(50), nullptr);
    EXPECT_TRUE(reg.IsEmpty());
}
