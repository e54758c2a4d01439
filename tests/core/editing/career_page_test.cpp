#include <gtest/gtest.h>

#include "careers/CareerList.h"
#include "careers/SimCareerData.h"
#include "editing/CareerPageRules.h"
#include "model/Vocabulary.h"

namespace {
std::unique_ptr<CareerDefinition> Career(const std::string& name, int32_t code, bool partTime) {
    auto def = std::make_unique<CareerDefinition>(name, code);
    for (int i = 0; i < kCareerSlots; ++i) {
        def->positions[static_cast<size_t>(i)] = name + " " + std::to_string(i + 1);
        def->hours[static_cast<size_t>(i)] = "9a-4p";
        def->salaries[static_cast<size_t>(i)] = 100 * (i + 1);
    }
    def->noPartTimeTrack = !partTime;
    if (!partTime) def->positions[10] = def->positions[11] = def->positions[12] = "";
    return def;
}

class CareerPageTest : public ::testing::Test {
protected:
    CareerList careers;
    void SetUp() override {
        careers.Append(Career("Law", 3, true));
        careers.Append(Career("Space", 7, false));
    }
    static std::vector<std::string> Texts(const std::vector<CareerEntry>& entries) {
        std::vector<std::string> t;
        for (const auto& e : entries) t.push_back(e.text);
        return t;
    }
};
}  // namespace

TEST_F(CareerPageTest, CareersOfferedPerLifeStage) {
    using V = std::vector<std::string>;
    EXPECT_EQ(Texts(CareersOffered(&careers, kLifeStageChild)), (V{"School"}));
    EXPECT_EQ(Texts(CareersOffered(&careers, kLifeStageTeen)), (V{"Employee", "Law", "School"}));
    EXPECT_EQ(Texts(CareersOffered(&careers, kLifeStageAdult)), (V{"Employee", "Law", "Space", "Unemployed"}));
    EXPECT_EQ(Texts(CareersOffered(&careers, kLifeStageElder)), (V{"Employee", "Law", "Unemployed"}));
    EXPECT_EQ(Texts(CareersOffered(nullptr, kLifeStageAdult)), (V{"Employee", "Unemployed"}));
}

TEST_F(CareerPageTest, LevelsOfferedPerTrack) {
    const auto adult = CareersOffered(&careers, kLifeStageAdult);
    const auto teen = CareersOffered(&careers, kLifeStageTeen);
    const auto elder = CareersOffered(&careers, kLifeStageElder);
    EXPECT_EQ(LevelsOffered(&adult[1], kLifeStageAdult).size(), 10u);
    EXPECT_EQ(LevelsOffered(&teen[1], kLifeStageTeen), (std::vector<std::string>{"Law 11", "Law 12", "Law 13"}));
    EXPECT_EQ(LevelsOffered(&elder[1], kLifeStageElder).size(), 13u);
    EXPECT_EQ(LevelsOffered(&adult[0], kLifeStageAdult), (std::vector<std::string>{"None"}));
    EXPECT_EQ(LevelsOffered(nullptr, kLifeStageAdult), (std::vector<std::string>{"None"}));
}

TEST_F(CareerPageTest, LevelEntriesStayInsideTheChoices) {
    const auto adult = CareersOffered(&careers, kLifeStageAdult);
    const auto teen = CareersOffered(&careers, kLifeStageTeen);
    const auto elder = CareersOffered(&careers, kLifeStageElder);
    CareerDefinition noPart("Farm", 9);
    noPart.noPartTimeTrack = true;
    const CareerEntry elderNoPart{"Farm", &noPart, 9};
    struct Case {
        const CareerEntry* entry;
        int32_t stage;
        int32_t level;
        int entries;
        int expected;
    } cases[] = {
        {&adult[1], kLifeStageAdult, 3, 10, 2},
        {&adult[1], kLifeStageAdult, 0, 10, 0},         // level 0: nearest is level 1
        {&teen[1], kLifeStageTeen, 12, 3, 1},           // Teen 12: second part-time entry
        {&teen[1], kLifeStageTeen, 10, 3, 0},           // Teen 10: nearest is 11
        {&teen[1], kLifeStageTeen, 0, 3, 0},
        {&elder[1], kLifeStageElder, 13, 13, 12},
        {&elderNoPart, kLifeStageElder, 13, 10, 9},     // no part-time track: level 10
        {&adult[0], kLifeStageAdult, 7, 1, 0},
    };
    for (const Case& c : cases) {
        const int got = LevelEntryForLevel(c.entry, c.stage, c.level, c.entries);
        EXPECT_EQ(got, c.expected) << c.entry->text << " stage " << c.stage << " level " << c.level;
        EXPECT_GE(got, 0);
        EXPECT_LT(got, c.entries);
    }
}

TEST_F(CareerPageTest, CodeAndLevelRoundTrip) {
    // Load a Teen at Law level 12, save unchanged choices through a changed life stage path.
    SimCareerData record;
    record.SetCareer(careers.At(0), kLifeStageTeen, 12, false);
    const auto entries = CareersOffered(&careers, kLifeStageTeen);
    const int careerEntry = SelectCareerByCode(entries, &careers, record.careerCode);
    ASSERT_EQ(entries[static_cast<size_t>(careerEntry)].text, "Law");
    const int levelEntry = LevelEntryForLevel(&entries[static_cast<size_t>(careerEntry)], kLifeStageTeen, record.level, 3);
    EXPECT_EQ(LevelForEntry(&entries[static_cast<size_t>(careerEntry)], kLifeStageTeen, levelEntry), 12);

    // An Adult-only career is not offered to a Teen: falls back to School.
    EXPECT_EQ(entries[static_cast<size_t>(SelectCareerByCode(entries, &careers, 7))].text, "School");
    // A code no career carries selects nothing.
    EXPECT_EQ(SelectCareerByCode(entries, &careers, 55), -1);
    EXPECT_EQ(SelectedCareerCode(entries, -1), kCareerUnemployed);
}

TEST_F(CareerPageTest, UnchangedChoicesKeepACareerTheTableDoesNotHold) {
    // The career table is empty: the Sim's career 3 cannot be shown.
    SimCareerData record(kLifeStageAdult, 3, 5);
    CareerList empty;
    const auto entries = CareersOffered(&empty, kLifeStageAdult);
    const int careerEntry = SelectCareerByCode(entries, &empty, record.careerCode);
    const CareerChoice loaded{kLifeStageAdult, careerEntry, 0};
    EXPECT_FALSE(SaveCareerChoice(record, entries, loaded, loaded));
    EXPECT_EQ(record.careerCode, 3);
    EXPECT_EQ(record.level, 5);

    // A changed life stage is written.
    const auto childEntries = CareersOffered(&empty, kLifeStageChild);
    EXPECT_TRUE(SaveCareerChoice(record, childEntries, CareerChoice{kLifeStageChild, 0, 0}, loaded));
    EXPECT_EQ(record.careerCode, kCareerSchool);
    EXPECT_EQ(record.lifeStage, kLifeStageChild);
}

TEST_F(CareerPageTest, SavingStoresCareerLevelAndEmployee) {
    SimCareerData record;
    const CareerChoice loaded{kLifeStageAdult, -1, 0};
    const auto teen = CareersOffered(&careers, kLifeStageTeen);
    ASSERT_TRUE(SaveCareerChoice(record, teen, CareerChoice{kLifeStageTeen, 1, 2}, loaded));
    EXPECT_EQ(record.careerCode, 3);
    EXPECT_EQ(record.level, 13);
    const auto adult = CareersOffered(&careers, kLifeStageAdult);
    ASSERT_TRUE(SaveCareerChoice(record, adult, CareerChoice{kLifeStageAdult, 0, 0}, loaded));
    EXPECT_EQ(record.careerCode, kCareerEmployee);
    EXPECT_EQ(record.level, 0);
    EXPECT_NE(CareerPreviewText(adult, CareerChoice{kLifeStageAdult, 2, 2}).find("Level: 3"), std::string::npos);
}
