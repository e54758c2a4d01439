#pragma once
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "familytree/TreePainter.h"

class Sim;
class SimRegistry;

/// One Sim of a family tree. It keeps the Sim's id, not the Sim: the neighborhood may
/// delete the Sim while a tree window is open, and a node whose Sim is gone is drawn as
/// nothing. Parent nodes are positions in the tree's node array (-1 for none).
struct FamTreeNode {
    int32_t simId = -1;
    int32_t momId = -1;  // the Sim the mother reference points to, or -1
    int32_t dadId = -1;
    int momNode = -1;
    int dadNode = -1;
};

/// The ancestor chart of a neighborhood: one node per Sim in the order of the all-Sims
/// list, linked to the nodes of its mother and father. Links are fixed when the tree is
/// built; names are read from the neighborhood each time the tree is drawn.
class FamilyTree {
public:
    FamilyTree() = default;
    virtual ~FamilyTree() = default;

    /// Forgets any earlier tree and appends one node for every Sim of the neighborhood.
    void Build(const SimRegistry& registry);
    /// Links every node to its parents' nodes: the first node of the parent's id; when
    /// mother and father are the same id only the mother side is linked.
    void LinkParents();
    /// The id of the Sim whose mother line or father line reaches furthest back; the
    /// earlier Sim wins a tie; -1 when no Sim has a parent recorded.
    int32_t FindDeepestSim(const SimRegistry& registry) const;
    /// The generation count of the node at `index`: the longer of its mother line and
    /// its father line. A line that comes back to a Sim already on it ends there.
    int GenerationCount(const SimRegistry& registry, int index) const;
    /// Makes the node of this Sim the root; an id without a node leaves it as it was.
    void SetRoot(int32_t simId);
    int32_t RootSimId() const { return root_ < 0 ? -1 : nodes_[static_cast<size_t>(root_)].simId; }
    int RootIndex() const { return root_; }
    /// Draws the chart of the root with its name's top-left span at (x, y, width);
    /// nothing without a root. `maxGenerations` (0: no limit) stops the chart above
    /// that many generations.
    void Draw(const SimRegistry& registry, TreePainter& painter, int x, int y, int width,
              int maxGenerations = 0) const;
    void Clear();

    const std::vector<FamTreeNode>& Nodes() const { return nodes_; }
    /// The node of this Sim id (the first one), or -1.
    int NodeOf(int32_t simId) const;
    /// The Sim of a node, or nullptr when it is gone from the neighborhood.
    const Sim* SimOf(const SimRegistry& registry, int index) const;
    /// The text drawn for a node: its Sim's first name, empty when the Sim is gone.
    std::string Label(const SimRegistry& registry, int index) const;

private:
    void DrawNode(const SimRegistry& registry, TreePainter& painter, int index, int x, int y, int width,
                  int generationsLeft) const;
    bool DrawParent(const SimRegistry& registry, TreePainter& painter, int index, bool mother, int px, int py,
                    int pw, int generationsLeft) const;
    /// The depth of every node's line on one side, counted without recursion.
    std::vector<int> LineDepths(const SimRegistry& registry, bool mother) const;
    int LineDepth(const SimRegistry& registry, int index, bool mother) const;

    void FileNode(int32_t simId, int index);

    std::vector<FamTreeNode> nodes_;
    // The first node of each Sim id: ids handed out by the program are dense
    // from 1 and index an array; others (hand-made records) sit in a map.
    std::vector<int> firstNodeOfDenseId_;
    std::unordered_map<int32_t, int> firstNodeOfSparseId_;
    int root_ = -1;
};

/// The name shown for a parent that is not a node of the tree: the typed name followed
/// directly by "(d)".
std::string ParentLeafText(const std::string& displayName);
