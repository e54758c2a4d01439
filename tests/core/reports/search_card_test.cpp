// The search by first name, the Sim card's values and its friend list.
#include "model/ModelFixture.h"
#include "reports/ReportText.h"
#include "reports/SimCard.h"
#include "reports/SimSearch.h"

namespace {

std::vector<std::string> Texts(const std::vector<SearchEntry>& entries) {
    std::vector<std::string> texts;
    for (const SearchEntry& e : entries) texts.push_back(e.text);
    return texts;
}

class SearchTest : public ModelTest {};

TEST_F(SearchTest, WholeFirstNameMatchesWithoutRegardToCase) {
    Family* smith = MakeFamily("Smith");
    Family* jones = MakeFamily("Jones");
    Sim* ann = MakeSim(smith, "Ann");
    MakeSim(smith, "Anna");
    MakeSim(smith, "Joanne");
    Sim* upper = MakeSim(jones, "ANN");
    MakeSim(jones, " Ann");

    const std::vector<SearchEntry> found = SearchByFirstName(reg.families, "ann");
    // Sorted as the list shows them: case ignored, then byte order.
    EXPECT_EQ(Texts(found), (std::vector<std::string>{"ANN Jones", "Ann Smith"}));
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].simId, upper->id);
    EXPECT_EQ(found[1].simId, ann->id);

    // A leading blank is part of the name typed.
    EXPECT_EQ(Texts(SearchByFirstName(reg.families, " Ann")), (std::vector<std::string>{" Ann Jones"}));
}

TEST_F(SearchTest, NothingFoundGivesOneEntryWithoutSimAndNoFamiliesGivesNone) {
    EXPECT_TRUE(SearchByFirstName(reg.families, "ann").empty());
    MakeSim(MakeFamily("Smith"), "Bob");
    const std::vector<SearchEntry> none = SearchByFirstName(reg.families, "ann");
    ASSERT_EQ(none.size(), 1u);
    EXPECT_EQ(none[0].text, "No matching Sims found");
    EXPECT_EQ(none[0].simId, -1);
}

class CardTest : public ModelTest {};

TEST_F(CardTest, ValuesOfASimWithoutPartnerOrCareerText) {
    Family* smith = MakeFamily("Smith");
    Sim* bob = MakeSim(smith, "Bob", 64, true);
    bob->townie = true;
    bob->career.careerText.clear();
    const SimCard card = BuildSimCard(reg, *bob);
    ASSERT_EQ(card.rows.size(), 5u);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Name: ", "Bob Smith"}, {"Sign: ", bob->signName}, {"Townie?: ", "Yes"}, {"Gender: ", "Male"}, {"Match: ", "None"}};
    EXPECT_EQ(card.rows, expected);
    EXPECT_EQ(card.careerText, "Unknown");
    EXPECT_EQ(card.friendsText, "Friends: 0");
}

TEST_F(CardTest, PartnerAndCareerTextAreShown) {
    Family* smith = MakeFamily("Smith");
    Sim* bob = MakeSim(smith, "Bob", 64, true);
    Sim* eve = MakeSim(smith, "Eve");
    bob->SetPartner(reg, 1, eve->id);
    const SimCard card = BuildSimCard(reg, *eve);
    EXPECT_EQ(card.rows[3].second, "Female");
    EXPECT_EQ(card.rows[4].second, "Bob Smith");
    EXPECT_EQ(card.rows[2].second, "No");
    EXPECT_EQ(card.careerText, eve->career.careerText);
    EXPECT_FALSE(card.careerText.empty());
}

TEST_F(CardTest, DanglingFriendIdCountsAndShowsAsAnEmptyLine) {
    Family* smith = MakeFamily("Smith");
    Sim* bob = MakeSim(smith, "Bob");
    Sim* zed = MakeSim(smith, "Zed");
    Sim* amy = MakeSim(smith, "Amy");
    bob->friendIds = {zed->id, 9999, amy->id};
    EXPECT_EQ(BuildSimCard(reg, *bob).friendsText, "Friends: 3");
    EXPECT_EQ(SimFriendNames(reg, *bob), (std::vector<std::string>{"", "Amy Smith", "Zed Smith"}));
    EXPECT_EQ(ListTotalText(3), "Total: 3");
    EXPECT_EQ(SimFriendsHeading(*bob), "Friends for Bob Smith:");
}

TEST_F(CardTest, SimWithoutFamilyShowsItsOwnLastName) {
    auto loner = reg.NewSim("Lone", "Wolf", 64, false);
    EXPECT_EQ(BuildSimCard(reg, *loner).rows[0].second, "Lone Wolf");
}

TEST(ReportTextTest, FileNameIsCutAfterEitherSeparator) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Games\\Saved\\Hood.NBD", "Hood.NBD"}, {"/home/u/Saved/Hood.NBD", "Hood.NBD"},
        {"a/b\\c.NBD", "c.NBD"}, {"Hood.NBD", "Hood.NBD"}, {"", ""}, {"dir/", ""}};
    for (const auto& [path, name] : cases) EXPECT_EQ(FileNameOnly(path), name) << path;
}

}  // namespace
