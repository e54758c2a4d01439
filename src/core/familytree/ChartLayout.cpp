#include "familytree/ChartLayout.h"

#include <algorithm>
#include <cmath>

#include "base/Translate.h"
#include "model/Sim.h"
#include "model/SimRegistry.h"

namespace {

// One name of the chart while it is laid out. Nodes are made breadth first, so the
// children of a node are neighbours in the array and every node comes after the node
// it hangs from: walking the array backwards meets every subtree before its top.
struct Node {
    int treeNode = -1;  // the family tree's node, -1 for a typed-in parent
    bool expand = false;
    int32_t simId = -1;
    std::string text;
    TreePainter::Extent box;
    int32_t partnerId = -1;
    std::string partnerText;
    TreePainter::Extent partnerBox;
    int parent = -1;
    int depth = 0;
    int firstChild = -1;
    int childCount = 0;
    int number = 0;  // position among its siblings
    double size = 0;  // across the generations: width upright, height sideways
    // The tidy layout's working values: the preliminary place of the node's centre
    // among its siblings, the move handed down to its subtree, the moves of whole
    // subtrees still to spread over the siblings between, and the outline links.
    double prelim = 0;
    double mod = 0;
    double shift = 0;
    double change = 0;
    int thread = -1;
    int ancestor = -1;
};

// A parent side of a tree node as the chart shows it: a node of the tree, a typed-in
// name, or nothing.
struct Side {
    int node = -1;
    std::string leaf;
};

Side ParentSide(const FamilyTree& tree, const SimRegistry& registry, int index, bool mother) {
    const FamTreeNode& node = tree.Nodes()[static_cast<size_t>(index)];
    const int parent = mother ? node.momNode : node.dadNode;
    if (parent >= 0 && tree.SimOf(registry, parent) != nullptr) return {parent, {}};
    const Sim* sim = tree.SimOf(registry, index);
    if (sim == nullptr) return {};
    const std::string name = (mother ? sim->mom : sim->dad).DisplayName(registry);
    if (name.empty()) return {};
    return {-1, ParentLeafText(name)};
}

// The Buchheim-Juenger-Leipert form of the Reingold-Tilford tidy tree, run without
// recursion and with names of different sizes: two neighbours need their half sizes
// plus the gap between their centres.
class TidyTree {
public:
    TidyTree(std::vector<Node>& nodes, double gap) : n_(nodes), gap_(gap) {}

    void Run() {
        for (Node& node : n_) node.ancestor = static_cast<int>(&node - n_.data());
        for (size_t i = n_.size(); i-- > 0;) {
            const Node& v = n_[i];
            if (v.childCount == 0) continue;
            int defaultAncestor = v.firstChild;
            for (int w = v.firstChild; w < v.firstChild + v.childCount; ++w) {
                Place(w);
                Apportion(w, defaultAncestor);
            }
            ExecuteShifts(static_cast<int>(i));
        }
        if (!n_.empty()) Place(0);
    }

    /// The centre of every node across the generations.
    std::vector<double> Centres() const {
        std::vector<double> centre(n_.size(), 0);
        std::vector<double> above(n_.size(), 0);  // the sum of the mods of the nodes above
        for (size_t v = 0; v < n_.size(); ++v) {
            centre[v] = n_[v].prelim + above[v];
            for (int c = n_[v].firstChild; c >= 0 && c < n_[v].firstChild + n_[v].childCount; ++c)
                above[static_cast<size_t>(c)] = above[v] + n_[v].mod;
        }
        return centre;
    }

private:
    Node& N(int v) { return n_[static_cast<size_t>(v)]; }
    double Sep(int a, int b) { return (N(a).size + N(b).size) / 2 + gap_; }
    int NextLeft(int v) { return N(v).childCount > 0 ? N(v).firstChild : N(v).thread; }
    int NextRight(int v) { return N(v).childCount > 0 ? N(v).firstChild + N(v).childCount - 1 : N(v).thread; }
    int LeftSibling(int v) { return N(v).number > 0 ? v - 1 : -1; }

    void Place(int w) {
        Node& node = N(w);
        const int left = LeftSibling(w);
        double midpoint = 0;
        if (node.childCount > 0)
            midpoint = (N(node.firstChild).prelim + N(node.firstChild + node.childCount - 1).prelim) / 2;
        if (left >= 0) {
            node.prelim = N(left).prelim + Sep(left, w);
            node.mod = node.prelim - midpoint;
        } else {
            node.prelim = midpoint;
        }
    }

    void Apportion(int v, int& defaultAncestor) {
        const int w = LeftSibling(v);
        if (w < 0) return;
        int vir = v, vor = v, vil = w, vol = v - N(v).number;
        double sir = N(vir).mod, sor = N(vor).mod, sil = N(vil).mod, sol = N(vol).mod;
        while (NextRight(vil) >= 0 && NextLeft(vir) >= 0) {
            vil = NextRight(vil);
            vir = NextLeft(vir);
            vol = NextLeft(vol);
            vor = NextRight(vor);
            N(vor).ancestor = v;
            const double shift = (N(vil).prelim + sil) - (N(vir).prelim + sir) + Sep(vil, vir);
            if (shift > 0) {
                MoveSubtree(Ancestor(vil, v, defaultAncestor), v, shift);
                sir += shift;
                sor += shift;
            }
            sil += N(vil).mod;
            sir += N(vir).mod;
            sol += N(vol).mod;
            sor += N(vor).mod;
        }
        if (NextRight(vil) >= 0 && NextRight(vor) < 0) {
            N(vor).thread = NextRight(vil);
            N(vor).mod += sil - sor;
        } else {
            if (NextLeft(vir) >= 0 && NextLeft(vol) < 0) {
                N(vol).thread = NextLeft(vir);
                N(vol).mod += sir - sol;
            }
            defaultAncestor = v;
        }
    }

    int Ancestor(int vil, int v, int defaultAncestor) {
        const int a = N(vil).ancestor;
        return N(a).parent == N(v).parent ? a : defaultAncestor;
    }

    void MoveSubtree(int wl, int wr, double shift) {
        const double subtrees = N(wr).number - N(wl).number;
        N(wr).change -= shift / subtrees;
        N(wr).shift += shift;
        N(wl).change += shift / subtrees;
        N(wr).prelim += shift;
        N(wr).mod += shift;
    }

    void ExecuteShifts(int v) {
        double shift = 0, change = 0;
        for (int w = N(v).firstChild + N(v).childCount; w-- > N(v).firstChild;) {
            N(w).prelim += shift;
            N(w).mod += shift;
            change += N(w).change;
            shift += N(w).shift + change;
        }
    }

    std::vector<Node>& n_;
    double gap_;
};

// Appends a node for a Sim of the tree (or a typed-in parent when treeNode is -1); the
// first time a Sim is met it is expanded, later it is a repeat.
void AddNode(std::vector<Node>& nodes, std::vector<char>& met, const FamilyTree& tree, const SimRegistry& registry,
             int treeNode, const std::string& leaf, int parent) {
    Node node;
    node.parent = parent;
    node.depth = parent < 0 ? 0 : nodes[static_cast<size_t>(parent)].depth + 1;
    node.treeNode = treeNode;
    if (treeNode >= 0) {
        const Sim* sim = tree.SimOf(registry, treeNode);
        node.simId = sim->id;
        node.text = sim->firstName;
        if (met[static_cast<size_t>(treeNode)]) {
            node.text += tr(" (repeat)");
        } else {
            met[static_cast<size_t>(treeNode)] = 1;
            node.expand = true;
        }
    } else {
        node.text = leaf;
    }
    nodes.push_back(std::move(node));
}

std::vector<Node> AncestorNodes(const FamilyTree& tree, const SimRegistry& registry) {
    std::vector<Node> nodes;
    std::vector<char> met(tree.Nodes().size(), 0);
    AddNode(nodes, met, tree, registry, tree.RootIndex(), {}, -1);
    for (size_t i = 0; i < nodes.size(); ++i) {
        if (!nodes[i].expand) continue;
        const int first = static_cast<int>(nodes.size());
        for (bool mother : {true, false}) {
            const Side side = ParentSide(tree, registry, nodes[i].treeNode, mother);
            if (side.node >= 0 || !side.leaf.empty())
                AddNode(nodes, met, tree, registry, side.node, side.leaf, static_cast<int>(i));
        }
        nodes[i].firstChild = first;
        nodes[i].childCount = static_cast<int>(nodes.size()) - first;
        for (int k = first; k < static_cast<int>(nodes.size()); ++k) nodes[static_cast<size_t>(k)].number = k - first;
    }
    return nodes;
}

std::vector<Node> DescendantNodes(const FamilyTree& tree, const SimRegistry& registry) {
    const std::vector<std::vector<int>> children = ChildNodes(tree, registry);
    std::vector<Node> nodes;
    std::vector<char> met(tree.Nodes().size(), 0);
    AddNode(nodes, met, tree, registry, tree.RootIndex(), {}, -1);
    for (size_t i = 0; i < nodes.size(); ++i) {
        const Sim* sim = tree.SimOf(registry, nodes[i].treeNode);
        if (const Sim* partner = sim->partnerId == -1 ? nullptr : registry.FindSim(sim->partnerId)) {
            nodes[i].partnerId = partner->id;
            nodes[i].partnerText = partner->firstName;
        }
        if (!nodes[i].expand) continue;
        const int first = static_cast<int>(nodes.size());
        for (int child : children[static_cast<size_t>(nodes[i].treeNode)])
            AddNode(nodes, met, tree, registry, child, {}, static_cast<int>(i));
        nodes[i].firstChild = first;
        nodes[i].childCount = static_cast<int>(nodes.size()) - first;
        for (int k = first; k < static_cast<int>(nodes.size()); ++k) nodes[static_cast<size_t>(k)].number = k - first;
    }
    return nodes;
}

int Round(double value) { return static_cast<int>(std::lround(value)); }

}  // namespace

std::vector<std::vector<int>> ChildNodes(const FamilyTree& tree, const SimRegistry& registry) {
    const std::vector<FamTreeNode>& all = tree.Nodes();
    std::vector<std::vector<int>> children(all.size());
    std::vector<char> alive(all.size(), 0);
    for (size_t i = 0; i < all.size(); ++i) alive[i] = tree.SimOf(registry, static_cast<int>(i)) != nullptr;
    for (size_t i = 0; i < all.size(); ++i) {
        if (!alive[i]) continue;
        const int mom = all[i].momNode, dad = all[i].dadNode;
        if (mom >= 0 && alive[static_cast<size_t>(mom)]) children[static_cast<size_t>(mom)].push_back(static_cast<int>(i));
        if (dad >= 0 && dad != mom && alive[static_cast<size_t>(dad)])
            children[static_cast<size_t>(dad)].push_back(static_cast<int>(i));
    }
    return children;
}

ChartLayout LayOutChart(const FamilyTree& tree, const SimRegistry& registry, TreePainter& measure, ChartKind kind,
                        ChartOrientation orientation, const ChartSpacing& spacing) {
    ChartLayout layout;
    if (tree.SimOf(registry, tree.RootIndex()) == nullptr) return layout;
    std::vector<Node> nodes =
        kind == ChartKind::Ancestors ? AncestorNodes(tree, registry) : DescendantNodes(tree, registry);
    const bool sideways = orientation == ChartOrientation::Sideways;

    // Sizes: across the generations (the tidy layout's concern) and along them (the
    // thickness of each generation).
    std::vector<int> thickness;
    for (Node& node : nodes) {
        node.box = measure.Measure(node.text);
        int across = sideways ? node.box.height : node.box.width;
        int along = sideways ? node.box.width : node.box.height;
        if (node.partnerId != -1) {
            node.partnerBox = measure.Measure(node.partnerText);
            across += spacing.partnerGap + (sideways ? node.partnerBox.height : node.partnerBox.width);
            along = std::max(along, sideways ? node.partnerBox.width : node.partnerBox.height);
        }
        node.size = across;
        if (static_cast<int>(thickness.size()) <= node.depth) thickness.resize(static_cast<size_t>(node.depth) + 1, 0);
        int& thick = thickness[static_cast<size_t>(node.depth)];
        thick = std::max(thick, along);
    }
    const int levelGap = sideways ? spacing.columnGap : spacing.levelGap;
    std::vector<int> levelStart(thickness.size(), 0);  // from the root's edge of the chart
    for (size_t d = 1; d < thickness.size(); ++d) levelStart[d] = levelStart[d - 1] + thickness[d - 1] + levelGap;
    const int depthExtent = levelStart.back() + thickness.back();

    TidyTree tidy(nodes, sideways ? spacing.stackGap : spacing.nameGap);
    tidy.Run();
    const std::vector<double> centre = tidy.Centres();
    double low = 0, high = 0;
    for (size_t i = 0; i < nodes.size(); ++i) {
        const double a = centre[i] - nodes[i].size / 2, b = centre[i] + nodes[i].size / 2;
        if (i == 0 || a < low) low = a;
        if (i == 0 || b > high) high = b;
    }
    const int breadth = Round(high - low);
    layout.width = 2 * spacing.margin + (sideways ? depthExtent : breadth);
    layout.height = 2 * spacing.margin + (sideways ? breadth : depthExtent);
    layout.generations = static_cast<int>(thickness.size());

    // Boxes: one per node in the nodes' order, then the partners.
    layout.boxes.reserve(nodes.size());
    std::vector<int> partnerBox(nodes.size(), -1);
    std::vector<ChartBox> partners;
    for (size_t i = 0; i < nodes.size(); ++i) {
        const Node& node = nodes[i];
        const int start = spacing.margin + Round(centre[i] - node.size / 2 - low);  // across
        const int d = node.depth;
        ChartBox box{0, 0, node.box.width, node.box.height, node.simId, node.text};
        if (sideways) {
            box.x = spacing.margin + levelStart[static_cast<size_t>(d)];
            box.y = start;
        } else {
            box.x = start;
            const int thick = thickness[static_cast<size_t>(d)];
            box.y = kind == ChartKind::Ancestors
                        ? layout.height - spacing.margin - levelStart[static_cast<size_t>(d)] - thick + (thick - box.height)
                        : spacing.margin + levelStart[static_cast<size_t>(d)];
        }
        if (node.partnerId != -1) {
            ChartBox partner{0, 0, node.partnerBox.width, node.partnerBox.height, node.partnerId, node.partnerText};
            if (sideways) {
                partner.x = box.x;
                partner.y = box.y + box.height + spacing.partnerGap;
            } else {
                partner.x = box.x + box.width + spacing.partnerGap;
                partner.y = box.y;
            }
            partnerBox[i] = static_cast<int>(partners.size());
            partners.push_back(std::move(partner));
        }
        layout.boxes.push_back(std::move(box));
    }
    const int count = static_cast<int>(layout.boxes.size());
    for (ChartBox& partner : partners) layout.boxes.push_back(std::move(partner));
    layout.rootBox = 0;

    // Lines: every node to the node it hangs from; a descendant to its partner.
    for (size_t i = 0; i < nodes.size(); ++i) {
        const ChartBox& box = layout.boxes[i];
        if (partnerBox[i] >= 0) {
            const ChartBox& partner = layout.boxes[static_cast<size_t>(count + partnerBox[i])];
            if (sideways)
                layout.lines.push_back({box.x + box.width / 2, box.y + box.height, box.x + box.width / 2, partner.y});
            else
                layout.lines.push_back({box.x + box.width, box.y + box.height / 2, partner.x, box.y + box.height / 2});
        }
        const int parent = nodes[i].parent;
        if (parent < 0) continue;
        const ChartBox& from = layout.boxes[static_cast<size_t>(parent)];
        if (sideways) {
            layout.lines.push_back({from.x + from.width, from.y + from.height / 2, box.x, box.y + box.height / 2});
        } else if (kind == ChartKind::Ancestors) {
            layout.lines.push_back({from.x + from.width / 2, from.y, box.x + box.width / 2, box.y + box.height});
        } else if (partnerBox[static_cast<size_t>(parent)] >= 0) {
            // Children of a couple hang from the middle of the line that joins them.
            const ChartBox& partner = layout.boxes[static_cast<size_t>(count + partnerBox[static_cast<size_t>(parent)])];
            const int midX = (from.x + from.width + partner.x) / 2;
            layout.lines.push_back({midX, from.y + from.height / 2, box.x + box.width / 2, box.y});
        } else {
            layout.lines.push_back({from.x + from.width / 2, from.y + from.height, box.x + box.width / 2, box.y});
        }
    }
    return layout;
}

TreePainter::Extent MeasureCache::Measure(const std::string& text) {
    auto found = sizes_.find(text);
    if (found != sizes_.end()) return found->second;
    const Extent size = measure_.Measure(text);
    sizes_.emplace(text, size);
    return size;
}

void DrawChart(const ChartLayout& layout, TreePainter& painter, int dx, int dy) {
    for (const ChartLine& line : layout.lines) painter.Line(line.x1 + dx, line.y1 + dy, line.x2 + dx, line.y2 + dy);
    for (const ChartBox& box : layout.boxes) painter.Text(box.text, box.x + dx, box.y + dy);
}

int ChartBoxAt(const ChartLayout& layout, int x, int y) {
    for (size_t i = 0; i < layout.boxes.size(); ++i) {
        const ChartBox& box = layout.boxes[i];
        if (x >= box.x && x < box.x + box.width && y >= box.y && y < box.y + box.height) return static_cast<int>(i);
    }
    return -1;
}
