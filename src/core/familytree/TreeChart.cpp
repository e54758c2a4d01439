#include "familytree/TreeChart.h"


#include "base/Translate.h"
#include "familytree/ChartLayout.h"
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

std::vector<std::string> DescendantChartLines(const FamilyTree& tree, const SimRegistry& registry) {
    std::vector<std::string> lines;
    const int root = tree.RootIndex();
    if (tree.SimOf(registry, root) == nullptr) return lines;
    const std::vector<std::vector<int>> children = ChildNodes(tree, registry);

    // Depth first with an explicit stack, as the ancestor chart.
    struct Entry {
        int node;
        int depth;
        bool exit;
    };
    std::vector<char> onPath(tree.Nodes().size(), 0);
    std::vector<Entry> stack;
    stack.push_back({root, 0, false});
    while (!stack.empty()) {
        const Entry entry = stack.back();
        stack.pop_back();
        const size_t node = static_cast<size_t>(entry.node);
        if (entry.exit) {
            onPath[node] = 0;
            continue;
        }
        std::string line(static_cast<size_t>(entry.depth) * 2, ' ');
        if (entry.depth > 0) line += tr("Child: ");
        line += tree.SimOf(registry, entry.node)->FullName();
        if (onPath[node]) {
            lines.push_back(line + " (repeat)");
            continue;
        }
        lines.push_back(std::move(line));
        onPath[node] = 1;
        stack.push_back({entry.node, 0, true});
        const std::vector<int>& kids = children[node];
        for (size_t k = kids.size(); k-- > 0;) stack.push_back({kids[k], entry.depth + 1, false});
    }
    return lines;
}
