#include <gtest/gtest.h>

#include "careers/Promotion.h"
#include "editing/FamilyEditSession.h"
#include "editing/LoveRules.h"
#include "model/ModelFixture.h"
#include "model/Vocabulary.h"

namespace {
// Yan and Zoe are married; Ann and Bob are the Smiths, Bob a friend of Yan.
class FamilySessionTest : public ModelTest {
protected:
    Family* smith = nullptr;
    Family* jones = nullptr;
    Sim* ann = nullptr;
    Sim* bob = nullptr;
    Sim* yan = nullptr;
    Sim* zoe = nullptr;
    void SetUp() override {
        smith = MakeFamily("Smith");
        jones = MakeFamily("Jones");
        ann = MakeSim(smith, "Ann");
        bob = MakeSim(smith, "Bob", 64, true);
        yan = MakeSim(jones, "Yan", 64, true);
        zoe = MakeSim(jones, "Zoe");
        yan->SetPartner(reg, kStatusMarried, zoe->id);
        bob->AddFriend(reg, yan->id, true);
        smith->RecountFriends(reg);
        jones->RecountFriends(reg);
    }

    // Every change a family dialog can make, in its working copy: a new member
    // married to Yan, Bob removed, Ann promoted and made a vampire, a new name.
    FamilyEdit EditEverything(FamilyEditSession& session) {
        SimRegistry& work = session.Work();
        Sim* kid = session.Pending().Add(session.Pending().MakeBlank(session.WorkFamily()));
        kid->firstName = "Kia";
        ApplyMatch(work, *kid, kStatusMarried, yan->id);
        EXPECT_TRUE(session.RemoveMember(*work.FindSimByName("Bob Smith")));
        Sim* workAnn = work.FindSimByName("Ann Smith");
        workAnn->career = SimCareerData(kLifeStageAdult, 0, 3);
        workAnn->vampire = true;
        return session.Finish("Smythe");
    }
};
}  // namespace

TEST_F(FamilySessionTest, TheWorkingCopyHoldsTheNeighborhoodUnderTheSameIds) {
    FamilyEditSession session(reg, *smith);
    SimRegistry& work = session.Work();
    EXPECT_EQ(work.families.Count(), 2u);
    EXPECT_EQ(session.WorkFamily().id, smith->id);
    for (const Sim* sim : reg.allSims) {
        const Sim* copy = work.FindSim(sim->id);
        ASSERT_NE(copy, nullptr) << sim->FullName();
        EXPECT_NE(copy, sim);
        EXPECT_TRUE(SameSimData(*sim, *copy)) << sim->FullName();
        EXPECT_EQ(copy->FullName(), sim->FullName());
    }
    EXPECT_EQ(session.WorkFamily().friendCount, smith->friendCount);
    EXPECT_TRUE(session.Finish("Smith").IsEmpty());
}

TEST_F(FamilySessionTest, CancelLeavesEveryoneAsTheyWere) {
    const SimState annBefore = CaptureSimState(*ann);
    const int32_t simCounter = counters.simCounter;
    {
        FamilyEditSession session(reg, *smith);
        Sim* kid = session.Pending().Add(session.Pending().MakeBlank(session.WorkFamily()));
        kid->firstName = "Kia";
        ApplyMatch(session.Work(), *kid, kStatusMarried, yan->id);
        session.RemoveMember(*session.Work().FindSimByName("Bob Smith"));
        RecordingPrompter quiet;
        Sim* workAnn = session.Work().FindSimByName("Ann Smith");
        workAnn->career = SimCareerData(kLifeStageAdult, 0, 3);
        PromoteSim(*workAnn, quiet);
    }  // the dialog is cancelled
    EXPECT_EQ(yan->partnerId, zoe->id);
    EXPECT_EQ(zoe->partnerId, yan->id);
    EXPECT_EQ(zoe->status, kStatusMarried);
    EXPECT_EQ(reg.FindSimByName("Bob Smith"), bob);
    EXPECT_TRUE(yan->HasFriend(bob->id));
    EXPECT_TRUE(SameSimData(*ann, *ann));
    EXPECT_EQ(CaptureSimState(*ann).career.level, annBefore.career.level);
    EXPECT_EQ(smith->memberCount, 2);
    EXPECT_GT(counters.simCounter, simCounter);  // the new member's id stays used
}

TEST_F(FamilySessionTest, OkHandsBackJustWhatChangedAndApplyingItMatchesTheCopy) {
    FamilyEditSession session(reg, *smith);
    const FamilyEdit edit = EditEverything(session);
    EXPECT_EQ(edit.familyId, smith->id);
    EXPECT_EQ(edit.nameBefore, "Smith");
    EXPECT_EQ(edit.nameAfter, "Smythe");
    ASSERT_EQ(edit.removed.size(), 1u);
    EXPECT_EQ(edit.removed[0].id, bob->id);
    ASSERT_EQ(edit.added.size(), 1u);
    EXPECT_EQ(edit.added[0].firstName, "Kia");
    std::vector<int32_t> changedIds;
    for (const auto& change : edit.changed) changedIds.push_back(change.after.id);
    std::sort(changedIds.begin(), changedIds.end());
    std::vector<int32_t> expected{ann->id, yan->id, zoe->id};  // Yan also lost Bob as a friend
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(changedIds, expected);

    // Nothing reached the neighborhood before the edit is applied.
    EXPECT_EQ(yan->partnerId, zoe->id);
    EXPECT_EQ(smith->name, "Smith");

    const int32_t bobId = bob->id;
    ASSERT_TRUE(ApplyFamilyEdit(reg, edit));
    Sim* kia = reg.FindSimByName("Kia Smythe");
    ASSERT_NE(kia, nullptr);
    EXPECT_EQ(kia->id, edit.added[0].id);
    EXPECT_EQ(kia->partnerId, yan->id);
    EXPECT_EQ(yan->partnerId, kia->id);
    EXPECT_EQ(zoe->partnerId, -1);
    EXPECT_EQ(zoe->status, kStatusSingle);
    EXPECT_EQ(reg.FindSim(bobId), nullptr);
    EXPECT_FALSE(yan->HasFriend(bobId));
    EXPECT_TRUE(ann->vampire);
    EXPECT_EQ(reg.FindSimByName("Ann Smythe"), ann);
    EXPECT_EQ(smith->memberCount, 2);
    EXPECT_EQ(jones->friendCount, 0);
    for (const Sim* sim : reg.allSims) {
        const Sim* copy = session.Work().FindSim(sim->id);
        ASSERT_NE(copy, nullptr);
        EXPECT_TRUE(SameSimData(*sim, *copy)) << sim->FullName();
    }
}

TEST_F(FamilySessionTest, ANewFamilyJoinsTheNeighborhoodOnlyThroughTheEdit) {
    std::unique_ptr<Family> fresh = reg.NewFamily("");
    FamilyEdit edit;
    {
        FamilyEditSession session(reg, *fresh);
        EXPECT_EQ(session.Work().families.Count(), 3u);
        Sim* kid = session.Pending().Add(session.Pending().MakeBlank(session.WorkFamily()));
        kid->firstName = "Lu";
        kid->AddFriend(session.Work(), ann->id, true);
        edit = session.Finish("Brown");
    }
    EXPECT_EQ(reg.families.Count(), 2u);
    EXPECT_TRUE(ann->friendIds.empty());
    Family* brown = reg.AddFamily(std::move(fresh));
    ASSERT_TRUE(ApplyFamilyEdit(reg, edit));
    EXPECT_EQ(brown->name, "Brown");
    Sim* lu = reg.FindSimByName("Lu Brown");
    ASSERT_NE(lu, nullptr);
    EXPECT_TRUE(ann->HasFriend(lu->id));
    EXPECT_EQ(brown->friendCount, 1);
    EXPECT_EQ(smith->friendCount, 2);  // Yan and Lu
}

TEST_F(FamilySessionTest, AnEditOfAFamilyThatIsGoneChangesNothing) {
    FamilyEditSession session(reg, *smith);
    const FamilyEdit edit = EditEverything(session);
    reg.RemoveFamilyWithMembers(smith);
    EXPECT_FALSE(ApplyFamilyEdit(reg, edit));
    EXPECT_EQ(yan->partnerId, zoe->id);
}
