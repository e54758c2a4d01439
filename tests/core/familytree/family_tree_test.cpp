// The family tree model: links, generation counts, the deepest Sim and the drawing.
#include "familytree/TreeFixture.h"

namespace {

// Three generations with even-width names (so that centres are exact).
class WorkedExample : public TreeTest {
protected:
    void SetUp() override {
        Family* lee = MakeFamily("Lee");
        gm1 = MakeSim(lee, "Gaaa");
        gf1 = MakeSim(lee, "Gbbb", 64, true);
        gm2 = MakeSim(lee, "Gccc");
        gf2 = MakeSim(lee, "Gddd", 64, true);
        mom = MakeSim(lee, "Mama");
        dad = MakeSim(lee, "Papa", 64, true);
        kid = MakeSim(lee, "Kidd");
        Parents(mom, gm1, gf1);
        Parents(dad, gm2, gf2);
        Parents(kid, mom, dad);
    }
    Sim *gm1, *gf1, *gm2, *gf2, *mom, *dad, *kid;
};

TEST_F(WorkedExample, ChartInA750PixelAreaPutsEachGenerationInHalfTheWidth) {
    FamilyTree tree = Built();
    tree.SetRoot(tree.FindDeepestSim(reg));
    ASSERT_EQ(tree.RootSimId(), kid->id);
    RecordingPainter painter;
    const int y = 640 - 60;
    tree.Draw(reg, painter, 0, y, 750);
    EXPECT_EQ(painter.CentreOf("Kidd"), 375);
    EXPECT_EQ(painter.CentreOf("Mama"), 187);
    EXPECT_EQ(painter.CentreOf("Papa"), 562);
    EXPECT_EQ(painter.CentreOf("Gaaa"), 93);
    EXPECT_EQ(painter.CentreOf("Gbbb"), 280);
    EXPECT_EQ(painter.CentreOf("Gccc"), 468);
    EXPECT_EQ(painter.CentreOf("Gddd"), 655);
    EXPECT_EQ(painter.Find("Kidd")->y, y);
    EXPECT_EQ(painter.Find("Mama")->y, y - 16 - 30);
    EXPECT_EQ(painter.Find("Gaaa")->y, y - 2 * (16 + 30));
    // Lines join the top centre of a name to the bottom centre of each parent's name.
    ASSERT_EQ(painter.lines.size(), 6u);
    const RecordingPainter::LineCall first = painter.lines[0];
    // The mother's chart is drawn (and its lines) before the line to her.
    EXPECT_EQ(first.x1, 187);
    EXPECT_EQ(first.x2, 93);
    const RecordingPainter::LineCall toMom = painter.lines[2];
    EXPECT_EQ(toMom.x1, 375);
    EXPECT_EQ(toMom.y1, y);
    EXPECT_EQ(toMom.x2, 187);
    EXPECT_EQ(toMom.y2, y - 30);
}

TEST_F(WorkedExample, GenerationCountsAndTheDeepestSimFollowTheLines) {
    FamilyTree tree = Built();
    EXPECT_EQ(tree.GenerationCount(reg, tree.NodeOf(kid->id)), 2);
    EXPECT_EQ(tree.GenerationCount(reg, tree.NodeOf(mom->id)), 1);
    EXPECT_EQ(tree.GenerationCount(reg, tree.NodeOf(gm1->id)), 0);
    // A typed-in grandmother above Gaaa makes Kidd's mother line three deep.
    gm1->mom.SetName("Old Nan");
    FamilyTree again = Built();
    EXPECT_EQ(again.GenerationCount(reg, again.NodeOf(kid->id)), 3);
    EXPECT_EQ(again.FindDeepestSim(reg), kid->id);
}

TEST_F(TreeTest, NoParentsMeansNoDeepestSimAndTheRootStays) {
    Family* lee = MakeFamily("Lee");
    Sim* ann = MakeSim(lee, "Ann");
    MakeSim(lee, "Bob");
    FamilyTree tree = Built();
    EXPECT_EQ(tree.FindDeepestSim(reg), -1);
    tree.SetRoot(-1);
    EXPECT_EQ(tree.RootSimId(), -1);
    tree.SetRoot(ann->id);
    tree.SetRoot(tree.FindDeepestSim(reg));
    EXPECT_EQ(tree.RootSimId(), ann->id);
    RecordingPainter painter;
    FamilyTree empty = Built();
    empty.Draw(reg, painter, 0, 500, 750);
    EXPECT_TRUE(painter.texts.empty());
}

TEST_F(TreeTest, TiesGoToTheEarlierSim) {
    Family* lee = MakeFamily("Lee");
    Sim* a = MakeSim(lee, "A");
    Sim* b = MakeSim(lee, "B");
    b->dad.SetName("X");
    a->mom.SetName("Y");
    FamilyTree tree = Built();
    EXPECT_EQ(tree.FindDeepestSim(reg), a->id);
}

TEST_F(TreeTest, TypedInParentIsALeafMarkedD) {
    Family* lee = MakeFamily("Lee");
    Sim* ann = MakeSim(lee, "Ann");
    ann->mom.SetName("Mia");
    FamilyTree tree = Built();
    tree.SetRoot(ann->id);
    RecordingPainter painter;
    tree.Draw(reg, painter, 0, 500, 800);
    ASSERT_EQ(painter.texts.size(), 2u);
    EXPECT_EQ(painter.texts[1].text, "Mia(d)");
    EXPECT_EQ(painter.CentreOf("Mia(d)"), 200);
    ASSERT_EQ(painter.lines.size(), 1u);
    EXPECT_EQ(painter.lines[0].x2, 200);
}

TEST_F(TreeTest, SameSimAsMotherAndFatherLinksTheMotherOnly) {
    Family* lee = MakeFamily("Lee");
    Sim* mia = MakeSim(lee, "Mia");
    Sim* ann = MakeSim(lee, "Ann");
    Parents(ann, mia, mia);
    FamilyTree tree = Built();
    const FamTreeNode& node = tree.Nodes()[static_cast<size_t>(tree.NodeOf(ann->id))];
    EXPECT_EQ(node.momNode, tree.NodeOf(mia->id));
    EXPECT_EQ(node.dadNode, -1);
    tree.SetRoot(ann->id);
    RecordingPainter painter;
    tree.Draw(reg, painter, 0, 500, 800);
    ASSERT_NE(painter.Find("Mia"), nullptr);
    EXPECT_NE(painter.Find("Mia Lee(d)"), nullptr);
}

TEST_F(TreeTest, DuplicateIdsLinkToTheFirstNodeInListOrder) {
    Family* lee = MakeFamily("Lee");
    Sim* first = MakeSim(lee, "First");
    Sim* child = MakeSim(lee, "Child");
    Family* park = MakeFamily("Park");
    Sim* twin = reg.AddSim(std::make_unique<Sim>("Twin", "Park", 64, first->id, false), false, park);
    ASSERT_NE(twin, nullptr);
    child->mom.SetSim(first->id);
    FamilyTree tree = Built();
    EXPECT_EQ(tree.Nodes()[static_cast<size_t>(tree.NodeOf(child->id))].momNode, 0);
}

// Hand-made records may carry any ids: those far beyond the number of Sims, and
// negative ones other than -1, link like any other, the first in list order winning.
TEST_F(TreeTest, IdsFarBeyondTheCountLinkLikeAnyOther) {
    Family* lee = MakeFamily("Lee");
    Sim* mom = reg.AddSim(std::make_unique<Sim>("Mom", "Lee", 64, 5000000, false), false, lee);
    Sim* dad = reg.AddSim(std::make_unique<Sim>("Dad", "Lee", 64, -7, true), false, lee);
    Sim* again = reg.AddSim(std::make_unique<Sim>("Again", "Lee", 64, 5000000, false), false, lee);
    Sim* kid = MakeSim(lee, "Kid");
    ASSERT_TRUE(mom && dad && again && kid);
    kid->mom.SetSim(5000000);
    kid->dad.SetSim(-7);
    FamilyTree tree = Built();
    const FamTreeNode& node = tree.Nodes()[static_cast<size_t>(tree.NodeOf(kid->id))];
    EXPECT_EQ(node.momNode, tree.NodeOf(5000000));
    EXPECT_EQ(tree.Nodes()[static_cast<size_t>(node.momNode)].simId, 5000000);
    EXPECT_EQ(node.momNode, 0);  // Mom, not Again
    EXPECT_EQ(node.dadNode, 1);
    EXPECT_EQ(tree.FindDeepestSim(reg), kid->id);
}

TEST_F(TreeTest, ACycleOfParentsIsCountedOnceAndDrawingEnds) {
    Family* lee = MakeFamily("Lee");
    Sim* a = MakeSim(lee, "A");
    Sim* b = MakeSim(lee, "B");
    Sim* c = MakeSim(lee, "C");
    Sim* kid = MakeSim(lee, "Kid");
    Parents(a, b, nullptr);
    Parents(b, c, nullptr);
    Parents(c, a, nullptr);  // a is its own great-grandmother
    Parents(kid, a, nullptr);
    Sim* self = MakeSim(lee, "Self");
    Parents(self, nullptr, self);
    FamilyTree tree = Built();
    EXPECT_EQ(tree.GenerationCount(reg, tree.NodeOf(a->id)), 3);
    EXPECT_EQ(tree.GenerationCount(reg, tree.NodeOf(kid->id)), 4);
    EXPECT_EQ(tree.GenerationCount(reg, tree.NodeOf(self->id)), 1);
    EXPECT_EQ(tree.FindDeepestSim(reg), kid->id);
    tree.SetRoot(kid->id);
    RecordingPainter painter;
    tree.Draw(reg, painter, 0, 100000, 750);
    EXPECT_GT(painter.texts.size(), 4u);
    EXPECT_LT(painter.texts.size(), 64u);
}

TEST_F(TreeTest, AVeryLongLineIsCountedWithoutRecursion) {
    Family* lee = MakeFamily("Lee");
    constexpr int kLength = 200000;
    std::vector<Sim*> chain;
    chain.reserve(kLength);
    for (int i = 0; i < kLength; ++i) chain.push_back(MakeSim(lee, "S" + std::to_string(i)));
    for (int i = 1; i < kLength; ++i) chain[static_cast<size_t>(i)]->dad.SetSim(chain[static_cast<size_t>(i) - 1]->id);
    FamilyTree tree = Built();
    EXPECT_EQ(tree.FindDeepestSim(reg), chain.back()->id);
    EXPECT_EQ(tree.GenerationCount(reg, tree.NodeOf(chain.back()->id)), kLength - 1);
}

TEST_F(WorkedExample, ASimDeletedAfterBuildingIsDrawnAsNothing) {
    FamilyTree tree = Built();
    tree.SetRoot(kid->id);
    reg.RemoveSim(mom);
    reg.RemoveSim(gf2);
    RecordingPainter painter;
    tree.Draw(reg, painter, 0, 580, 750);
    EXPECT_EQ(painter.Find("Mama"), nullptr);
    EXPECT_EQ(painter.Find("Gaaa"), nullptr);
    EXPECT_EQ(painter.Find("Gddd"), nullptr);
    EXPECT_NE(painter.Find("Papa"), nullptr);
    EXPECT_NE(painter.Find("Gccc"), nullptr);
    // The deleted Sims stay as typed-in parents: Papa reaches one generation back on
    // each side, and Kid two, through Papa to the typed-in Gddd.
    EXPECT_EQ(tree.FindDeepestSim(reg), kid->id);
    tree.SetRoot(dad->id);
    tree.SetRoot(kid->id);
    EXPECT_EQ(tree.RootSimId(), kid->id);
    reg.RemoveSim(kid);
    RecordingPainter after;
    tree.Draw(reg, after, 0, 580, 750);
    EXPECT_TRUE(after.texts.empty());
    EXPECT_EQ(tree.FindDeepestSim(reg), dad->id);
    reg.Clear();
    EXPECT_EQ(tree.FindDeepestSim(reg), -1);
}

TEST_F(WorkedExample, ANodeAboveTheTopIsNotDrawnButItsLineIs) {
    FamilyTree tree = Built();
    tree.SetRoot(kid->id);
    RecordingPainter painter;
    tree.Draw(reg, painter, 0, 60, 750);  // the grandparents would be at y < 0
    EXPECT_EQ(painter.Find("Gaaa"), nullptr);
    EXPECT_NE(painter.Find("Mama"), nullptr);
    EXPECT_EQ(painter.lines.size(), 6u);
}

}  // namespace
