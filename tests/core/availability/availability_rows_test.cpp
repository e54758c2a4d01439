#include <gtest/gtest.h>

#include "app/SimOrder.h"
#include "availability/AvailabilityRows.h"
#include "careers/SimCareerData.h"
#include "model/ModelFixture.h"
#include "model/Vocabulary.h"

namespace {

class AvailabilityTest : public ModelTest {
protected:
    std::vector<std::string> Names(int hour, int32_t first = 0, int32_t second = 0, int orderHour = 7) {
        std::vector<std::string> out;
        for (const AvailabilityRow& row : BuildAvailabilityRows(reg, hour, first, second, orderHour))
            out.push_back(row.name);
        return out;
    }
};

TEST(AvailabilityHours, EntriesAndTitle) {
    // A selector without a selection (-1) means 7 AM, not 6.
    EXPECT_EQ(AvailabilityHourForEntry(-1), 7);
    EXPECT_EQ(AvailabilityHourForEntry(0), 7);
    EXPECT_EQ(AvailabilityHourForEntry(6), 13);
    EXPECT_EQ(AvailabilityHourForEntry(17), 24);
    EXPECT_EQ(AvailabilityHourForEntry(18), 7);
    // The box opens on the dialog's own hour.
    EXPECT_EQ(AvailabilityEntryForHour(13), 6);
    EXPECT_EQ(AvailabilityEntryForHour(24), 17);
    EXPECT_EQ(AvailabilityEntryForHour(6), 0);
    EXPECT_EQ(AvailabilityTitle(13), "Availability List for: 13:00");
    EXPECT_EQ(AvailabilityTitle(24), "Availability List for: 24:00");
}

TEST_F(AvailabilityTest, WorkingAndSchoolHoursDecideWhoIsListed) {
    Family* lee = MakeFamily("Lee");
    Sim* worker = MakeSim(lee, "Wes", 64, true);
    worker->career.careerCode = kCareerEmployee;  // 9a-5p
    worker->career.lifeStage = kLifeStageAdult;
    Sim* idle = MakeSim(lee, "Ida");
    idle->career.lifeStage = kLifeStageAdult;  // unemployed: "None"
    Sim* teen = MakeSim(lee, "Tia");
    teen->career.lifeStage = kLifeStageTeen;
    teen->career.careerCode = kCareerSchool;  // 9a-1p

    struct Case { int hour; std::vector<std::string> names; };
    const Case cases[] = {
        {7, {"Lee, Wes", "Lee, Ida", "Lee, Tia"}},
        {8, {"Lee, Wes", "Lee, Ida", "Lee, Tia"}},
        {9, {"Lee, Ida"}},
        {12, {"Lee, Ida"}},
        {13, {"Lee, Ida", "Lee, Tia"}},
        {16, {"Lee, Ida", "Lee, Tia"}},
        {17, {"Lee, Wes", "Lee, Ida", "Lee, Tia"}},
        {24, {"Lee, Wes", "Lee, Ida", "Lee, Tia"}},
    };
    for (const Case& c : cases) EXPECT_EQ(Names(c.hour), c.names) << "hour " << c.hour;

    const auto rows = BuildAvailabilityRows(reg, 7, 0, 0, 7);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].hours, "9a-5p");
    EXPECT_TRUE(rows[0].male);
    EXPECT_EQ(rows[0].simId, worker->id);
    EXPECT_EQ(rows[1].hours, "None");
    EXPECT_FALSE(rows[1].male);
}

TEST_F(AvailabilityTest, HomelessFamiliesAndAnEmptyNeighborhoodListNobody) {
    EXPECT_TRUE(Names(10).empty());
    Family* gone = MakeFamily("Gone");
    MakeSim(gone, "Hal")->career.lifeStage = kLifeStageAdult;
    gone->homeless = true;
    Family* here = MakeFamily("Here");
    MakeSim(here, "Amy")->career.lifeStage = kLifeStageAdult;
    EXPECT_EQ(Names(10), std::vector<std::string>{"Here, Amy"});
}

TEST_F(AvailabilityTest, RowsFollowTheTwoOrderKeys) {
    Family* b = MakeFamily("Brown");
    Family* a = MakeFamily("adams");
    Sim* zed = MakeSim(b, "Zed", 64, true);
    Sim* amy = MakeSim(b, "Amy");
    Sim* kid = MakeSim(a, "Kim", 64, true);
    for (Sim* s : {zed, amy}) s->career.lifeStage = kLifeStageAdult;
    kid->career.lifeStage = kLifeStageChild;
    kid->career.careerCode = kCareerSchool;  // 9a-3p

    EXPECT_EQ(Names(7), (std::vector<std::string>{"Brown, Zed", "Brown, Amy", "adams, Kim"}));
    EXPECT_EQ(Names(7, kOrderLastName), (std::vector<std::string>{"adams, Kim", "Brown, Amy", "Brown, Zed"}));
    EXPECT_EQ(Names(7, kOrderGender, kOrderFirstName),
              (std::vector<std::string>{"Brown, Amy", "adams, Kim", "Brown, Zed"}));
    EXPECT_EQ(Names(7, kOrderLifeStage, kOrderLastName),
              (std::vector<std::string>{"adams, Kim", "Brown, Amy", "Brown, Zed"}));
    // "Available" asks about the main window's hour, not the list's: at 10 the
    // child is at school, so the adults come first although all are free at 7.
    EXPECT_EQ(Names(7, kOrderAvailable, kOrderFirstName, 10),
              (std::vector<std::string>{"Brown, Amy", "Brown, Zed", "adams, Kim"}));
}

TEST_F(AvailabilityTest, ACareerTheTableDoesNotHoldHasUnknownHoursAtEveryHourAndANote) {
    Family* lee = MakeFamily("Lee");
    Sim* lost = MakeSim(lee, "Lu");
    lost->career.lifeStage = kLifeStageAdult;
    lost->career.careerCode = 3;  // no definition: the career file was not read
    lost->career.level = 2;
    Sim* idle = MakeSim(lee, "Ida");
    idle->career.lifeStage = kLifeStageAdult;
    for (int hour : {7, 13, 24}) {
        const auto rows = BuildAvailabilityRows(reg, hour, 0, 0, 7);
        ASSERT_EQ(rows.size(), 2u) << hour;
        EXPECT_EQ(rows[0].name, "Lee, Lu");
        EXPECT_EQ(rows[0].hours, "Unknown");
        EXPECT_FALSE(rows[0].hoursKnown);
        EXPECT_EQ(rows[1].hours, "None");
        EXPECT_TRUE(rows[1].hoursKnown);
        EXPECT_NE(AvailabilityNote(rows).find("unknown without the career file"), std::string::npos);
    }
    // The fixed codes need no table; a career found in it has its hours.
    EXPECT_FALSE(WorkingHoursKnown(lost->career));
    for (int32_t code : {kCareerUnemployed, kCareerSchool, kCareerEmployee}) {
        lost->career.careerCode = code;
        EXPECT_TRUE(WorkingHoursKnown(lost->career)) << code;
    }
    EXPECT_EQ(AvailabilityNote(BuildAvailabilityRows(reg, 13, 0, 0, 7)), "");
}

}  // namespace
