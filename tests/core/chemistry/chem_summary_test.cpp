// The chemistry summary, its report file, and the comparison of two Sims.
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "ChemFixture.h"
#include "base/FileIO.h"
#include "chemistry/ChemSummary.h"

namespace {

class ChemSummaryTest : public ChemTest {
protected:
    Family* smith = nullptr;
    Family* adams = nullptr;
    Sim *ann = nullptr, *bob = nullptr, *cal = nullptr, *dee = nullptr;
    void SetUp() override {
        smith = MakeFamily("Smith");
        adams = MakeFamily("adams");
        ann = Make(smith, "Ann", false);
        bob = Make(smith, "Bob", true, kLifeStageAdult);
        cal = Make(adams, "Cal", true);
        dee = Make(adams, "Dee", false, kLifeStageAdult);
        ann->AddChemistry(reg, cal->id, kChemistryHigh, true);
        ann->AddChemistry(reg, bob->id, kChemistryCrush, true);
        ann->chemistry.Append(4242, kChemistryMedium);  // a Sim that is gone
    }
};

TEST_F(ChemSummaryTest, SimsOfALifeStageAreListedSortedWithoutRegardToCase) {
    std::vector<std::string> names;
    for (const SimEntry& e : SummarySims(reg, kLifeStageTeen)) names.push_back(e.text);
    EXPECT_EQ(names, (std::vector<std::string>{"Ann Smith", "Cal adams"}));
    Make(adams, "bea", false);
    names.clear();
    for (const SimEntry& e : SummarySims(reg, kLifeStageTeen)) names.push_back(e.text);
    EXPECT_EQ(names, (std::vector<std::string>{"Ann Smith", "bea adams", "Cal adams"}));
    EXPECT_TRUE(SummarySims(reg, kLifeStageElder).empty());
}

TEST_F(ChemSummaryTest, SummaryRowsSkipGoneSimsWhileComparisonShowsThemEmpty) {
    const std::vector<ChemRow> summary = SummaryChemistryRows(reg, *ann);
    ASSERT_EQ(summary.size(), 2u);
    EXPECT_EQ(summary[0].name, "Cal adams");
    EXPECT_EQ(summary[0].type, "High");
    EXPECT_EQ(summary[1].name, "Bob Smith");
    EXPECT_EQ(summary[1].type, "Crush or Love");
    const std::vector<ChemRow> compared = ComparisonRows(reg, *ann);
    ASSERT_EQ(compared.size(), 3u);
    EXPECT_EQ(compared[2].name, "");
    EXPECT_EQ(compared[2].type, "Medium");
}

TEST_F(ChemSummaryTest, AManGivenFirstChangesPlacesForTheComparison) {
    EXPECT_EQ(ComparisonOrder(reg, cal->id, ann->id), std::make_pair(ann->id, cal->id));
    EXPECT_EQ(ComparisonOrder(reg, ann->id, cal->id), std::make_pair(ann->id, cal->id));
    EXPECT_EQ(ComparisonOrder(reg, cal->id, -1), std::make_pair(-1, cal->id));
    EXPECT_EQ(ComparisonOrder(reg, 9999, dee->id), std::make_pair(-1, dee->id));
}

TEST_F(ChemSummaryTest, ReportHoldsTheStageInFamilyOrderWithPartnersOfAnyStage) {
    EXPECT_EQ(ChemistryReportLines(reg, kLifeStageTeen),
              (std::vector<std::string>{"Ann Smith", "\t\tCal adams", "\t\tBob Smith", "Cal adams", "\t\tAnn Smith"}));
    EXPECT_EQ(ChemistryReportLines(reg, kLifeStageAdult),
              (std::vector<std::string>{"Bob Smith", "\t\tAnn Smith", "Dee adams"}));
}

TEST_F(ChemSummaryTest, AReportNameWithoutExtensionGetsTxt) {
    const struct {
        const char* chosen;
        const char* used;
    } cases[] = {{"/tmp/chem", "/tmp/chem.txt"}, {"/tmp/chem.txt", "/tmp/chem.txt"}, {"/tmp/chem.log", "/tmp/chem.log"},
                 {"/tmp/my.dir/chem", "/tmp/my.dir/chem.txt"}, {"/tmp/.chem", "/tmp/.chem.txt"}, {"/tmp/chem.", "/tmp/chem.txt"},
                 {"", ""}};
    for (const auto& c : cases) EXPECT_EQ(ReportFileName(c.chosen), c.used) << c.chosen;
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST_F(ChemSummaryTest, AFailedReportWriteIsReportedAndLeavesTheOldFileWhole) {
    char folder[] = "/tmp/nestrel-chem-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string path = std::string(folder) + "/report.txt";
    std::string error;
    ASSERT_TRUE(WriteChemistryReport(path, ChemistryReportLines(reg, kLifeStageAdult), error));
    EXPECT_EQ(Slurp(path), "Bob Smith\n\t\tAnn Smith\nDee adams\n");
    SetWriteFaultHook([](WriteStep step) { return step == WriteStep::Write; });
    EXPECT_FALSE(WriteChemistryReport(path, ChemistryReportLines(reg, kLifeStageTeen), error));
    SetWriteFaultHook(nullptr);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(Slurp(path), "Bob Smith\n\t\tAnn Smith\nDee adams\n");
    std::remove(path.c_str());
    rmdir(folder);
}

}  // namespace
