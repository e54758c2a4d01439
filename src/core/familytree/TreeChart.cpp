#include "familytree/TreeChart.h"

#include <algorithm>
#include <cstdint>

#include "base/Translate.h"
#include "model/Sim.h"
#include "model/SimRegistry.h"

namespace {

// A parent side of a node as the chart shows it: a node of the tree, a typed-in name,
// or nothing.
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
    const std::string name = (mother ? sim->mom : sim->dad).ShownName(registry);
    if (name.empty()) return {};
    return {-1, ParentLeafText(name)};
}

constexpr int kPictureMargin = 20;
constexpr int kNameGap = 30;     // between a name's top and the bottom of the name above
constexpr int kNamePadding = 16;  // free space beside each name in its span
constexpr int kMaxLevels = 24;

}  // namespace

std::vector<std::string> AncestorChartLines(const FamilyTree& tree, const SimRegistry& registry) {
    std::vector<std::string> lines;
    const int root = tree.RootIndex();
    const Sim* rootSim = tree.SimOf(registry, root);
    if (rootSim == nullptr) return lines;

    // Depth first with an explicit stack, so that a long line of ancestors cannot
    // exhaust the call stack. An exit entry takes a node off the current path.
    struct Entry {
        int node;           // -1 for a typed-in name or for an exit entry
        std::string label;  // "Mother: ", "Father: " or empty for the root
        std::string leaf;
        int depth;
        bool exit;
    };
    std::vector<char> onPath(tree.Nodes().size(), 0);
    std::vector<Entry> stack;
    stack.push_back({root, "", "", 0, false});
    while (!stack.empty()) {
        Entry entry = std::move(stack.back());
        stack.pop_back();
        if (entry.exit) {
            onPath[static_cast<size_t>(entry.node)] = 0;
            continue;
        }
        std::string line(static_cast<size_t>(entry.depth) * 2, ' ');
        line += entry.label;
        if (entry.node < 0) {
            lines.push_back(line + entry.leaf);
            continue;
        }
        line += tree.SimOf(registry, entry.node)->ShownFullName();
        if (onPath[static_cast<size_t>(entry.node)]) {
            lines.push_back(line + " (repeat)");
            continue;
        }
        lines.push_back(std::move(line));
        onPath[static_cast<size_t>(entry.node)] = 1;
        stack.push_back({entry.node, "", "", 0, true});
        // Pushed father first so that the mother comes out first.
        const Side father = ParentSide(tree, registry, entry.node, false);
        const Side mother = ParentSide(tree, registry, entry.node, true);
        if (father.node >= 0 || !father.leaf.empty())
            stack.push_back({father.node, tr("Father: "), father.leaf, entry.depth + 1, false});
        if (mother.node >= 0 || !mother.leaf.empty())
            stack.push_back({mother.node, tr("Mother: "), mother.leaf, entry.depth + 1, false});
    }
    return lines;
}

PicturePlan PlanPicture(const FamilyTree& tree, const SimRegistry& registry, TreePainter& measure, int maxWidth) {
    PicturePlan plan;
    const int root = tree.RootIndex();
    if (tree.SimOf(registry, root) == nullptr) return plan;

    // The names of each generation, found level by level; a node is measured once per
    // level however many ways lead to it.
    std::vector<int> widest;
    int textHeight = 0;
    std::vector<int> level{root};
    std::vector<int> seenAt(tree.Nodes().size(), -1);
    for (int depth = 0; depth < kMaxLevels && !level.empty(); ++depth) {
        int wide = 0;
        std::vector<int> above;
        std::vector<std::string> leaves;
        for (int node : level) {
            const TreePainter::Extent size = measure.Measure(tree.Label(registry, node));
            wide = std::max(wide, size.width);
            textHeight = std::max(textHeight, size.height);
            for (bool mother : {true, false}) {
                const Side side = ParentSide(tree, registry, node, mother);
                if (side.node >= 0) {
                    if (seenAt[static_cast<size_t>(side.node)] != depth + 1) {
                        seenAt[static_cast<size_t>(side.node)] = depth + 1;
                        above.push_back(side.node);
                    }
                } else if (!side.leaf.empty()) {
                    leaves.push_back(side.leaf);
                }
            }
        }
        if (static_cast<int>(widest.size()) <= depth) widest.resize(static_cast<size_t>(depth) + 1, 0);
        widest[static_cast<size_t>(depth)] = std::max(widest[static_cast<size_t>(depth)], wide);
        if (!leaves.empty() && depth + 1 < kMaxLevels) {
            if (static_cast<int>(widest.size()) <= depth + 1) widest.resize(static_cast<size_t>(depth) + 2, 0);
            for (const std::string& leaf : leaves) {
                const TreePainter::Extent size = measure.Measure(leaf);
                widest[static_cast<size_t>(depth) + 1] = std::max(widest[static_cast<size_t>(depth) + 1], size.width);
                textHeight = std::max(textHeight, size.height);
            }
        }
        level = std::move(above);
    }

    // The most generations whose names all fit in the widest picture allowed.
    int width = 0;
    int generations = 0;
    for (size_t depth = 0; depth < widest.size(); ++depth) {
        const int64_t need = static_cast<int64_t>(widest[depth] + kNamePadding) << depth;
        const int64_t candidate = std::max<int64_t>(width, need);
        if (candidate > maxWidth && generations > 0) break;
        width = static_cast<int>(std::min<int64_t>(candidate, maxWidth));
        ++generations;
    }
    plan.generations = generations;
    plan.width = width + 2 * kPictureMargin;
    plan.height = generations * (textHeight + kNameGap) - kNameGap + 2 * kPictureMargin;
    plan.rootX = kPictureMargin;
    plan.rootY = plan.height - kPictureMargin - textHeight;
    return plan;
}

void DrawPicture(const FamilyTree& tree, const SimRegistry& registry, TreePainter& painter, const PicturePlan& plan) {
    if (plan.generations <= 0) return;
    tree.Draw(registry, painter, plan.rootX, plan.rootY, plan.width - 2 * kPictureMargin, plan.generations);
}
