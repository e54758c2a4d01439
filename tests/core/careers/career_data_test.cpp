#include <gtest/gtest.h>

#include "careers/CareerFixture.h"
#include "careers/NestrelCareerInfo.h"
#include "careers/SimCareerData.h"

TEST(SimCareerData, NewPlacementIsAnUnemployedAdult) {
    SimCareerData data;
    EXPECT_EQ(data.careerCode, -2);
    EXPECT_EQ(data.lifeStage, 1);
    EXPECT_EQ(data.level, 0);
    EXPECT_EQ(data.definition, nullptr);
    EXPECT_EQ(data.GetHours(), "None");
    EXPECT_EQ(data.careerText, "Age Level: Adult\nCareer: Unemployed\nFriends Needed: 0\nSalary: 0\nHours: None");
}

TEST(SimCareerData, SetCareerLevelRules) {
    auto def = MakeCareer("Business", 4);
    struct Case {
        int32_t stage;
        int32_t level;
        int16_t stored;
    } cases[] = {
        {2, 2, 12},  {2, 0, 10},  {2, -3, 10}, {2, 10, 3},  {2, 11, 11}, {2, 13, 13},
        {1, 15, 3},  {1, 13, 13}, {1, -1, 0},  {0, 12, 12}, {1, 5, 5},   {2, 14, 3},
    };
    for (const Case& c : cases) {
        SimCareerData data;
        data.SetCareer(def.get(), c.stage, c.level, false);
        EXPECT_EQ(data.level, c.stored) << "stage " << c.stage << " level " << c.level;
        EXPECT_EQ(data.careerCode, 4);
        EXPECT_EQ(data.lifeStage, c.stage);
    }
}

TEST(SimCareerData, SetCareerWithoutADefinition) {
    SimCareerData data;
    data.SetCareer(nullptr, 1, 0, true);
    EXPECT_EQ(data.careerCode, 0);
    EXPECT_EQ(data.GetHours(), "9a-5p");
    data.SetCareer(nullptr, 3, 0, false);
    EXPECT_EQ(data.careerCode, -1);
    EXPECT_EQ(data.GetHours(), "9a-3p");
    data.SetCareer(nullptr, 2, 0, false);
    EXPECT_EQ(data.careerCode, -1);
    EXPECT_EQ(data.level, 10);
    EXPECT_EQ(data.GetHours(), "9a-1p");
    data.SetCareer(nullptr, 0, 0, false);
    EXPECT_EQ(data.careerCode, -2);
    EXPECT_EQ(data.GetHours(), "None");
    // An Adult at School (as a file can hold it) has no fixed hours.
    SimCareerData school(1, -1, 0);
    EXPECT_EQ(school.GetHours(), "None");
}

TEST(SimCareerData, PositionAndHoursStayInsideTheSlots) {
    auto def = MakeCareer("Business", 4);
    SimCareerData data(1, 4, 0);
    data.AttachDefinition(def.get());
    EXPECT_EQ(data.GetPositionName(), "");
    EXPECT_EQ(data.GetHours(), "None");
    EXPECT_EQ(data.GetCareerName(), "Business");
    for (int16_t level : {int16_t(14), int16_t(-4), int16_t(32767), int16_t(-32768)}) {
        data.level = level;
        EXPECT_EQ(data.GetPositionName(), "") << level;
        EXPECT_EQ(data.GetHours(), "None") << level;
        data.RebuildText();
        EXPECT_FALSE(data.IsPromotable());
    }
    data.level = 13;
    EXPECT_EQ(data.GetPositionName(), "P12");
    data.level = 3;
    EXPECT_EQ(data.GetPositionName(), "Clerk");
    EXPECT_EQ(data.GetHours(), "9a-4p");
    SimCareerData none;
    EXPECT_EQ(none.GetPositionName(), "");
    EXPECT_EQ(none.GetCareerName(), "");
}

TEST(CareerTable, FindCareerAttachesTheFirstCareerOfTheCode) {
    NestrelCareerInfo info;
    SimCareerData data(1, 4, 3);
    info.FindCareer(data);  // empty table: nothing
    EXPECT_EQ(data.definition, nullptr);
    const CareerDefinition* first = info.careers.Append(MakeCareer("Business", 4));
    info.careers.Append(MakeCareer("Other Business", 4));
    const CareerDefinition* noEnum = info.careers.Append(MakeCareer("NoEnum", -1));
    info.FindCareer(data);
    EXPECT_EQ(data.definition, first);
    EXPECT_NE(data.careerText.find("Career: Business\n"), std::string::npos);
    // An unknown code keeps the definition it had.
    data.careerCode = 99;
    info.FindCareer(data);
    EXPECT_EQ(data.definition, first);
    // A career without a number (-1) is found for every Sim at School.
    SimCareerData pupil(3, -1, 0);
    info.FindCareer(pupil);
    EXPECT_EQ(pupil.definition, noEnum);
}

TEST(CareerTable, CareerNameForCode) {
    CareerList list;
    list.Append(MakeCareer("Business", 4));
    EXPECT_EQ(CareerNameForCode(&list, -2), "Unemployed");
    EXPECT_EQ(CareerNameForCode(&list, -1), "School");
    EXPECT_EQ(CareerNameForCode(&list, 0), "Employee");
    EXPECT_EQ(CareerNameForCode(&list, 4), "Business");
    EXPECT_EQ(CareerNameForCode(&list, 5), "");
    EXPECT_EQ(CareerNameForCode(nullptr, -1), "");
    EXPECT_EQ(list.At(1), nullptr);
    EXPECT_EQ(list.At(-1), nullptr);
    EXPECT_EQ(list.Append(nullptr), nullptr);
}
