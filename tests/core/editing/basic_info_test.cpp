#include <gtest/gtest.h>

#include "editing/BasicInfoRules.h"
#include "model/ModelFixture.h"

namespace {
class BasicInfoTest : public ModelTest {
protected:
    Family* smith = nullptr;
    Sim* ann = nullptr;
    Sim* bob = nullptr;
    void SetUp() override {
        smith = MakeFamily("Smith");
        ann = MakeSim(smith, "Ann");
        bob = MakeSim(smith, "Bob");
    }
    BasicInfoChoice Choice(const std::string& first, int sign = 0) {
        BasicInfoChoice c;
        c.firstName = first;
        c.signEntry = sign;
        return c;
    }
};
}  // namespace

TEST_F(BasicInfoTest, FirstNameChecksCoverNewRenamedAndPendingSims) {
    auto fresh = reg.NewSim("", "Smith", 0, true);
    fresh->family = smith;
    auto other = reg.NewSim("Cleo", "Smith", 0, true);
    other->family = smith;
    const std::vector<const Sim*> pending{fresh.get(), other.get()};
    const std::string taken = "This Sim already exists in the family. Please specify a new name.";
    struct Case {
        const Sim* sim;
        std::string name;
        std::string expected;
    } cases[] = {
        {fresh.get(), "", "Please enter a first name for your Sim!"},
        {fresh.get(), "Ann", taken},             // a new Sim named like a member
        {ann, "Bob", taken},                     // renaming a member onto another member
        {ann, "Cleo", taken},                    // ... or onto a Sim still waiting to join
        {fresh.get(), "Cleo", taken},            // two new Sims with one first name
        {ann, "Ann", ""},                        // own unchanged name
        {ann, "ann", ""},                        // names compare in exact case
        {fresh.get(), "Dora", ""},
        {fresh.get(), "Do\nra", "A first name cannot hold a line break."},
    };
    for (const Case& c : cases) EXPECT_EQ(CheckFirstName(*c.sim, c.name, pending), c.expected) << c.name;
}

TEST_F(BasicInfoTest, RenameKeepsLookupsByFullNameRight) {
    BasicInfoChoice c = Choice("  Anna ");
    ASSERT_TRUE(ConfirmBasicInfo(*ann, c, {}, prompter));
    ApplyBasicInfo(*ann, reg, c);
    EXPECT_EQ(ann->firstName, "Anna");
    EXPECT_EQ(reg.FindSimByName("Anna Smith"), ann);
    EXPECT_EQ(reg.FindSimByName("Ann Smith"), nullptr);
}

TEST_F(BasicInfoTest, RefusedRenameWritesNothing) {
    ann->aspiration = 2;
    BasicInfoChoice c = Choice("Bob");
    c.aspiration = 5;
    EXPECT_FALSE(ConfirmBasicInfo(*ann, c, {}, prompter));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].caption, "Message");
    EXPECT_EQ(ann->firstName, "Ann");
    EXPECT_EQ(ann->aspiration, 2);
}

TEST_F(BasicInfoTest, NoSignAsksFirstAndNoLeavesTheSimUntouched) {
    ann->male = false;
    BasicInfoChoice c = Choice("Annie", -1);
    c.male = true;
    prompter.answers = {false};
    EXPECT_FALSE(ConfirmBasicInfo(*ann, c, {}, prompter));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_TRUE(prompter.messages[0].question);
    EXPECT_EQ(prompter.messages[0].caption, "Warning!");
    // Nothing has been written before the answer, unlike a page that writes as it goes.
    EXPECT_EQ(ann->firstName, "Ann");
    EXPECT_FALSE(ann->male);

    const int32_t signBefore = ann->sign;
    prompter.answers = {true};
    ASSERT_TRUE(ConfirmBasicInfo(*ann, c, {}, prompter));
    ApplyBasicInfo(*ann, reg, c);
    EXPECT_EQ(ann->firstName, "Annie");
    EXPECT_TRUE(ann->male);
    EXPECT_EQ(ann->sign, signBefore);
}

TEST_F(BasicInfoTest, SignEntriesCarryTheirCodesAndOutOfTableValuesAreKept) {
    EXPECT_EQ(BasicSignCodeAt(0), 2);
    EXPECT_EQ(BasicSignCodeAt(1), 1);
    EXPECT_EQ(BasicSignCodeAt(11), 2048);
    EXPECT_EQ(BasicSignEntryForName("leo"), 6);
    EXPECT_EQ(BasicSignEntryForName(""), -1);
    EXPECT_EQ(BasicSignEntryForName("Ophiuchus"), -1);

    ann->degree = 40;
    ann->aspiration = 9;
    BasicInfoChoice c = Choice("Ann", 6);
    c.degree = -1;
    c.aspiration = -1;
    ASSERT_TRUE(ConfirmBasicInfo(*ann, c, {}, prompter));
    ApplyBasicInfo(*ann, reg, c);
    EXPECT_EQ(ann->degree, 40);
    EXPECT_EQ(ann->aspiration, 9);
    EXPECT_EQ(ann->sign, 64);
    EXPECT_EQ(ann->signName, "Leo");
}
