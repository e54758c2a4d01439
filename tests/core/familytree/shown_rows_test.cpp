// Rows and reports made for people from names stored in different encodings: every
// text is UTF-8 with each stored name decoded on its own (a first name in UTF-8 in a
// family whose name came from a Windows-1252 file), and a name typed in UTF-8 finds the
// family or Sim whatever encoding its names are stored in.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "base/Utf8Text.h"
#include "editing/FamilyEditRules.h"
#include "familytree/TreeChart.h"
#include "familytree/TreeFixture.h"
#include "familytree/TreeSetupRules.h"
#include "model/NameLookup.h"
#include "model/Vocabulary.h"
#include "moves/HouseholdMoves.h"

namespace {

// Stored bytes and the same names in UTF-8.
const char* const kMunoz1252 = "Mu\xF1oz";
const char* const kZoeUtf8 = "Zo\xC3\xAB";
const char* const kInes1252 = "In\xE9s";
const char* const kJose1252 = "Jos\xE9 Mu\xF1oz";

class ShownRowsTest : public TreeTest {
protected:
    Family* munoz = nullptr;
    Sim* zoe = nullptr;
    Sim* ines = nullptr;
    Sim* ann = nullptr;

    void SetUp() override {
        munoz = MakeFamily(kMunoz1252);
        zoe = MakeSim(munoz, kZoeUtf8, 64, false);
        zoe->career.lifeStage = kLifeStageAdult;
        ines = MakeSim(munoz, kInes1252, 64, false);
        ines->career.lifeStage = kLifeStageChild;
        ann = MakeSim(munoz, "Ann", 64, true);
        ann->career.lifeStage = kLifeStageAdult;
        ines->mom.SetSim(zoe->id);
        ines->dad.SetName(kJose1252);
        reg.SortAndIndex();
    }
};

TEST_F(ShownRowsTest, HomelessRowsDecodeEachName) {
    reg.SetHomeless(munoz, true);
    const std::vector<HomelessRow> rows = HomelessRows(reg.families);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].name, "Mu\xC3\xB1oz");
    EXPECT_EQ(rows[0].members, "Zo\xC3\xAB, In\xC3\xA9s, Ann");
    EXPECT_EQ(MemberFirstNames(*munoz), rows[0].members);
}

TEST_F(ShownRowsTest, FamilyDataLinesAndFileAreUtf8) {
    const std::vector<std::string> expected = {"Zo\xC3\xAB Mu\xC3\xB1oz", "In\xC3\xA9s Mu\xC3\xB1oz",
                                               "\tmother:Zo\xC3\xAB Mu\xC3\xB1oz", "\tfather:Jos\xC3\xA9 Mu\xC3\xB1oz",
                                               "Ann Mu\xC3\xB1oz"};
    EXPECT_EQ(FamilyDataLines(reg), expected);

    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("nestrel-shown-rows-" + std::to_string(::getpid()) + ".txt");
    ASSERT_TRUE(WriteFamilyData(reg, path.string()));
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    std::filesystem::remove(path);
    EXPECT_TRUE(IsValidUtf8(text.str()));
    EXPECT_NE(text.str().find("\tfather:Jos\xC3\xA9 Mu\xC3\xB1oz\n"), std::string::npos) << text.str();
}

TEST_F(ShownRowsTest, TreeSetUpRowsCandidatesAndCurrentParents) {
    const std::vector<SetupFamilyRow> rows = SetupTreeRows(reg, false);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].name, "Mu\xC3\xB1oz");
    ASSERT_EQ(rows[0].members.size(), 3u);
    EXPECT_EQ(rows[0].members[0].fullName, "Zo\xC3\xAB Mu\xC3\xB1oz");
    EXPECT_EQ(rows[0].members[1].fullName, "In\xC3\xA9s Mu\xC3\xB1oz");

    const ParentCandidates candidates = SetupCandidates(reg, munoz, CandidateFilter{true, false, ""});
    ASSERT_EQ(candidates.mothers.size(), 1u);
    EXPECT_EQ(candidates.mothers[0].sortName, "Mu\xC3\xB1oz, Zo\xC3\xAB");
    ASSERT_EQ(candidates.fathers.size(), 1u);
    EXPECT_EQ(candidates.fathers[0].sortName, "Mu\xC3\xB1oz, Ann");

    EXPECT_EQ(CurrentParent(reg, ines->mom).name, "Zo\xC3\xAB Mu\xC3\xB1oz");
    EXPECT_EQ(CurrentParent(reg, ines->mom).simId, zoe->id);
    EXPECT_EQ(CurrentParent(reg, ines->dad).name, "Jos\xC3\xA9 Mu\xC3\xB1oz");
}

TEST_F(ShownRowsTest, FamilyFriendsAndTheAncestorChart) {
    munoz->friendIds = {ines->id, zoe->id};
    EXPECT_EQ(FamilyFriendNames(reg, *munoz),
              (std::vector<std::string>{"In\xC3\xA9s Mu\xC3\xB1oz", "Zo\xC3\xAB Mu\xC3\xB1oz"}));

    FamilyTree tree = Built();
    tree.SetRoot(ines->id);
    EXPECT_EQ(AncestorChartLines(tree, reg),
              (std::vector<std::string>{"In\xC3\xA9s Mu\xC3\xB1oz", "  Mother: Zo\xC3\xAB Mu\xC3\xB1oz",
                                        "  Father: Jos\xC3\xA9 Mu\xC3\xB1oz(d)"}));
    RecordingPainter painter;
    tree.Draw(reg, painter, 0, 500, 750);
    EXPECT_NE(painter.Find("Jos\xC3\xA9 Mu\xC3\xB1oz(d)"), nullptr);
}

TEST_F(ShownRowsTest, TypedNamesFindFamiliesAndSimsInEitherEncoding) {
    Family* lee = MakeFamily("Lee");
    Sim* kim = MakeSim(lee, "Kim");
    struct Case {
        const char* typed;
        Family* family;
    } families[] = {
        {"Mu\xC3\xB1oz", munoz},  // UTF-8, stored Windows-1252
        {kMunoz1252, munoz},      // the stored bytes
        {"Lee", lee},
        {"Munoz", nullptr},
        {"mu\xC3\xB1oz", nullptr},  // case counts, as in every identity comparison
    };
    for (const Case& c : families) EXPECT_EQ(FindFamilyByTypedName(reg.families, c.typed), c.family) << c.typed;

    struct SimCase {
        const char* typed;
        Sim* sim;
    } sims[] = {
        {"Zo\xC3\xAB Mu\xC3\xB1oz", zoe},
        {"In\xC3\xA9s Mu\xC3\xB1oz", ines},
        {"Ann Mu\xC3\xB1oz", ann},
        {"Ann Mu\xF1oz", ann},
        {"Kim Lee", kim},
        {"Ines Munoz", nullptr},
        {"", nullptr},
    };
    for (const SimCase& c : sims) EXPECT_EQ(FindSimByTypedName(reg, c.typed), c.sim) << c.typed;
}

}  // namespace
