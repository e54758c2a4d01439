// The ancestor chart as text and the layout of a saved picture.
#include "familytree/SvgTreePainter.h"
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

TEST_F(TreeTest, PictureIsWideEnoughForEveryGenerationsNames) {
    Family* lee = MakeFamily("Lee");
    Sim* kid = MakeSim(lee, "K");
    Sim* mom = MakeSim(lee, "M");
    Sim* dad = MakeSim(lee, "D", 64, true);
    Parents(kid, mom, dad);
    mom->mom.SetName("Bartholomew-Longname");
    FamilyTree tree = Built();
    tree.SetRoot(kid->id);
    RecordingPainter painter;
    const PicturePlan plan = PlanPicture(tree, reg, painter);
    EXPECT_EQ(plan.generations, 3);
    // "Bartholomew-Longname(d)" is 23 characters (184 pixels) in a quarter of the width.
    const int area = plan.width - 2 * plan.rootX;
    EXPECT_GE(area / 4, 184);
    DrawPicture(tree, reg, painter, plan);
    for (const RecordingPainter::TextCall& call : painter.texts) {
        EXPECT_GE(call.x, 0) << call.text;
        EXPECT_GE(call.y, 0) << call.text;
        EXPECT_LE(call.x + static_cast<int>(call.text.size()) * 8, plan.width) << call.text;
        EXPECT_LE(call.y + 16, plan.height) << call.text;
    }
    EXPECT_NE(painter.Find("Bartholomew-Longname(d)"), nullptr);
    // Neighbouring names of one generation do not overlap.
    const RecordingPainter::TextCall* left = painter.Find("M");
    const RecordingPainter::TextCall* right = painter.Find("D");
    ASSERT_TRUE(left && right);
    EXPECT_LT(left->x + 8, right->x);
}

TEST_F(TreeTest, PictureOfADeepChainStopsAtTheWidthLimit) {
    Family* lee = MakeFamily("Lee");
    std::vector<Sim*> chain;
    for (int i = 0; i < 60; ++i) chain.push_back(MakeSim(lee, "Name" + std::to_string(i)));
    for (size_t i = 1; i < chain.size(); ++i) chain[i]->mom.SetSim(chain[i - 1]->id);
    FamilyTree tree = Built();
    tree.SetRoot(chain.back()->id);
    RecordingPainter painter;
    const PicturePlan plan = PlanPicture(tree, reg, painter, 4000);
    EXPECT_LE(plan.width, 4000 + 40);
    EXPECT_GE(plan.generations, 3);
    EXPECT_LT(plan.generations, 12);
    DrawPicture(tree, reg, painter, plan);
    EXPECT_EQ(static_cast<int>(painter.texts.size()), plan.generations);
}

TEST_F(TreeTest, SvgEscapesNamesAndIsOneDocument) {
    Family* lee = MakeFamily("Lee");
    Sim* kid = MakeSim(lee, "K<&>\"'");
    kid->dad.SetName("D\x01");
    FamilyTree tree = Built();
    tree.SetRoot(kid->id);
    SvgTreePainter measure(0, 0);
    const PicturePlan plan = PlanPicture(tree, reg, measure);
    SvgTreePainter svg(plan.width, plan.height);
    DrawPicture(tree, reg, svg, plan);
    const std::string doc = svg.Document();
    EXPECT_NE(doc.find("K&lt;&amp;&gt;&quot;&apos;"), std::string::npos);
    EXPECT_EQ(doc.find('\x01'), std::string::npos);
    EXPECT_EQ(doc.rfind("</svg>\n"), doc.size() - 7);
    EXPECT_NE(doc.find("<line "), std::string::npos);
}

}  // namespace
