#include <gtest/gtest.h>

#include "careers/CareerFixture.h"
#include "careers/CareerText.h"
#include "careers/Promotion.h"
#include "careers/SimCareerData.h"
#include "model/Sim.h"
#include "support/RecordingPrompter.h"

TEST(CareerText, AdultExample) {
    auto def = MakeCareer("Business", 4);
    EXPECT_EQ(BuildCareerText(def.get(), 4, 1, 3),
              "Age Level: Adult\nCareer: Business\nLevel: 3\nLevel Name: Clerk\n"
              "Friends for promotion: 1\nSalary: 300\nHours: 9a-4p");
}

TEST(CareerText, LevelLinesOfTheTracks) {
    auto def = MakeCareer("Business", 4);
    struct Case {
        int32_t stage;
        int32_t level;
        const char* levelLine;
        const char* position;  // nullptr: no detail lines at all
    } cases[] = {
        {2, 10, "Level: Teen 10\n", nullptr},  // t becomes 19, past the slots
        {2, 0, "Level: Teen 0\n", "P9"},
        {2, 11, "Level: Teen 1\n", "P10"},
        {2, 13, "Level: Teen 3\n", "P12"},
        {0, 12, "Level: Elder 2\n", "P11"},
        {0, 5, "Level: 5\n", "P4"},
        {1, 0, "Level: 0\n", nullptr},
        {1, 13, "Level: 13\n", "P12"},
        {1, 14, "Level: 14\n", nullptr},
        {1, -40, "Level: -40\n", nullptr},
    };
    for (const Case& c : cases) {
        std::string text = BuildCareerText(def.get(), 4, c.stage, c.level);
        SCOPED_TRACE(text);
        EXPECT_NE(text.find(c.levelLine), std::string::npos);
        if (c.position) {
            EXPECT_NE(text.find(std::string("Level Name: ") + c.position + "\n"), std::string::npos);
            EXPECT_NE(text.find("Hours: "), std::string::npos);
        } else {
            EXPECT_EQ(text.find("Level Name"), std::string::npos);
            EXPECT_EQ(text.find("Friends"), std::string::npos);
            EXPECT_EQ(text.find("Salary"), std::string::npos);
            EXPECT_EQ(text.find("Hours"), std::string::npos);
        }
    }
}

TEST(CareerText, WithoutADefinition) {
    EXPECT_EQ(BuildCareerText(nullptr, 0, 1, 0),
              "Age Level: Adult\nCareer: Employee\nFriends Needed: 0\nSalary: 0\nHours: 9a-5p");
    EXPECT_EQ(BuildCareerText(nullptr, -1, 2, 10),
              "Age Level: Teen\nCareer: School\nFriends Needed: 0\nSalary: 0\nHours: 9a-1p");
    // An Adult at School shows the child's school hours.
    EXPECT_EQ(BuildCareerText(nullptr, -1, 1, 0),
              "Age Level: Adult\nCareer: School\nFriends Needed: 0\nSalary: 0\nHours: 9a-3p");
    EXPECT_EQ(BuildCareerText(nullptr, 17, 0, 3), "Age Level: Elder\nFriends Needed: 0\nSalary: 0\n");
    EXPECT_EQ(BuildCareerText(nullptr, -2, 9, 0),
              "Age Level: \nCareer: Unemployed\nFriends Needed: 0\nSalary: 0\nHours: None");
}

TEST(Promotion, PromotableRules) {
    auto def = MakeCareer("Business", 4);
    struct Case {
        const CareerDefinition* def;
        int32_t code;
        int32_t stage;
        int16_t level;
        bool promotable;
    } cases[] = {
        {def.get(), 4, 1, 9, true},   {def.get(), 4, 1, 10, false}, {def.get(), 4, 2, 12, true},
        {def.get(), 4, 2, 13, false}, {def.get(), 4, 1, 0, false},  {nullptr, 0, 1, 3, false},
        {nullptr, -1, 2, 11, false},  {nullptr, -2, 1, 3, false},   {nullptr, 4, 1, 3, false},
    };
    for (const Case& c : cases) {
        SimCareerData data(c.stage, c.code, c.level);
        data.AttachDefinition(c.def);
        EXPECT_EQ(data.IsPromotable(), c.promotable)
            << "code " << c.code << " stage " << c.stage << " level " << c.level;
    }
}

TEST(Promotion, PromoteStopsAtTheTopsAndForChildren) {
    auto def = MakeCareer("Business", 4);
    SimCareerData data;
    data.SetCareer(def.get(), 1, 9, false);
    data.Promote();
    EXPECT_EQ(data.level, 10);
    EXPECT_FALSE(data.IsPromotable());
    data.Promote();
    EXPECT_EQ(data.level, 10);
    SimCareerData teen;
    teen.SetCareer(def.get(), 2, 3, false);  // level 13
    teen.Promote();
    EXPECT_EQ(teen.level, 13);
    SimCareerData child(3, 4, 4);
    child.Promote();
    EXPECT_EQ(child.level, 4);
    SimCareerData adult(1, 4, 4);
    adult.AttachDefinition(def.get());
    adult.Promote();
    EXPECT_EQ(adult.level, 5);
    EXPECT_NE(adult.careerText.find("Level: 5\n"), std::string::npos);
}

TEST(Promotion, PromoteSimTellsTheUser) {
    auto def = MakeCareer("Business", 4);
    RecordingPrompter prompter;
    Sim sim("Ann", "Lee", 64, 1, false);
    sim.career.SetCareer(def.get(), 2, 1, false);  // Teen, level 11
    EXPECT_TRUE(PromoteSim(sim, prompter));
    EXPECT_EQ(sim.career.level, 12);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "Ann Lee was promoted in the field of Business to P11! (Level 12)");
    EXPECT_EQ(prompter.messages[0].caption, "Promotion!");

    Sim idle("Bo", "Lee", 64, 2, true);
    EXPECT_FALSE(PromoteSim(idle, prompter));
    EXPECT_EQ(prompter.messages.back().text, "Bo Lee is NOT promotable.");
    EXPECT_EQ(prompter.messages.back().caption, "Message");
    EXPECT_EQ(idle.career.level, 0);

    // A Child is never reported as promoted (Promote would leave it alone).
    Sim kid("Cy", "Lee", 64, 3, true);
    kid.career = SimCareerData(3, 4, 4);
    kid.career.AttachDefinition(def.get());
    EXPECT_FALSE(PromoteSim(kid, prompter));
    EXPECT_EQ(kid.career.level, 4);
}
