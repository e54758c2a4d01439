#include <fstream>

#include "NeighborhoodFixture.h"
#include "careers/CareerList.h"

namespace {

TEST(CareerFileTest, ReadsCareersWithTheirSlots) {
    CareerList list;
    std::string version = "0.0";
    GroupFile groups = GroupFile::ParseGroups(
        "[settings]\nvers=2.1\n"
        "[Culinary]\nEnum=3\nSkills=5\n"
        "L0=Dishwasher,0,120,9a-3p\nL1=Cook,1,,\nL2=Chef\n"
        "L3=A,1,2,3a-4p,extra\n"
        "L10=Teen Cook,0,50,3p-7p\nL11=Teen Chef,1,60,3p-8p\nL12=Teen Boss,2,70,3p-9p\n"
        "[School Club]\nSkills=1\nL0=Member,0,0,\n");
    ASSERT_TRUE(ReadCareerGroups(groups, list, version));
    EXPECT_EQ(version, "2.1");
    ASSERT_EQ(list.Count(), 2u);
    const CareerDefinition& c = *list.At(0);
    EXPECT_EQ(c.name, "Culinary");
    EXPECT_EQ(c.enumValue, 3);
    EXPECT_EQ(c.skills, 5);
    EXPECT_FALSE(c.noPartTimeTrack);
    EXPECT_EQ(c.positions[0], "Dishwasher");
    EXPECT_EQ(c.salaries[0], 120);
    EXPECT_EQ(c.hours[0], "9a-3p");
    EXPECT_EQ(c.positions[1], "Cook");  // empty tokens kept: empty text and 0
    EXPECT_EQ(c.friendsPerLevel[1], 1);
    EXPECT_EQ(c.salaries[1], 0);
    EXPECT_EQ(c.hours[1], "");
    EXPECT_EQ(c.positions[2], "Chef");  // missing tokens too
    EXPECT_EQ(c.hours[3], "3a-4p");     // extra tokens ignored
    EXPECT_EQ(c.positions[9], "");      // missing slot
    EXPECT_EQ(c.hours[12], "3p-9p");
    // no "Enum" is School's number; slots 11 and 12 missing: no part-time track
    EXPECT_EQ(list.At(1)->enumValue, -1);
    EXPECT_TRUE(list.At(1)->noPartTimeTrack);
}

TEST(CareerFileTest, SettingsCountsOnlyAsTheFirstGroup) {
    CareerList list;
    std::string version = "0.0";
    ASSERT_TRUE(ReadCareerGroups(GroupFile::ParseGroups("; careers\n[settings]\nvers=1.0\n[A]\nEnum=2\n"), list,
                                 version));
    EXPECT_EQ(version, "0.0");
    ASSERT_EQ(list.Count(), 3u);
    EXPECT_EQ(list.At(0)->name, "");
    EXPECT_EQ(list.At(0)->enumValue, -1);
    EXPECT_EQ(list.At(1)->name, "settings");
    EXPECT_EQ(list.At(2)->enumValue, 2);

    CareerList none;
    EXPECT_FALSE(ReadCareerGroups(GroupFile::ParseGroups(""), none, version));
    EXPECT_TRUE(ReadCareerGroups(GroupFile::ParseGroups("[settings]\nvers=3\n"), none, version));
    EXPECT_EQ(version, "3");
    EXPECT_TRUE(none.IsEmpty());
}

TEST_F(TempDirTest, CareerFileIsReadFromTheDataFolder) {
    EXPECT_EQ(CareerFilePath("/opt/n", ""), "/opt/n/Data/SimCareers.ini");
    EXPECT_EQ(CareerFilePath("/opt/n", "Other"), "/opt/n/Data/Other.ini");
    EXPECT_EQ(CareerFilePath("/opt/n", "x.txt"), "/opt/n/Data/x.txt");
    CareerList list;
    std::string version = "0.0";
    EXPECT_FALSE(ReadCareerFile(list, version, dir.string()));
    std::ofstream(dir / "Data" / "SimCareers.ini") << "[settings]\r\nvers=1.5\r\n[Law]\r\nEnum=9\r\n";
    ASSERT_TRUE(ReadCareerFile(list, version, dir.string()));
    EXPECT_EQ(version, "1.5");
    ASSERT_EQ(list.Count(), 1u);
    EXPECT_EQ(list.At(0)->enumValue, 9);
}

TEST(CareerVersionTest, ComparesAsText) {
    EXPECT_LT(CompareVersionText("10.0", "2.0"), 0);
    EXPECT_LT(CompareVersionText("1.10", "1.9"), 0);
    EXPECT_LT(CompareVersionText("1.0", "1.0.1"), 0);
    EXPECT_GT(CompareVersionText("2.0", "1.0"), 0);
    EXPECT_EQ(CompareVersionText("1.0", "1.0"), 0);
    EXPECT_LT(CompareVersionText("", "0.0"), 0);
}

TEST(CareerVersionTest, AsksOnlyForOlderFiles) {
    RecordingPrompter p;
    p.answers = {true, false};
    EXPECT_TRUE(CheckCareerVersion("0.0", "1.0", p));
    EXPECT_FALSE(CheckCareerVersion("10.0", "2.0", p));  // older as text: asked, answered No
    EXPECT_FALSE(CheckCareerVersion("1.0", "1.0", p));
    EXPECT_EQ(p.messages.size(), 2u);
    EXPECT_FALSE(CheckCareerVersion("2.0", "1.0", p));
    ASSERT_EQ(p.messages.size(), 3u);
    EXPECT_FALSE(p.messages[2].question);
    const std::string question = p.messages[0].text;
    EXPECT_EQ(question,
              "Your saved Sim file is out of date with the Career file.\n"
              "You can either proceed with the auto-update, or manually change all of your Sims' careers.\n"
              "You will not be able to run the update again, unless you close without saving and re-open the file.\n"
              "Please make a backup of your Sim file first, then click Yes to update.");
}

TEST(CareerVersionTest, StoredValuesBecomeTheSimsCareer) {
    NestrelCareerInfo info;
    std::string version;
    ReadCareerGroups(GroupFile::ParseGroups("[Cook]\nEnum=4\nL0=Dishwasher,0,100,9a-5p\n"), info.careers, version);
    struct Case {
        int32_t stage, code, level;
        bool renumber;
        int32_t wantCode, wantLevel;
        bool defined;
    } cases[] = {
        {1, 3, 1, true, 4, 1, true},     {1, 3, 1, false, 3, 1, false},  {1, 10, 0, true, -1, 0, false},
        {1, 11, 0, true, -2, 0, false},  {1, 12, 0, true, 0, 0, false},  {2, 11, 3, true, -1, 10, false},
        {2, -2, 0, false, -1, 10, false}, {3, -2, 0, false, -2, 0, false}, {1, 4, 2, false, 4, 2, true},
    };
    for (const Case& c : cases) {
        SimCareerData career;
        CareerFromStoredValues(career, c.stage, c.code, static_cast<int16_t>(c.level), c.renumber, &info);
        EXPECT_EQ(career.careerCode, c.wantCode) << c.code;
        EXPECT_EQ(career.level, c.wantLevel) << c.code;
        EXPECT_EQ(career.definition != nullptr, c.defined) << c.code;
        EXPECT_EQ(career.lifeStage, c.stage);
    }
    SimCareerData without;
    CareerFromStoredValues(without, 1, 4, 1, false, nullptr);
    EXPECT_EQ(without.careerCode, 4);
    EXPECT_EQ(without.definition, nullptr);
}

}  // namespace
