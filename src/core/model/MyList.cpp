#include "model/MyList.h"

#include "model/Sim.h"

MyList::MyList(Ownership ownership) : owns_(ownership == Ownership::Owns) {}

MyList::~MyList() { Clear(); }

size_t MyList::Home(const Sim* sim) const {
    // Fibonacci hashing of the address: its top bits pick the slot.
    return static_cast<size_t>((reinterpret_cast<uintptr_t>(sim) * 0x9E3779B97F4A7C15ull) >> shift_);
}

MyList::Node MyList::Find(const Sim* sim) const {
    if (!sim) return nodes_.end();
    if (slots_.empty()) {
        for (auto it = nodes_.begin(); it != nodes_.end(); ++it)
            if (*it == sim) return it;
        return nodes_.end();
    }
    const size_t mask = slots_.size() - 1;
    for (size_t i = Home(sim);; i = (i + 1) & mask) {
        if (!slots_[i].sim) return nodes_.end();
        if (slots_[i].sim == sim) return slots_[i].node;
    }
}

void MyList::IndexNode(Node node) {
    const size_t mask = slots_.size() - 1;
    size_t i = Home(*node);
    while (slots_[i].sim) i = (i + 1) & mask;
    slots_[i] = {*node, node};
}

void MyList::RebuildIndex() {
    slots_.clear();
    shift_ = 64;
    if (nodes_.size() < kIndexFrom) return;
    size_t capacity = 64;
    int bits = 6;
    while (capacity < nodes_.size() * 2) capacity <<= 1, ++bits;
    shift_ = 64 - bits;
    slots_.assign(capacity, Slot{nullptr, nodes_.end()});
    for (auto it = nodes_.begin(); it != nodes_.end(); ++it) IndexNode(it);
}

void MyList::Link(Sim* sim) {
    nodes_.push_back(sim);
    if (!slots_.empty() && nodes_.size() * 2 <= slots_.size())
        IndexNode(std::prev(nodes_.end()));
    else if (nodes_.size() >= kIndexFrom)
        RebuildIndex();
}

void MyList::Unlink(Node node) {
    if (!slots_.empty()) {
        const size_t mask = slots_.size() - 1;
        size_t i = Home(*node);
        while (slots_[i].sim != *node) i = (i + 1) & mask;
        // Backward shift: later slots of the run move into the gap unless
        // their home lies cyclically after it, so no probe stops at a hole.
        for (size_t j = (i + 1) & mask; slots_[j].sim; j = (j + 1) & mask) {
            const size_t home = Home(slots_[j].sim);
            const bool stays = (i <= j) ? (i < home && home <= j) : (i < home || home <= j);
            if (stays) continue;
            slots_[i] = slots_[j];
            i = j;
        }
        slots_[i] = {nullptr, nodes_.end()};
    }
    nodes_.erase(node);
}

bool MyList::Append(Sim* sim) {
    if (!sim || Contains(sim)) return false;
    Link(sim);
    return true;
}

Sim* MyList::AppendOwned(std::unique_ptr<Sim> sim) {
    if (!sim || !owns_ || Contains(sim.get())) return nullptr;
    Sim* raw = sim.release();
    Link(raw);
    return raw;
}

bool MyList::Remove(Sim* sim) {
    Node found = Find(sim);
    if (found == nodes_.end()) return false;
    Unlink(found);
    if (owns_) delete sim;
    return true;
}

std::unique_ptr<Sim> MyList::Release(Sim* sim) {
    if (!owns_) return nullptr;
    Node found = Find(sim);
    if (found == nodes_.end()) return nullptr;
    Unlink(found);
    return std::unique_ptr<Sim>(sim);
}

void MyList::Clear() {
    std::list<Sim*> doomed;
    doomed.swap(nodes_);
    slots_.clear();
    slots_.shrink_to_fit();
    shift_ = 64;
    if (owns_)
        for (Sim* sim : doomed) delete sim;
}

Sim* MyList::Next(const Sim* sim) const {
    Node found = Find(sim);
    if (found == nodes_.end()) return nullptr;
    auto next = std::next(found);
    return next == nodes_.end() ? nullptr : *next;
}

Sim* MyList::At(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= nodes_.size()) return nullptr;
    auto it = nodes_.begin();
    std::advance(it, index);
    return *it;
}
