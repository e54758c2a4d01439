#include "familytree/FamilyTree.h"

#include "base/Translate.h"
#include "model/Sim.h"
#include "model/SimRegistry.h"

namespace {

// The registry files every Sim under its own id, so the parent's record need
// not be read: in a large neighborhood that read would wait on memory.
int32_t ParentId(const SimRegistry& registry, const ParentRef& ref) {
    return ref.simId != -1 && registry.FindSim(ref.simId) != nullptr ? ref.simId : -1;
}

}  // namespace

std::string ParentLeafText(const std::string& displayName) { return displayName + tr("(d)"); }

void FamilyTree::Build(const SimRegistry& registry) {
    Clear();
    nodes_.reserve(registry.allSims.Count());
    firstNodeOfDenseId_.assign(registry.allSims.Count() * 2 + 16, -1);
    for (const Sim* sim : registry.allSims) {
        if (sim == nullptr) continue;
        FamTreeNode node;
        node.simId = sim->id;
        node.momId = ParentId(registry, sim->mom);
        node.dadId = ParentId(registry, sim->dad);
        FileNode(node.simId, static_cast<int>(nodes_.size()));
        nodes_.push_back(node);
    }
}

void FamilyTree::LinkParents() {
    for (FamTreeNode& node : nodes_) {
        if (node.simId == -1 || (node.momId == -1 && node.dadId == -1)) continue;
        if (node.momId != -1) node.momNode = NodeOf(node.momId);
        // The same Sim named as both parents links the mother side only.
        if (node.dadId != -1 && node.dadId != node.momId) node.dadNode = NodeOf(node.dadId);
    }
}

void FamilyTree::FileNode(int32_t simId, int index) {
    if (simId >= 0 && static_cast<size_t>(simId) < firstNodeOfDenseId_.size()) {
        int& slot = firstNodeOfDenseId_[static_cast<size_t>(simId)];
        if (slot < 0) slot = index;
        return;
    }
    firstNodeOfSparseId_.try_emplace(simId, index);
}

int FamilyTree::NodeOf(int32_t simId) const {
    if (simId == -1) return -1;
    if (simId >= 0 && static_cast<size_t>(simId) < firstNodeOfDenseId_.size())
        return firstNodeOfDenseId_[static_cast<size_t>(simId)];
    auto it = firstNodeOfSparseId_.find(simId);
    return it == firstNodeOfSparseId_.end() ? -1 : it->second;
}

const Sim* FamilyTree::SimOf(const SimRegistry& registry, int index) const {
    if (index < 0 || static_cast<size_t>(index) >= nodes_.size()) return nullptr;
    return registry.FindSim(nodes_[static_cast<size_t>(index)].simId);
}

std::string FamilyTree::Label(const SimRegistry& registry, int index) const {
    const Sim* sim = SimOf(registry, index);
    return sim != nullptr ? sim->firstName : std::string();
}

std::vector<int> FamilyTree::LineDepths(const SimRegistry& registry, bool mother) const {
    // A line is a chain (each node has one parent on a side), so each node's depth is
    // the next one's plus one. The chain is walked with an explicit path so that long
    // lines cannot exhaust the stack; a node met again on the path closes a cycle, whose
    // members each count the cycle's links once.
    enum : char { kNew, kOnPath, kDone };
    const size_t count = nodes_.size();
    std::vector<int> depth(count, 0);
    std::vector<char> state(count, kNew);
    std::vector<int> pathPos(count, -1);
    std::vector<int> path;
    std::vector<const Sim*> sims(count, nullptr);
    // Whether a line that ends at a node goes on to a named parent, for every node in
    // one walk in the records' order: the walk along the lines below jumps from
    // node to node and should not have to reach into the records.
    std::vector<char> named(count, 0);
    for (size_t i = 0; i < count; ++i) {
        const Sim* sim = registry.FindSim(nodes_[i].simId);
        sims[i] = sim;
        if (sim != nullptr) named[i] = (mother ? sim->mom : sim->dad).HasDisplayName(registry) ? 1 : 0;
    }

    auto next = [&](int index) {
        const FamTreeNode& node = nodes_[static_cast<size_t>(index)];
        const int parent = mother ? node.momNode : node.dadNode;
        // A parent whose Sim is gone is no node any more.
        return parent >= 0 && sims[static_cast<size_t>(parent)] != nullptr ? parent : -1;
    };
    auto endDepth = [&](int index) { return static_cast<int>(named[static_cast<size_t>(index)]); };

    for (size_t start = 0; start < count; ++start) {
        if (state[start] == kDone) continue;
        path.clear();
        int cur = static_cast<int>(start);
        int base = 0;
        while (true) {
            const size_t c = static_cast<size_t>(cur);
            if (state[c] == kDone) {
                base = depth[c];
                break;
            }
            if (state[c] == kOnPath) {
                // A cycle: every node from cur to the end of the path is on it.
                const size_t from = static_cast<size_t>(pathPos[c]);
                const int links = static_cast<int>(path.size() - from);
                for (size_t k = from; k < path.size(); ++k) {
                    depth[static_cast<size_t>(path[k])] = links;
                    state[static_cast<size_t>(path[k])] = kDone;
                }
                path.resize(from);
                base = links;
                break;
            }
            if (sims[c] == nullptr) {
                state[c] = kDone;
                depth[c] = 0;
                base = 0;
                break;
            }
            const int parent = next(cur);
            if (parent < 0) {
                state[c] = kDone;
                depth[c] = endDepth(cur);
                base = depth[c];
                break;
            }
            state[c] = kOnPath;
            pathPos[c] = static_cast<int>(path.size());
            path.push_back(cur);
            cur = parent;
        }
        for (size_t k = path.size(); k-- > 0;) {
            const size_t node = static_cast<size_t>(path[k]);
            ++base;
            depth[node] = base;
            state[node] = kDone;
        }
    }
    return depth;
}

int FamilyTree::LineDepth(const SimRegistry& registry, int index, bool mother) const {
    // One chain walked with memory of the nodes on it: linear, and safe on cycles.
    std::vector<int> path;
    std::unordered_map<int, int> position;
    int cur = index;
    int base = 0;
    while (true) {
        const Sim* sim = SimOf(registry, cur);
        if (sim == nullptr) {
            base = 0;
            break;
        }
        auto seen = position.find(cur);
        if (seen != position.end()) {
            const size_t from = static_cast<size_t>(seen->second);
            base = static_cast<int>(path.size() - from);
            path.resize(from);
            break;
        }
        const FamTreeNode& node = nodes_[static_cast<size_t>(cur)];
        int parent = mother ? node.momNode : node.dadNode;
        if (parent >= 0 && SimOf(registry, parent) == nullptr) parent = -1;
        if (parent < 0) {
            const ParentRef& ref = mother ? sim->mom : sim->dad;
            base = ref.DisplayName(registry).empty() ? 0 : 1;
            break;
        }
        position.emplace(cur, static_cast<int>(path.size()));
        path.push_back(cur);
        cur = parent;
    }
    return base + static_cast<int>(path.size());
}

int FamilyTree::GenerationCount(const SimRegistry& registry, int index) const {
    if (SimOf(registry, index) == nullptr) return 0;
    const int mom = LineDepth(registry, index, true);
    const int dad = LineDepth(registry, index, false);
    return mom > dad ? mom : dad;
}

int32_t FamilyTree::FindDeepestSim(const SimRegistry& registry) const {
    const std::vector<int> mom = LineDepths(registry, true);
    const std::vector<int> dad = LineDepths(registry, false);
    int best = 0;
    int32_t result = -1;
    for (size_t i = 0; i < nodes_.size(); ++i) {
        const int count = mom[i] > dad[i] ? mom[i] : dad[i];
        if (count > best && registry.FindSim(nodes_[i].simId) != nullptr) {
            best = count;
            result = nodes_[i].simId;
        }
    }
    return result;
}

void FamilyTree::SetRoot(int32_t simId) {
    const int index = NodeOf(simId);
    if (index >= 0) root_ = index;
}

void FamilyTree::Draw(const SimRegistry& registry, TreePainter& painter, int x, int y, int width,
                      int maxGenerations) const {
    if (root_ < 0) return;
    DrawNode(registry, painter, root_, x, y, width, maxGenerations > 0 ? maxGenerations : -1);
}

void FamilyTree::DrawNode(const SimRegistry& registry, TreePainter& painter, int index, int x, int y, int width,
                          int generationsLeft) const {
    // The width halves every generation, so the recursion ends after at most 31 levels
    // whatever the parent links are, cycles included.
    const Sim* sim = SimOf(registry, index);
    if (sim == nullptr || width <= 0 || x < 0 || y < 0 || generationsLeft == 0) return;
    const std::string text = sim->firstName;
    const TreePainter::Extent size = painter.Measure(text);
    const int centre = x + width / 2;
    painter.Text(text, centre - size.width / 2, y);
    const int parentY = y - size.height - 30;
    const int left = generationsLeft < 0 ? -1 : generationsLeft - 1;
    if (left == 0) return;
    if (DrawParent(registry, painter, index, true, x, parentY, width / 2, left))
        painter.Line(centre, y, x + width / 4, parentY + size.height);
    if (DrawParent(registry, painter, index, false, centre, parentY, width / 2, left))
        painter.Line(centre, y, centre + width / 4, parentY + size.height);
}

bool FamilyTree::DrawParent(const SimRegistry& registry, TreePainter& painter, int index, bool mother, int px,
                            int py, int pw, int generationsLeft) const {
    const FamTreeNode& node = nodes_[static_cast<size_t>(index)];
    const int parent = mother ? node.momNode : node.dadNode;
    if (parent >= 0 && SimOf(registry, parent) != nullptr) {
        DrawNode(registry, painter, parent, px, py, pw, generationsLeft);
        return true;
    }
    const Sim* sim = SimOf(registry, index);
    if (sim == nullptr) return false;
    const std::string name = (mother ? sim->mom : sim->dad).ShownName(registry);
    if (name.empty()) return false;
    const std::string text = ParentLeafText(name);
    const TreePainter::Extent size = painter.Measure(text);
    painter.Text(text, px + pw / 2 - size.width / 2, py);
    return true;
}

void FamilyTree::Clear() {
    nodes_.clear();
    firstNodeOfDenseId_.clear();
    firstNodeOfSparseId_.clear();
    root_ = -1;
}
