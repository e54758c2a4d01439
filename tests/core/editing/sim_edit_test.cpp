#include <gtest/gtest.h>

#include "editing/FriendsRules.h"
#include "editing/LoveRules.h"
#include "editing/SimEdit.h"
#include "model/ModelFixture.h"
#include "model/Vocabulary.h"

namespace {
// Ann is linked one-sidedly to Yan, who is married to Zoe; Wes holds a Medium
// entry for Ann (before his entry for Val) while Ann holds a High one for him.
class SimEditTest : public ModelTest {
protected:
    Family* smith = nullptr;
    Sim* ann = nullptr;
    Sim* yan = nullptr;
    Sim* zoe = nullptr;
    Sim* wes = nullptr;
    Sim* val = nullptr;
    void SetUp() override {
        smith = MakeFamily("Smith");
        Family* jones = MakeFamily("Jones");
        ann = MakeSim(smith, "Ann");
        yan = MakeSim(jones, "Yan", 64, true);
        zoe = MakeSim(jones, "Zoe");
        wes = MakeSim(jones, "Wes", 64, true);
        val = MakeSim(smith, "Val");
        yan->SetPartner(reg, kStatusMarried, zoe->id);
        ann->status = kStatusMarried;
        ann->partnerId = yan->id;
        ann->chemistry.Append(wes->id, 1);
        wes->chemistry.Append(ann->id, 0);
        wes->chemistry.Append(val->id, 1);
        ann->friendIds.push_back(wes->id);  // one-sided too
    }

    // What the pages hand over when the user changed nothing.
    SimEdit Untouched(const Sim& sim) {
        SimEdit edit;
        edit.basic.firstName = sim.firstName;
        edit.basic.signEntry = BasicSignEntryForName(sim.signName);
        edit.basic.male = sim.male;
        edit.basic.aspiration = sim.aspiration;
        edit.basic.degree = sim.degree;
        return edit;
    }
};
}  // namespace

TEST_F(SimEditTest, AnUntouchedEditLeavesEveryLinkAsItWas) {
    ApplySimEdit(reg, *ann, Untouched(*ann));
    EXPECT_EQ(ann->partnerId, yan->id);
    EXPECT_EQ(yan->partnerId, zoe->id);
    EXPECT_EQ(zoe->partnerId, yan->id);
    EXPECT_EQ(zoe->status, kStatusMarried);
    ASSERT_EQ(wes->chemistry.Count(), 2u);
    EXPECT_EQ(wes->chemistry.At(0)->simId, ann->id);
    EXPECT_EQ(wes->chemistry.At(0)->type, 0);  // still Medium, still first
    EXPECT_FALSE(wes->HasFriend(ann->id));
    EXPECT_EQ(ann->friendIds, std::vector<int32_t>{wes->id});
}

TEST_F(SimEditTest, EachChangedPartIsWrittenOnBothSides) {
    SimEdit edit = Untouched(*ann);
    edit.match = MatchChoice{kStatusMarried, yan->id};
    edit.chemistry = std::vector<ChemistryEntry>{ChemistryEntry(val->id, 2)};
    edit.friends = std::vector<int32_t>{val->id};
    edit.flags = SimStatusFlags{true, false, true};
    ApplySimEdit(reg, *ann, edit);
    EXPECT_EQ(yan->partnerId, ann->id);
    EXPECT_EQ(zoe->partnerId, -1);
    EXPECT_EQ(zoe->status, kStatusSingle);
    EXPECT_FALSE(wes->chemistry.Contains(ann->id));
    ASSERT_NE(val->chemistry.Find(ann->id), nullptr);
    EXPECT_EQ(val->chemistry.Find(ann->id)->type, 2);
    EXPECT_TRUE(val->HasFriend(ann->id));
    EXPECT_TRUE(ann->townie);
    EXPECT_FALSE(ann->vampire);
    EXPECT_TRUE(ann->atCollege);
}

TEST_F(SimEditTest, ASimWithoutASignKeepsNone) {
    Sim* kid = MakeSim(smith, "Kid", 0);
    ASSERT_EQ(kid->signName, "");
    SimEdit edit = Untouched(*kid);
    EXPECT_EQ(edit.basic.signEntry, -1);
    ApplySimEdit(reg, *kid, edit);
    EXPECT_EQ(kid->sign, 0);
    EXPECT_EQ(kid->signName, "");
    edit.basic.signEntry = 0;  // "Aries" picked
    ApplySimEdit(reg, *kid, edit);
    EXPECT_EQ(kid->signName, "Aries");
}

TEST_F(SimEditTest, AgeThatThePartnershipDoesNotFitAsksFirst) {
    struct Case {
        int32_t status;
        int32_t newStage;
        bool asked;
    } cases[] = {
        {kStatusMarried, kLifeStageChild, true},   {kStatusMarried, kLifeStageTeen, true},
        {kStatusCommitted, kLifeStageChild, true}, {kStatusCommitted, kLifeStageTeen, false},
        {kStatusMatchedUp, kLifeStageChild, false}, {kStatusMarried, kLifeStageElder, false},
        {kStatusMarried, kLifeStageAdult, false},  // the age does not change
    };
    for (const Case& c : cases) {
        ann->status = c.status;
        SimEdit edit = Untouched(*ann);
        edit.career = ann->career;
        edit.career->lifeStage = c.newStage;
        prompter.messages.clear();
        prompter.answers = {false};
        ConfirmLifeStage(reg, *ann, edit, prompter);
        EXPECT_EQ(!prompter.messages.empty(), c.asked) << c.status << " " << c.newStage;
        // No keeps the age; without a question the new age stays.
        EXPECT_EQ(edit.career.has_value(), !c.asked || c.newStage == kLifeStageAdult) << c.status << " " << c.newStage;
        EXPECT_FALSE(edit.match.has_value());
    }
}

TEST_F(SimEditTest, YesToTheQuestionEndsThePartnershipOnBothSides) {
    ApplyMatch(reg, *ann, kStatusMarried, yan->id);
    ASSERT_EQ(zoe->partnerId, -1);
    SimEdit edit = Untouched(*ann);
    edit.career = ann->career;
    edit.career->lifeStage = kLifeStageChild;
    prompter.answers = {true};
    ConfirmLifeStage(reg, *ann, edit, prompter);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].caption, "Question");
    EXPECT_NE(prompter.messages[0].text.find("Ann Smith"), std::string::npos);
    EXPECT_NE(prompter.messages[0].text.find("Yan Jones"), std::string::npos);
    ApplySimEdit(reg, *ann, edit);
    EXPECT_EQ(ann->LifeStage(), kLifeStageChild);
    EXPECT_EQ(ann->partnerId, -1);
    EXPECT_EQ(ann->status, kStatusSingle);
    EXPECT_EQ(yan->partnerId, -1);
    EXPECT_EQ(yan->status, kStatusSingle);
}

TEST_F(SimEditTest, NoToTheQuestionKeepsTheAgeAndThePartner) {
    ApplyMatch(reg, *ann, kStatusMarried, yan->id);
    SimEdit edit = Untouched(*ann);
    edit.career = ann->career;
    edit.career->lifeStage = kLifeStageChild;
    prompter.answers = {false};
    ConfirmLifeStage(reg, *ann, edit, prompter);
    ApplySimEdit(reg, *ann, edit);
    EXPECT_EQ(ann->LifeStage(), kLifeStageAdult);
    EXPECT_EQ(ann->partnerId, yan->id);
    EXPECT_EQ(yan->partnerId, ann->id);
}

TEST(MatchCandidate, OnlyAListedSimStaysChosen) {
    struct Case {
        int32_t chosen;
        std::vector<int32_t> listed;
        int selected;
        int32_t expected;
    } cases[] = {
        {7, {}, -1, -1},         // the list went empty
        {7, {3, 7}, -1, 7},      // still listed
        {7, {3, 5}, -1, -1},     // filtered away
        {7, {3, 5}, 1, 5},       // a selection wins
        {-1, {3}, -1, -1},
        {7, {3}, 4, -1},         // a selection beyond the list counts as none
    };
    for (const Case& c : cases)
        EXPECT_EQ(ListedCandidate(c.chosen, c.listed, c.selected), c.expected) << c.chosen << " " << c.selected;
}

TEST(ChangeChecks, FriendSetsIgnoreOrderChemistryListsDoNot) {
    EXPECT_TRUE(SameFriendSet({3, 1, 2}, {1, 2, 3}));
    EXPECT_FALSE(SameFriendSet({1, 2}, {1, 2, 3}));
    const std::vector<ChemistryEntry> a{ChemistryEntry(1, 0), ChemistryEntry(2, 1)};
    const std::vector<ChemistryEntry> b{ChemistryEntry(2, 1), ChemistryEntry(1, 0)};
    const std::vector<ChemistryEntry> c{ChemistryEntry(1, 1), ChemistryEntry(2, 1)};
    EXPECT_TRUE(SameChemistryList(a, a));
    EXPECT_FALSE(SameChemistryList(a, b));
    EXPECT_FALSE(SameChemistryList(a, c));
}
