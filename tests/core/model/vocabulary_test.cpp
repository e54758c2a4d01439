#include <gtest/gtest.h>

#include "model/Vocabulary.h"

TEST(Vocabulary, LikesMaskIsTheOrOfTheSignsItsTextNames) {
    // Parse every likes text and check the mask against the named signs, so a
    // mistyped mask or text in the table cannot slip through.
    for (int i = 0; i < kSignCount; ++i) {
        std::string likes = SignLikesText(i);
        size_t comma = likes.find(", ");
        ASSERT_NE(comma, std::string::npos) << likes;
        std::string a = likes.substr(0, comma), b = likes.substr(comma + 2);
        int32_t expected = 0;
        for (int j = 0; j < kSignCount; ++j)
            if (SignText(j) == a || SignText(j) == b) expected |= SignCodeAt(j);
        EXPECT_EQ(LikesMaskForCode(SignCodeAt(i)), expected) << SignText(i);
        EXPECT_EQ(expected & SignCodeAt(i), 0) << SignText(i) << " likes itself";
        EXPECT_NE(SignDislikesText(i).find(", "), std::string::npos);
    }
}

TEST(Vocabulary, SignOrderAndSpelling) {
    EXPECT_EQ(SignText(5), "Libra");
    EXPECT_EQ(SignText(6), "Leo");
    EXPECT_EQ(SignText(8), "Saggitarius");
    EXPECT_EQ(SignCodeAt(5), 32);
    EXPECT_EQ(LikesMaskForCode(32), 2052);
    EXPECT_EQ(SignLikesText(5), "Virgo, Cancer");
    EXPECT_EQ(SignDislikesText(1), "Cancer, Libra");
    EXPECT_EQ(SignLikesText(11), "Aquarius, Saggitarius");
    EXPECT_EQ(LikesMaskForCode(2048), 257);
}

TEST(Vocabulary, CodesOutsideTheTablesGiveEmptyTextOrZero) {
    EXPECT_EQ(LikesMaskForCode(0), 0);
    EXPECT_EQ(LikesMaskForCode(3), 0);  // two bits: not a sign
    EXPECT_EQ(LikesMaskForCode(4096), 0);
    EXPECT_EQ(LikesMaskForCode(-1), 0);
    EXPECT_EQ(SignTextForCode(0), "");
    EXPECT_EQ(SignText(12), "");
    EXPECT_EQ(SignText(-1), "");
    EXPECT_EQ(SignCodeAt(40), 0);
    EXPECT_EQ(StatusText(4), "Matched up");
    EXPECT_EQ(StatusText(5), "");
    EXPECT_EQ(StatusText(-1), "");
    EXPECT_EQ(LifeStageText(3), "Child");
    EXPECT_EQ(LifeStageText(4), "");
    EXPECT_EQ(AspirationText(6), "Popularity");
    EXPECT_EQ(AspirationText(7), "");
    EXPECT_EQ(MajorText(10), "Political Science");
    EXPECT_EQ(MajorText(12), "");
    EXPECT_EQ(SkillText(7), "Cleaning");
    EXPECT_EQ(SkillText(8), "");
    EXPECT_EQ(GenderText(2), "");
    EXPECT_EQ(LegacyCareerText(12), "");
    EXPECT_EQ(HourEntryText(18), "");
    EXPECT_EQ(HourEntryText(-1), "");
}

TEST(Vocabulary, GenderTextFollowsTheMaleFlag) {
    EXPECT_EQ(GenderTextForMale(true), "Male");
    EXPECT_EQ(GenderTextForMale(false), "Female");
}

TEST(Vocabulary, ChemistryTypeTexts) {
    struct Case {
        int32_t type;
        const char* text;
    } cases[] = {{0, "Medium"}, {1, "High"}, {2, "Crush or Love"}, {3, "Crush or Love"},
                 {-1, "None"},  {4, "None"}, {-7, "None"},          {INT32_MAX, "None"}};
    for (const Case& c : cases) EXPECT_EQ(ChemistryTypeText(c.type), c.text) << c.type;
}

TEST(Vocabulary, ChemistryTypesFromOutsideAreBroughtIntoRange) {
    EXPECT_EQ(NormalizeChemistryType(0), 0);
    EXPECT_EQ(NormalizeChemistryType(2), 2);
    EXPECT_EQ(NormalizeChemistryType(-1), -1);
    EXPECT_EQ(NormalizeChemistryType(3), 2);
    EXPECT_EQ(NormalizeChemistryType(9), -1);
    EXPECT_EQ(NormalizeChemistryType(-5), -1);
    EXPECT_EQ(NormalizeChemistryType(INT32_MIN), -1);
}

TEST(Vocabulary, HourEntries) {
    EXPECT_EQ(HourEntryText(0), " 7  AM");
    EXPECT_EQ(HourEntryText(4), " 11  AM");
    EXPECT_EQ(HourEntryText(5), " 12 PM (Noon)");
    EXPECT_EQ(HourEntryText(6), " 1  PM");
    EXPECT_EQ(HourEntryText(16), " 11  PM");
    EXPECT_EQ(HourEntryText(17), " 12 AM (Midnight)");
    EXPECT_EQ(HourEntryTexts().size(), 18u);
    EXPECT_EQ(HourValueForIndex(0), 7);
    EXPECT_EQ(HourValueForIndex(17), 24);
    EXPECT_EQ(HourIndexForValue(13), 6);
    EXPECT_EQ(HourIndexForValue(25), 0);
    EXPECT_EQ(HourIndexForValue(3), 0);
}

TEST(Vocabulary, LegacyCareerRenumbering) {
    EXPECT_EQ(LegacyCareerText(9), "Slacker");
    EXPECT_EQ(RenumberLegacyCareer(9), 10);
    EXPECT_EQ(RenumberLegacyCareer(0), 1);
    EXPECT_EQ(RenumberLegacyCareer(10), -1);
    EXPECT_EQ(RenumberLegacyCareer(11), -2);
    EXPECT_EQ(RenumberLegacyCareer(12), 0);
    EXPECT_EQ(RenumberLegacyCareer(-2), -1);
    EXPECT_EQ(RenumberLegacyCareer(INT32_MAX), INT32_MAX);  // no overflow
}

TEST(Vocabulary, TablesForChoiceControls) {
    EXPECT_EQ(SignTexts().size(), 12u);
    EXPECT_EQ(StatusTexts().size(), 5u);
    EXPECT_EQ(LifeStageTexts().front(), "Elder");
    EXPECT_EQ(AspirationTexts().size(), 7u);
    EXPECT_EQ(MajorTexts().size(), 12u);
    EXPECT_EQ(SkillTexts().size(), 8u);
    EXPECT_EQ(ChemistryTypeTexts().size(), 3u);
    EXPECT_EQ(GenderTexts().front(), "Male");
    EXPECT_EQ(YesNoText(true), "Yes");
    EXPECT_EQ(YesNoText(false), "No");
}
