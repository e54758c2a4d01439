// The tidy chart: no two names overlap whatever the shape of the family, the chart is
// no wider than its names need, parents sit over their child, repeats end a branch, and
// the descendant chart follows children through either parent.
#include <algorithm>
#include <random>

#include "familytree/ChartLayout.h"
#include "familytree/SvgTreePainter.h"
#include "familytree/TreeChart.h"
#include "familytree/TreeFixture.h"

namespace {

constexpr ChartKind kKinds[] = {ChartKind::Ancestors, ChartKind::Descendants};
constexpr ChartOrientation kOrientations[] = {ChartOrientation::Upright, ChartOrientation::Sideways};

std::string What(ChartKind kind, ChartOrientation orientation) {
    return std::string(kind == ChartKind::Ancestors ? "ancestors" : "descendants") +
           (orientation == ChartOrientation::Upright ? " upright" : " sideways");
}

/// Every box and line inside the chart's area and no two boxes sharing a pixel.
void ExpectTidy(const ChartLayout& layout, const std::string& what) {
    for (const ChartBox& box : layout.boxes) {
        EXPECT_GE(box.x, 0) << what << " " << box.text;
        EXPECT_GE(box.y, 0) << what << " " << box.text;
        EXPECT_LE(box.x + box.width, layout.width) << what << " " << box.text;
        EXPECT_LE(box.y + box.height, layout.height) << what << " " << box.text;
    }
    for (const ChartLine& line : layout.lines) {
        EXPECT_TRUE(line.x1 >= 0 && line.x2 >= 0 && line.x1 <= layout.width && line.x2 <= layout.width) << what;
        EXPECT_TRUE(line.y1 >= 0 && line.y2 >= 0 && line.y1 <= layout.height && line.y2 <= layout.height) << what;
    }
    // Sorted by left edge, a box can only meet the boxes that start before it ends.
    std::vector<const ChartBox*> sorted;
    for (const ChartBox& box : layout.boxes) sorted.push_back(&box);
    std::sort(sorted.begin(), sorted.end(), [](const ChartBox* a, const ChartBox* b) { return a->x < b->x; });
    int overlaps = 0;
    for (size_t i = 0; i < sorted.size(); ++i)
        for (size_t j = i + 1; j < sorted.size() && sorted[j]->x < sorted[i]->x + sorted[i]->width; ++j) {
            const ChartBox &a = *sorted[i], &b = *sorted[j];
            if (a.y < b.y + b.height && b.y < a.y + a.height && ++overlaps <= 5)
                ADD_FAILURE() << what << ": \"" << a.text << "\" at " << a.x << "," << a.y << " overlaps \"" << b.text
                              << "\" at " << b.x << "," << b.y;
        }
    EXPECT_EQ(overlaps, 0) << what;
}

const ChartBox* BoxOf(const ChartLayout& layout, const std::string& text) {
    for (const ChartBox& box : layout.boxes)
        if (box.text == text) return &box;
    return nullptr;
}

int Centre(const ChartBox* box) { return box->x + box->width / 2; }

class ChartTest : public TreeTest {
protected:
    std::mt19937 random{27};
    int lines = 0;
    std::string Name(const std::string& stem, int minLength, int maxLength) {
        std::string name = stem;
        const int length = std::uniform_int_distribution<int>(minLength, maxLength)(random);
        while (static_cast<int>(name.size()) < length) name += 'x';
        return name;
    }
    /// A Sim with the ancestors of `generations` levels above it, each parent present
    /// with probability `present` (always for the first two levels), names of random length.
    Sim* Ancestry(int generations, double present, int minLength, int maxLength) {
        // A family of its own, so that every first name is new in it.
        Family* family = MakeFamily("Line" + std::to_string(++lines));
        int serial = 0;
        Sim* root = MakeSim(family, Name("R", minLength, maxLength));
        std::vector<Sim*> level{root};
        std::bernoulli_distribution keep(present);
        for (int g = 1; g < generations; ++g) {
            std::vector<Sim*> above;
            for (Sim* sim : level) {
                Sim* mom = nullptr;
                Sim* dad = nullptr;
                if (g <= 2 || keep(random)) mom = MakeSim(family, Name("M" + std::to_string(++serial), minLength, maxLength));
                if (g <= 2 || keep(random))
                    dad = MakeSim(family, Name("F" + std::to_string(++serial), minLength, maxLength), 64, true);
                Parents(sim, mom, dad);
                EXPECT_TRUE((g > 2 || mom) && (g > 2 || dad));
                if (mom) above.push_back(mom);
                if (dad) above.push_back(dad);
            }
            level = std::move(above);
        }
        return root;
    }
    ChartLayout Layout(FamilyTree& tree, Sim* root, ChartKind kind, ChartOrientation orientation) {
        tree.SetRoot(root->id);
        RecordingPainter measure;
        return LayOutChart(tree, reg, measure, kind, orientation);
    }
    /// Checks the chart of `root` in all four kinds and orientations; the box counts.
    std::vector<size_t> CheckAll(Sim* root, const std::string& what) {
        FamilyTree tree = Built();
        std::vector<size_t> counts;
        for (ChartKind kind : kKinds)
            for (ChartOrientation orientation : kOrientations) {
                const ChartLayout layout = Layout(tree, root, kind, orientation);
                ExpectTidy(layout, what + " " + What(kind, orientation));
                counts.push_back(layout.boxes.size());
            }
        return counts;
    }
};

TEST_F(ChartTest, GeneratedTreesNeverOverlapInAnyKindOrOrientation) {
    Family* lee = MakeFamily("Lee");
    // Deep and full: nine generations with names of 1 to 24 characters.
    Sim* deep = Ancestry(9, 1.0, 1, 24);
    EXPECT_EQ(CheckAll(deep, "full")[0], 511u);
    // Ragged: parents missing at random, so subtrees of every depth meet.
    for (int round = 0; round < 4; ++round) CheckAll(Ancestry(10, 0.7, 2, 16), "ragged");

    // Lopsided: a mother line forty deep, each mother with a father whose own line is
    // short, and typed-in parents at the ends.
    Sim* lop = MakeSim(lee, "Lop");
    Sim* cur = lop;
    for (int i = 0; i < 40; ++i) {
        Sim* mom = MakeSim(lee, Name("Mom" + std::to_string(i), 3, 12));
        Sim* dad = MakeSim(lee, Name("Dad" + std::to_string(i), 3, 30), 64, true);
        Parents(cur, mom, dad);
        Sim* up = dad;
        for (int k = 0; k < i % 5; ++k) {
            Sim* grand = MakeSim(lee, Name("G" + std::to_string(i) + "_" + std::to_string(k), 1, 20), 64, true);
            Parents(up, nullptr, grand);
            up->mom.SetName(Name("Typed", 5, 25));
            up = grand;
        }
        cur = mom;
    }
    cur->dad.SetName("Last Typed Name");
    CheckAll(lop, "lopsided");

    // Wide: one Sim with forty children, each with a partner or not and with up to five
    // children of its own, some of them through the father only.
    Sim* head = MakeSim(lee, "Head");
    for (int c = 0; c < 40; ++c) {
        Sim* child = MakeSim(lee, Name("C" + std::to_string(c), 2, 18), 64, c % 2 == 1);
        Parents(child, head, nullptr);
        if (c % 3 != 0) {
            Sim* partner = MakeSim(lee, Name("P" + std::to_string(c), 2, 22), 64, c % 2 == 0);
            child->SetPartner(reg, 1, partner->id);
        }
        for (int g = 0; g < c % 6; ++g) {
            Sim* grandchild = MakeSim(lee, Name("K" + std::to_string(c) + "_" + std::to_string(g), 1, 14));
            if (c % 2 == 1) Parents(grandchild, nullptr, child);
            else Parents(grandchild, child, nullptr);
        }
    }
    const std::vector<size_t> wide = CheckAll(head, "wide");
    EXPECT_GT(wide[2], 100u);
}

TEST_F(ChartTest, PedigreeCollapseAndCyclesDrawEachSimOnceMoreAndStop) {
    Family* lee = MakeFamily("Lee");
    // Forty generations of two Sims who are both children of the two above them: drawn
    // in full, the chart of the bottom Sim would hold 2^40 names.
    std::vector<Sim*> pair{MakeSim(lee, "A0"), MakeSim(lee, "B0", 64, true)};
    for (int g = 1; g <= 40; ++g) {
        std::vector<Sim*> next{MakeSim(lee, "A" + std::to_string(g)), MakeSim(lee, "B" + std::to_string(g), 64, true)};
        for (Sim* sim : next) Parents(sim, pair[0], pair[1]);
        pair = next;
    }
    const std::vector<size_t> counts = CheckAll(pair[0], "collapse");
    EXPECT_LE(counts[0], 4u * 40 + 1);
    EXPECT_GE(counts[0], 2u * 40 + 1);

    FamilyTree tree = Built();
    const ChartLayout layout = Layout(tree, pair[0], ChartKind::Ancestors, ChartOrientation::Upright);
    // A39 and B39 are Sims; over B39 both its parents are repeats with nothing above.
    const ChartBox* repeat = BoxOf(layout, "A38 (repeat)");
    ASSERT_NE(repeat, nullptr);
    for (const ChartLine& line : layout.lines)
        EXPECT_FALSE(line.x1 == Centre(repeat) && line.y1 == repeat->y) << "a line above the repeat";
    const ChartBox* a38 = BoxOf(layout, "A38");
    ASSERT_NE(a38, nullptr);
    EXPECT_EQ(a38->y, repeat->y);

    // A cycle: Kid's mother's mother is Kid.
    Sim* kid = MakeSim(lee, "Kid");
    Sim* mom = MakeSim(lee, "Mom");
    Parents(kid, mom, nullptr);
    Parents(mom, kid, nullptr);
    Parents(kid, nullptr, kid);  // and Kid its own father
    FamilyTree cyclic = Built();
    for (ChartKind kind : kKinds) {
        const ChartLayout chart = Layout(cyclic, kid, kind, ChartOrientation::Upright);
        ExpectTidy(chart, What(kind, ChartOrientation::Upright) + " cycle");
        std::vector<std::string> texts;
        for (const ChartBox& box : chart.boxes) texts.push_back(box.text);
        // Ancestors: Mom and Kid as its own father, then Mom's mother. Descendants: Kid
        // (its own child) and Mom in list order, then Mom's child.
        if (kind == ChartKind::Ancestors)
            EXPECT_EQ(texts, (std::vector<std::string>{"Kid", "Mom", "Kid (repeat)", "Kid (repeat)"}));
        else
            EXPECT_EQ(texts, (std::vector<std::string>{"Kid", "Kid (repeat)", "Mom", "Kid (repeat)"}));
    }
}

TEST_F(ChartTest, ParentsSitCentredOverTheChildMotherLeftOrAboveAndNoRoomForMissingOnes) {
    Family* lee = MakeFamily("Lee");
    Sim* kid = MakeSim(lee, "Kidd");
    Sim* mom = MakeSim(lee, "Mama");
    Sim* dad = MakeSim(lee, "Papa", 64, true);
    Sim* gran = MakeSim(lee, "Granny");
    Parents(kid, mom, dad);
    Parents(mom, gran, nullptr);
    dad->dad.SetName("Bo");
    FamilyTree tree = Built();

    const ChartLayout up = Layout(tree, kid, ChartKind::Ancestors, ChartOrientation::Upright);
    const ChartBox *k = BoxOf(up, "Kidd"), *m = BoxOf(up, "Mama"), *d = BoxOf(up, "Papa"), *g = BoxOf(up, "Granny"),
                   *b = BoxOf(up, "Bo(d)");
    ASSERT_TRUE(k && m && d && g && b);
    EXPECT_EQ(up.rootBox, 0);
    EXPECT_EQ(&up.boxes[0], k);
    // The root at the bottom, the mother left of the father, one level up, each parent
    // straight over its only parent-side child, the child midway between its parents.
    EXPECT_EQ(k->y + k->height + 20, up.height);
    EXPECT_EQ(m->y, k->y - 16 - 30);
    EXPECT_EQ(g->y, m->y - 16 - 30);
    EXPECT_LT(m->x + m->width + 16, d->x + 1);
    EXPECT_EQ(Centre(g), Centre(m));
    EXPECT_EQ(Centre(b), Centre(d));
    EXPECT_NEAR(Centre(k), (Centre(m) + Centre(d)) / 2, 1);
    // No room for the missing: the chart is as wide as its widest generation with gaps.
    EXPECT_EQ(up.width, 20 + 48 + 16 + 40 + 20);  // "Granny" gap "Bo(d)" (over "Mama" "Papa")
    EXPECT_EQ(up.generations, 3);
    // The lines join the top centre of a name to the bottom centre of its parent's.
    ASSERT_EQ(up.lines.size(), 4u);
    EXPECT_EQ(up.lines[0].x1, Centre(k));
    EXPECT_EQ(up.lines[0].y1, k->y);
    EXPECT_EQ(up.lines[0].x2, Centre(m));
    EXPECT_EQ(up.lines[0].y2, m->y + m->height);

    const ChartLayout side = Layout(tree, kid, ChartKind::Ancestors, ChartOrientation::Sideways);
    k = BoxOf(side, "Kidd"), m = BoxOf(side, "Mama"), d = BoxOf(side, "Papa");
    ASSERT_TRUE(k && m && d);
    EXPECT_EQ(k->x, 20);
    EXPECT_EQ(m->x, 20 + 32 + 40);
    EXPECT_EQ(m->x, d->x);
    EXPECT_LT(m->y + m->height, d->y);  // mother above father
    EXPECT_NEAR(k->y + k->height / 2, (m->y + d->y + 16) / 2, 1);
    EXPECT_EQ(BoxOf(side, "Granny")->x, m->x + 32 + 40);
}

TEST_F(ChartTest, TenGenerationsOfLongNamesStayCloseToTheirWidestGeneration) {
    for (int round = 0; round < 3; ++round) {
        Sim* root = Ancestry(10, 0.75, 12, 28);
        FamilyTree tree = Built();
        const ChartLayout layout = Layout(tree, root, ChartKind::Ancestors, ChartOrientation::Upright);
        ExpectTidy(layout, "ten generations");
        // Each generation's names side by side with the gap.
        std::vector<int> row(static_cast<size_t>(layout.generations), 0);
        std::vector<int> names(static_cast<size_t>(layout.generations), 0);
        for (const ChartBox& box : layout.boxes) {
            const size_t level = static_cast<size_t>((layout.height - 20 - box.y - box.height) / (16 + 30));
            ASSERT_LT(level, row.size());
            row[level] += box.width;
            ++names[level];
        }
        int widest = 0;
        for (size_t i = 0; i < row.size(); ++i) widest = std::max(widest, row[i] + (names[i] - 1) * 16);
        EXPECT_EQ(layout.generations, 10);
        EXPECT_LE(layout.width - 40, widest * 13 / 10) << "widest generation " << widest;
    }
}

TEST_F(ChartTest, DescendantsFollowEitherParentWithPartnersBeside) {
    Family* lee = MakeFamily("Lee");
    Sim* ann = MakeSim(lee, "Ann");
    Sim* bob = MakeSim(lee, "Bob", 64, true);
    Sim* cat = MakeSim(lee, "Cat");
    Sim* dan = MakeSim(lee, "Dan", 64, true);
    Sim* eve = MakeSim(lee, "Eve");
    Sim* lone = MakeSim(lee, "Lone");
    Parents(cat, ann, bob);
    Parents(dan, nullptr, ann);  // recorded oddly, through the father side only
    Parents(eve, nullptr, dan);
    ann->SetPartner(reg, 1, bob->id);
    FamilyTree tree = Built();

    const ChartLayout down = Layout(tree, ann, ChartKind::Descendants, ChartOrientation::Upright);
    ExpectTidy(down, "descendants");
    const ChartBox *a = BoxOf(down, "Ann"), *b = BoxOf(down, "Bob"), *c = BoxOf(down, "Cat"), *d = BoxOf(down, "Dan"),
                   *e = BoxOf(down, "Eve");
    ASSERT_TRUE(a && b && c && d && e);
    EXPECT_EQ(a->y, 20);        // the root at the top
    EXPECT_EQ(b->y, a->y);      // the partner beside it
    EXPECT_EQ(b->x, a->x + a->width + 12);
    EXPECT_EQ(c->y, a->y + 16 + 30);
    EXPECT_EQ(d->y, c->y);
    EXPECT_LT(c->x, d->x);      // in the order of the neighborhood's list
    EXPECT_EQ(e->y, d->y + 16 + 30);
    EXPECT_EQ(Centre(e), Centre(d));
    EXPECT_EQ(BoxOf(down, "Lone"), nullptr);
    EXPECT_EQ(down.boxes.size(), 5u);

    // A Sim without children is a chart of one name.
    const ChartLayout alone = Layout(tree, lone, ChartKind::Descendants, ChartOrientation::Sideways);
    ASSERT_EQ(alone.boxes.size(), 1u);
    EXPECT_TRUE(alone.lines.empty());
    EXPECT_EQ(alone.width, 40 + 32);
}

TEST_F(ChartTest, BoxAtFindsTheNameUnderAPoint) {
    Family* lee = MakeFamily("Lee");
    Sim* kid = MakeSim(lee, "Kid");
    Sim* mom = MakeSim(lee, "Mom");
    Parents(kid, mom, nullptr);
    FamilyTree tree = Built();
    const ChartLayout layout = Layout(tree, kid, ChartKind::Ancestors, ChartOrientation::Upright);
    const ChartBox* m = BoxOf(layout, "Mom");
    ASSERT_NE(m, nullptr);
    const int at = ChartBoxAt(layout, m->x + 1, m->y + m->height - 1);
    ASSERT_GE(at, 0);
    EXPECT_EQ(layout.boxes[static_cast<size_t>(at)].simId, mom->id);
    EXPECT_EQ(ChartBoxAt(layout, m->x - 1, m->y), -1);
    EXPECT_EQ(ChartBoxAt(layout, 0, 0), -1);
}

TEST_F(ChartTest, ALongLineIsLaidOutWithoutRecursion) {
    Family* lee = MakeFamily("Lee");
    std::vector<Sim*> chain;
    for (int i = 0; i < 50000; ++i) chain.push_back(MakeSim(lee, "S" + std::to_string(i)));
    for (size_t i = 1; i < chain.size(); ++i) chain[i]->mom.SetSim(chain[i - 1]->id);
    FamilyTree tree = Built();
    EXPECT_EQ(Layout(tree, chain.back(), ChartKind::Ancestors, ChartOrientation::Upright).boxes.size(), chain.size());
    EXPECT_EQ(Layout(tree, chain.front(), ChartKind::Descendants, ChartOrientation::Sideways).boxes.size(),
              chain.size());
}

TEST_F(ChartTest, NoChartWithoutARootOrWhenTheRootIsGone) {
    Family* lee = MakeFamily("Lee");
    Sim* kid = MakeSim(lee, "Kid");
    FamilyTree tree = Built();
    RecordingPainter measure;
    EXPECT_TRUE(LayOutChart(tree, reg, measure, ChartKind::Ancestors, ChartOrientation::Upright).Empty());
    tree.SetRoot(kid->id);
    reg.RemoveSim(kid);
    const ChartLayout layout = LayOutChart(tree, reg, measure, ChartKind::Descendants, ChartOrientation::Upright);
    EXPECT_TRUE(layout.Empty());
    EXPECT_EQ(layout.rootBox, -1);
}

TEST_F(TreeTest, DescendantLinesMarkRepeatsAndFollowOneParentRecords) {
    Family* lee = MakeFamily("Lee");
    Sim* ann = MakeSim(lee, "Ann");
    Sim* bob = MakeSim(lee, "Bob", 64, true);
    Sim* cat = MakeSim(lee, "Cat");
    Sim* dan = MakeSim(lee, "Dan", 64, true);
    Sim* eve = MakeSim(lee, "Eve");
    Parents(dan, ann, nullptr);  // listed after Cat, so drawn after her
    Parents(cat, ann, bob);
    Parents(eve, nullptr, dan);  // through the father only
    Parents(ann, eve, nullptr);  // and back to the root: a cycle
    FamilyTree tree = Built();
    tree.SetRoot(ann->id);
    const std::vector<std::string> expected = {
        "Ann Lee",
        "  Child: Cat Lee",
        "  Child: Dan Lee",
        "    Child: Eve Lee",
        "      Child: Ann Lee (repeat)",
    };
    EXPECT_EQ(DescendantChartLines(tree, reg), expected);
    tree.SetRoot(cat->id);
    EXPECT_EQ(DescendantChartLines(tree, reg), std::vector<std::string>{"Cat Lee"});
    tree.SetRoot(bob->id);
    EXPECT_EQ(DescendantChartLines(tree, reg), (std::vector<std::string>{"Bob Lee", "  Child: Cat Lee"}));
}

TEST_F(TreeTest, SvgOfALaidOutChartEscapesNamesAndIsOneDocument) {
    Family* lee = MakeFamily("Lee");
    Sim* kid = MakeSim(lee, "K<&>\"'");
    kid->dad.SetName("D\x01");
    FamilyTree tree = Built();
    tree.SetRoot(kid->id);
    SvgTreePainter measure(0, 0);
    const ChartLayout layout = LayOutChart(tree, reg, measure, ChartKind::Ancestors, ChartOrientation::Upright);
    SvgTreePainter svg(layout.width, layout.height);
    DrawChart(layout, svg);
    const std::string doc = svg.Document();
    EXPECT_NE(doc.find("K&lt;&amp;&gt;&quot;&apos;"), std::string::npos);
    EXPECT_EQ(doc.find('\x01'), std::string::npos);
    EXPECT_EQ(doc.rfind("</svg>\n"), doc.size() - 7);
    EXPECT_NE(doc.find("<line "), std::string::npos);
}

}  // namespace
