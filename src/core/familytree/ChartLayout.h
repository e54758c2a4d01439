#pragma once
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "familytree/FamilyTree.h"
#include "familytree/TreePainter.h"

class SimRegistry;

/// Which chart of a Sim is drawn: its ancestors above it, or its descendants below it.
enum class ChartKind { Ancestors, Descendants };

/// How generations are stacked: upright (ancestors upward from the root at the bottom,
/// descendants downward from the root at the top) or sideways (the root at the left,
/// each generation in a column further to the right; mothers above fathers).
enum class ChartOrientation { Upright, Sideways };

/// One name of a laid-out chart: the box its text fills (its top-left corner is where the
/// text is drawn) and the Sim it stands for (-1 for a typed-in parent).
struct ChartBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int32_t simId = -1;
    std::string text;
};

struct ChartLine {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
};

/// A chart ready to draw, in pixels at normal size; the area starts at (0, 0) and holds
/// every box with a margin around.
struct ChartLayout {
    std::vector<ChartBox> boxes;
    std::vector<ChartLine> lines;
    int width = 0;
    int height = 0;
    int rootBox = -1;  // the root's box; -1 for an empty chart
    int generations = 0;
    bool Empty() const { return boxes.empty(); }
};

/// The spacing of a chart, in pixels at normal size.
struct ChartSpacing {
    int margin = 20;
    int nameGap = 16;      // between neighbouring names of one generation, side by side
    int stackGap = 8;      // between neighbouring names stacked one above the other
    int levelGap = 30;     // between generations stacked upright
    int columnGap = 40;    // between generations in columns (sideways)
    int partnerGap = 12;   // between a descendant and the partner beside it
};

/// Lays out the chart of the tree's root as a tidy tree: each name as wide as its text,
/// each generation on its own level, parents centred over their child (children under
/// their parent) where room allows, and neighbouring subtrees pushed apart only as far
/// as their outlines at every level and the gap require, so that no two names overlap.
/// Missing parents take no room. A Sim met a second time (pedigree collapse or a cycle)
/// is drawn once more, marked " (repeat)", with nothing beyond it, so the chart holds
/// at most a few names per Sim and is laid out in time linear in its names.
/// Ancestors: the Sim's mother on the left (above when sideways), its father on the
/// right, typed-in parents as "(d)" leaves. Descendants: a Sim's children are the Sims
/// whose mother or father it is, in the order of the neighborhood's list; a recorded
/// partner stands beside each descendant. Empty when the tree has no root whose Sim
/// still exists.
ChartLayout LayOutChart(const FamilyTree& tree, const SimRegistry& registry, TreePainter& measure, ChartKind kind,
                        ChartOrientation orientation, const ChartSpacing& spacing = {});

/// Measures through another painter and remembers each text's size: a chart laid out
/// again at every paint then asks the toolkit only about names it has not seen.
class MeasureCache : public TreePainter {
public:
    explicit MeasureCache(TreePainter& measure) : measure_(measure) {}
    Extent Measure(const std::string& text) override;
    void Text(const std::string&, int, int) override {}
    void Line(int, int, int, int) override {}

private:
    TreePainter& measure_;
    std::unordered_map<std::string, Extent> sizes_;
};

/// Draws a laid-out chart moved by (dx, dy): the lines first, then every name.
void DrawChart(const ChartLayout& layout, TreePainter& painter, int dx = 0, int dy = 0);

/// The box holding the point, or -1.
int ChartBoxAt(const ChartLayout& layout, int x, int y);

/// The children of every node: the nodes whose mother or father node it is, in the
/// order of the tree's nodes. Nodes whose Sim is gone have and are no children.
std::vector<std::vector<int>> ChildNodes(const FamilyTree& tree, const SimRegistry& registry);
