// The career information tables: level rows, skills text, skill matching.
#include <gtest/gtest.h>

#include "CareerFixture.h"
#include "careers/CareerList.h"
#include "careers/CareerTables.h"

namespace {

constexpr int32_t kCooking = 1, kMechanical = 2, kCharisma = 4, kBody = 8, kLogic = 16, kCreativity = 32, kCleaning = 64;

CareerDefinition* Add(CareerList& list, const std::string& name, int32_t skills) {
    CareerDefinition* def = list.Append(MakeCareer(name, static_cast<int32_t>(list.Count()) + 1));
    def->skills = skills;
    return def;
}

TEST(CareerTables, LevelRowsShowSlotNumbersAndThePartTimeTrackOnlyWhenPresent) {
    auto career = MakeCareer("Law", 3);
    CareerLevels levels = CareerLevelRows(*career);
    ASSERT_EQ(levels.main.size(), 10u);
    ASSERT_EQ(levels.partTime.size(), 3u);
    const CareerLevelRow& clerk = levels.main[2];
    EXPECT_EQ(clerk.level, "2");  // the slot number, not the level
    EXPECT_EQ(clerk.position, "Clerk");
    EXPECT_EQ(clerk.friends, "1");
    EXPECT_EQ(clerk.hours, "9a-4p");
    EXPECT_EQ(clerk.salary, "300");
    EXPECT_EQ(levels.main[0].level, "0");
    EXPECT_EQ(levels.partTime[0].level, "10");
    EXPECT_EQ(levels.partTime[2].level, "12");
    EXPECT_EQ(levels.partTime[2].position, "P12");

    career->noPartTimeTrack = true;
    levels = CareerLevelRows(*career);
    EXPECT_EQ(levels.main.size(), 10u);
    EXPECT_TRUE(levels.partTime.empty());
}

TEST(CareerTables, SkillsTextJoinsTheSkillsWithoutATrailingSeparator) {
    const std::pair<int32_t, const char*> cases[] = {
        {0, ""},
        {kCooking, "Cooking"},
        {kCooking | kBody | kLogic, "Cooking, Body, Logic"},
        {kCleaning | kMechanical | kCharisma | kCreativity, "Mechanical, Charisma, Creativity, Cleaning"},
        {127 | 128, "Cooking, Mechanical, Charisma, Body, Logic, Creativity, Cleaning"},  // bit 7 is no skill
    };
    for (const auto& [mask, text] : cases) EXPECT_EQ(CareerSkillsText(mask), text) << mask;

    CareerList list;
    Add(list, "Zoo", kBody);
    Add(list, "army", 0);
    EXPECT_EQ(CareerSkillRows(list), (std::vector<std::pair<std::string, std::string>>{{"Zoo", "Body"}, {"army", ""}}));
    EXPECT_EQ(SortedCareerNames(list), (std::vector<std::string>{"army", "Zoo"}));
    EXPECT_EQ(FindCareerByName(list, "Zoo"), list.At(0));
    EXPECT_EQ(FindCareerByName(list, "zoo"), nullptr);
}

TEST(CareerTables, MatchingCountsWhollyContainedSkillsOfTheFirstThree) {
    CareerList list;
    Add(list, "Cook Body Logic", kCooking | kBody | kLogic);
    Add(list, "Cook Body Clean", kCooking | kBody | kCleaning);
    Add(list, "Cook Only", kCooking);
    Add(list, "Cook Clean", kCooking | kCleaning);

    SkillMatch m = MatchSkills(list, {kCooking, kBody, kCleaning});
    EXPECT_EQ(m.allThree, (std::vector<std::string>{"Cook Body Clean"}));
    EXPECT_EQ(m.bestTwo, (std::vector<std::string>{"Cook Body Logic", "Cook Clean"}));

    // Two skills chosen: careers having both are "best 2 of 3", none can have all 3.
    m = MatchSkills(list, {kCooking, kCleaning});
    EXPECT_TRUE(m.allThree.empty());
    EXPECT_EQ(m.bestTwo, (std::vector<std::string>{"Cook Body Clean", "Cook Clean"}));

    // One or none: both lists stay empty.
    EXPECT_TRUE(MatchSkills(list, {kCooking}).bestTwo.empty());
    EXPECT_TRUE(MatchSkills(list, {}).allThree.empty());

    // A fourth value is never taken.
    m = MatchSkills(list, {kCooking, kBody, kLogic, kCleaning});
    EXPECT_EQ(m.allThree, (std::vector<std::string>{"Cook Body Logic"}));
}

TEST(CareerTables, MatchNoteSpeaksWhenNothingCanMatchOrNothingDid) {
    CareerList list;
    Add(list, "Cook Body", kCooking | kBody);
    const struct {
        std::vector<int32_t> chosen;
        const char* note;
    } cases[] = {
        {{}, "Choose two or three skills to match."},
        {{kCooking}, "Choose two or three skills to match."},
        {{kMechanical, kCharisma}, "No career needs both of these skills."},
        {{kMechanical, kCharisma, kLogic}, "No career needs two or more of these skills."},
        {{kCooking, kBody}, ""},
        {{kCooking, kBody, kLogic}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SkillMatchNote(c.chosen.size(), MatchSkills(list, c.chosen)), c.note) << c.chosen.size();
    EXPECT_EQ(SkillCountText(0), "Skills chosen: 0 of 3");
    EXPECT_EQ(SkillCountText(3), "Skills chosen: 3 of 3");
}

TEST(CareerTables, SkillNamesInAnyCaseAndTheSelectionLimit) {
    EXPECT_EQ(SkillValueForName("Cooking"), kCooking);
    EXPECT_EQ(SkillValueForName("cLEANING"), kCleaning);
    EXPECT_EQ(SkillValueForName("None"), 0);
    EXPECT_EQ(SkillValueForName("Cook"), 0);
    EXPECT_EQ(MatchableSkillTexts().size(), 7u);
    EXPECT_TRUE(SkillSelectionAllowed(3));
    EXPECT_FALSE(SkillSelectionAllowed(4));
}

}  // namespace
