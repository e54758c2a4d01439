// Deleting Sims: a child keeps a deleted parent as a typed-in name, a partner whose
// own link is elsewhere keeps that pair, and the delete question names who else changes.
#include <gtest/gtest.h>

#include "editing/FamilyEditRules.h"
#include "model/DeletionEffects.h"
#include "model/ModelFixture.h"
#include "model/Vocabulary.h"
#include "storage/NeighborhoodFile.h"

namespace {

class DeletionTest : public ModelTest {
protected:
    Family* lee = nullptr;
    Family* old = nullptr;
    Sim *gran = nullptr, *mom = nullptr, *dad = nullptr, *kid = nullptr, *grandpa = nullptr, *grandma = nullptr;
    void SetUp() override {
        lee = MakeFamily("Lee");
        old = MakeFamily("Old");
        gran = MakeSim(lee, "Gran");
        mom = MakeSim(lee, "Mom");
        dad = MakeSim(lee, "Dad", 64, true);
        kid = MakeSim(lee, "Kid");
        grandpa = MakeSim(old, "Grandpa", 64, true);
        grandma = MakeSim(old, "Grandma");
        mom->mom.SetSim(gran->id);
        kid->mom.SetSim(mom->id);
        kid->dad.SetSim(dad->id);
        dad->dad.SetSim(grandpa->id);
        dad->mom.SetSim(grandma->id);
    }
    // The state a reference is in: "sim:<full name>", "typed:<name>" or "none".
    std::string Ref(const ParentRef& ref) const {
        if (ref.isSim) {
            const Sim* sim = reg.FindSim(ref.simId);
            return "sim:" + (sim ? sim->FullName() : std::string("<missing>"));
        }
        return ref.name.empty() ? "none" : "typed:" + ref.name;
    }
};

}  // namespace

TEST_F(DeletionTest, ADeletedParentStaysATypedInParentWithItsFullName) {
    // A reference stored the old way, by id without a name or the Sim flag, leads to
    // the Sim too.
    Sim* cousin = MakeSim(lee, "Cousin");
    cousin->dad.simId = mom->id;
    ASSERT_EQ(cousin->dad.DisplayName(reg), "Mom Lee");
    kid->dad.SetName("Typed Dad");
    ASSERT_TRUE(reg.RemoveSim(mom));
    EXPECT_EQ(Ref(kid->mom), "typed:Mom Lee");
    EXPECT_EQ(kid->mom.DisplayName(reg), "Mom Lee");
    EXPECT_EQ(Ref(cousin->dad), "typed:Mom Lee");
    EXPECT_EQ(Ref(kid->dad), "typed:Typed Dad");
    EXPECT_EQ(Ref(dad->dad), "sim:Grandpa Old");
    EXPECT_TRUE(kid->HasKnownParent(reg));

    // Saved and read again, the mother is still there as a typed-in name, even though
    // a new Sim of that name has joined since.
    ASSERT_NE(MakeSim(lee, "Mom"), nullptr);
    NeighborhoodFile file;
    file.SetRegistry(&reg);
    const std::string text = file.WriteToText();
    EXPECT_NE(text.find("Name2=Kid\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("MomLiv2=0\r\nMom2=Mom Lee\r\n"), std::string::npos) << text;
    IdCounters counters2;
    SimRegistry loaded(counters2, prompter);
    NeighborhoodFile reader;
    reader.SetRegistry(&loaded);
    ASSERT_TRUE(reader.ReadFromText(text));
    const Sim* kidAgain = loaded.FindSimByName("Kid Lee");
    ASSERT_NE(kidAgain, nullptr);
    EXPECT_FALSE(kidAgain->mom.isSim);
    EXPECT_EQ(kidAgain->mom.DisplayName(loaded), "Mom Lee");
}

TEST_F(DeletionTest, AFamilyDeletedWholeLeavesItsChildrenTheirParentsNames) {
    reg.RemoveFamilyWithMembers(old);
    EXPECT_EQ(Ref(dad->dad), "typed:Grandpa Old");
    EXPECT_EQ(Ref(dad->mom), "typed:Grandma Old");
    EXPECT_EQ(reg.families.Count(), 1u);

    // Several families at once, as a failed read takes back what it added; a family
    // without members goes too.
    Family* empty = MakeFamily("Empty");
    reg.RemoveFamiliesWithMembers({lee, empty});
    EXPECT_TRUE(reg.IsEmpty());
    EXPECT_EQ(reg.allSims.Count(), 0u);
}

TEST_F(DeletionTest, APartnerWhoseOwnLinkIsElsewhereKeepsItsPair) {
    mom->SetPartner(reg, kStatusMarried, dad->id);
    // Gran holds a one-sided link to Dad, who is married to Mom.
    gran->status = kStatusMarried;
    gran->partnerId = dad->id;
    ASSERT_TRUE(reg.RemoveSim(gran));
    EXPECT_EQ(dad->partnerId, mom->id);
    EXPECT_EQ(dad->status, kStatusMarried);
    // Deleting one of a mutual pair frees the other.
    ASSERT_TRUE(reg.RemoveSim(mom));
    EXPECT_EQ(dad->partnerId, -1);
    EXPECT_EQ(dad->status, kStatusSingle);
}

TEST_F(DeletionTest, EffectsNamePartnerChildrenAndFriendsOutsideTheLeavingSims) {
    Family* kim = MakeFamily("Kim");
    Sim* cy = MakeSim(kim, "Cy");
    mom->SetPartner(reg, kStatusMarried, dad->id);
    mom->AddFriend(reg, cy->id, true);
    mom->AddFriend(reg, gran->id, true);

    const DeletionEffects one = EffectsOfDeleting(reg, {mom});
    EXPECT_EQ(one.partners, std::vector<std::string>{"Dad Lee"});
    EXPECT_EQ(one.children, std::vector<std::string>{"Kid Lee"});
    EXPECT_EQ(one.friends, (std::vector<std::string>{"Gran Lee", "Cy Kim"}));
    EXPECT_EQ(DeletionEffectsText(one),
              "This also changes:\n"
              "Partner who becomes Single: Dad Lee\n"
              "Child who keeps the deleted Sim as a typed-in parent: Kid Lee\n"
              "Friends who lose a friend: Gran Lee, Cy Kim");

    // The whole Lee family: only what lies outside it counts.
    std::vector<const Sim*> family;
    for (const Sim* member : lee->members) family.push_back(member);
    const DeletionEffects whole = EffectsOfDeleting(reg, family);
    EXPECT_TRUE(whole.partners.empty());
    EXPECT_TRUE(whole.children.empty());
    EXPECT_EQ(whole.friends, std::vector<std::string>{"Cy Kim"});

    // A Sim nobody depends on changes nothing else.
    EXPECT_TRUE(EffectsOfDeleting(reg, {kid}).Empty());
    EXPECT_EQ(DeletionEffectsText(EffectsOfDeleting(reg, {kid})), "");

    // A long list is cut short.
    DeletionEffects many;
    for (int i = 1; i <= 8; ++i) many.children.push_back("C" + std::to_string(i));
    EXPECT_EQ(DeletionEffectsText(many), "This also changes:\n"
                                         "Children who keep the deleted Sim as a typed-in parent: "
                                         "C1, C2, C3, C4, C5, C6 and 2 more");
}

TEST_F(DeletionTest, ADiscardedNewMemberStaysATypedInParentOfAnotherNewMember) {
    PendingMembers pending(reg);
    Sim* baby = pending.Add(pending.MakeBlank(*lee));
    baby->firstName = "Baby";
    Sim* nanny = pending.Add(pending.MakeBlank(*lee));
    nanny->firstName = "Nanny";
    baby->mom.SetSim(nanny->id);
    pending.Discard(nanny);
    EXPECT_EQ(Ref(baby->mom), "typed:Nanny Lee");
}
