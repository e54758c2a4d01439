// The ancestor chart as text.
#include "familytree/TreeChart.h"
#include "familytree/TreeFixture.h"

namespace {

TEST_F(TreeTest, ChartLinesShowTypedParentsCyclesAndSharedIds) {
    Family* lee = MakeFamily("Lee");
    Sim* gran = MakeSim(lee, "Gran");
    Sim* mom = MakeSim(lee, "Mom");
    Sim* dad = MakeSim(lee, "Dad", 64, true);
    Sim* kid = MakeSim(lee, "Kid");
    Parents(kid, mom, dad);
    Parents(mom, gran, gran);   // one Sim named as both parents
    dad->mom.SetName("Nora");  // typed in
    Parents(gran, kid, nullptr);  // a cycle back to the root
    FamilyTree tree = Built();
    tree.SetRoot(kid->id);
    const std::vector<std::string> expected = {
        "Kid Lee",
        "  Mother: Mom Lee",
        "    Mother: Gran Lee",
        "      Mother: Kid Lee (repeat)",
        "    Father: Gran Lee(d)",
        "  Father: Dad Lee",
        "    Mother: Nora(d)",
    };
    EXPECT_EQ(AncestorChartLines(tree, reg), expected);
}

TEST_F(TreeTest, ChartWithoutRootIsEmptyAndALongLineIsFollowedToItsEnd) {
    Family* lee = MakeFamily("Lee");
    std::vector<Sim*> chain;
    for (int i = 0; i < 3000; ++i) chain.push_back(MakeSim(lee, "S" + std::to_string(i)));
    for (size_t i = 1; i < chain.size(); ++i) chain[i]->mom.SetSim(chain[i - 1]->id);
    FamilyTree tree = Built();
    EXPECT_TRUE(AncestorChartLines(tree, reg).empty());
    tree.SetRoot(chain.back()->id);
    EXPECT_EQ(AncestorChartLines(tree, reg).size(), chain.size());
}

}  // namespace
