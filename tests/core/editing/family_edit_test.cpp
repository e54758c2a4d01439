#include <gtest/gtest.h>

#include "editing/FamilyEditRules.h"
#include "model/ModelFixture.h"
#include "model/Vocabulary.h"
#include "storage/NeighborhoodFile.h"

namespace {
class FamilyEditTest : public ModelTest {
protected:
    Family* smith = nullptr;
    Family* jones = nullptr;
    Sim* ann = nullptr;
    Sim* joe = nullptr;
    void SetUp() override {
        smith = MakeFamily("Smith");
        jones = MakeFamily("Jones");
        ann = MakeSim(smith, "Ann");
        joe = MakeSim(jones, "Joe");
    }
};
}  // namespace

TEST_F(FamilyEditTest, OkChecksInOrder) {
    struct Case {
        std::string name;
        int rows;
        std::string expected;
    } cases[] = {
        {"", 0, "Please enter a family name!"},
        {"   ", 1, "Please enter a family name!"},
        {"Brown", 0, "Please add at least one member to the family!"},
        {"Jones", 1, "This last name is already taken."},
        {"jones", 1, ""},
        {"Smith", 1, ""},  // its own name
        {"Bro]wn", 1, "A family name cannot hold the character ']'."},
        {"Bro\nwn", 1, "A family name cannot hold a line break."},
    };
    for (Case& c : cases) EXPECT_EQ(CheckFamilyOk(reg, *smith, c.name, c.rows), c.expected) << c.name;
    std::string padded = "  Brown ";
    EXPECT_EQ(CheckFamilyOk(reg, *smith, padded, 1), "");
    EXPECT_EQ(padded, "Brown");
}

TEST_F(FamilyEditTest, DiscardedNewMemberLeavesNoIdBehind) {
    auto pending = std::make_unique<PendingMembers>(reg);
    Sim* kid = pending->Add(pending->MakeBlank(*smith));
    kid->firstName = "Kid";
    Sim* twin = pending->Add(pending->MakeBlank(*smith));
    twin->firstName = "Twin";
    // Links made while the dialog runs, on both sides as the editing pages make them.
    kid->AddFriend(reg, joe->id, true);
    kid->AddChemistry(reg, joe->id, 1, true);
    kid->SetPartner(reg, kStatusMarried, ann->id);
    twin->friendIds.push_back(kid->id);
    kid->friendIds.push_back(twin->id);
    ASSERT_TRUE(joe->HasFriend(kid->id));
    ASSERT_EQ(ann->partnerId, kid->id);

    const int32_t kidId = kid->id;
    pending->Discard(kid);
    EXPECT_FALSE(joe->HasFriend(kidId));
    EXPECT_EQ(joe->chemistry.Count(), 0);
    EXPECT_EQ(ann->partnerId, -1);
    EXPECT_EQ(ann->status, kStatusSingle);
    EXPECT_FALSE(twin->HasFriend(kidId));

    twin->AddFriend(reg, ann->id, true);
    const int32_t twinId = twin->id;
    pending.reset();  // the dialog is cancelled
    EXPECT_FALSE(ann->HasFriend(twinId));
}

TEST_F(FamilyEditTest, CommitRegistersMembersAndRecounts) {
    PendingMembers pending(reg);
    Sim* kid = pending.Add(pending.MakeBlank(*smith));
    kid->firstName = "Kid";
    kid->AddFriend(reg, joe->id, true);
    pending.CommitTo(*smith);
    EXPECT_EQ(pending.Count(), 0u);
    EXPECT_EQ(smith->memberCount, 2);
    EXPECT_EQ(reg.FindSimByName("Kid Smith"), kid);
    EXPECT_EQ(smith->friendCount, 1);
    EXPECT_TRUE(joe->HasFriend(kid->id));
}

TEST_F(FamilyEditTest, CommitOfATakenNameUnlinksTheRefusedSim) {
    PendingMembers pending(reg);
    Sim* second = pending.Add(pending.MakeBlank(*smith));
    second->firstName = "Ann";
    second->AddFriend(reg, joe->id, true);
    const int32_t id = second->id;
    pending.CommitTo(*smith);
    EXPECT_EQ(smith->memberCount, 1);
    EXPECT_FALSE(joe->HasFriend(id));
}

TEST_F(FamilyEditTest, FamilyStaysWhileEditedAndGoesWhenLeftEmpty) {
    PendingMembers pending(reg);
    Sim* kid = pending.Add(pending.MakeBlank(*smith));
    kid->firstName = "Kid";
    ASSERT_TRUE(RemoveMemberKeepingFamily(reg, *ann));
    EXPECT_TRUE(reg.families.Contains(smith));
    EXPECT_EQ(smith->memberCount, 0);
    EXPECT_EQ(reg.FindSimByName("Ann Smith"), nullptr);
    // OK: the new member joins the family that stayed.
    pending.CommitTo(*smith);
    EXPECT_EQ(smith->memberCount, 1);
    EXPECT_FALSE(DropFamilyIfEmpty(reg, smith));

    // Cancel after the last member went: the family goes too.
    ASSERT_TRUE(RemoveMemberKeepingFamily(reg, *joe));
    EXPECT_TRUE(reg.families.Contains(jones));
    EXPECT_TRUE(DropFamilyIfEmpty(reg, jones));
    EXPECT_FALSE(reg.families.Contains(jones));
}

TEST_F(FamilyEditTest, MemberRowsListRegisteredThenWaiting) {
    PendingMembers pending(reg);
    Sim* kid = pending.Add(pending.MakeBlank(*smith));
    kid->firstName = "Kid";
    kid->career.SetCareer(nullptr, kLifeStageTeen, 0, false);
    ann->SetPartner(reg, kStatusMarried, joe->id);
    const auto rows = FamilyMemberRows(reg, *smith, pending.View());
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].name, "Ann Smith");
    EXPECT_EQ(rows[0].match, "Joe Jones");
    EXPECT_EQ(rows[1].name, "Kid Smith");
    EXPECT_EQ(rows[1].age, "Teen");
    EXPECT_EQ(rows[1].match, "");
}

TEST_F(FamilyEditTest, RenamedFamilyAndMemberSurviveSaveAndLoad) {
    ann->AddFriend(reg, joe->id, true);
    reg.RenameFamily(*jones, "Johnson");
    reg.RenameSim(*ann, "Anna");
    EXPECT_EQ(reg.FindSimByName("Joe Johnson"), joe);

    NeighborhoodFile file;
    file.SetRegistry(&reg);
    const std::string text = file.WriteToText();
    ASSERT_FALSE(text.empty());

    IdCounters counters2;
    SimRegistry loaded(counters2, prompter);
    NeighborhoodFile reader;
    reader.SetRegistry(&loaded);
    ASSERT_TRUE(reader.ReadFromText(text));
    Sim* anna = loaded.FindSimByName("Anna Smith");
    Sim* joe2 = loaded.FindSimByName("Joe Johnson");
    ASSERT_NE(anna, nullptr);
    ASSERT_NE(joe2, nullptr);
    EXPECT_TRUE(anna->HasFriend(joe2->id));
    EXPECT_TRUE(joe2->HasFriend(anna->id));
}
