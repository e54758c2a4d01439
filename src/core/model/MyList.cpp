#include "model/MyList.h"

#include "model/Sim.h"

MyList::MyList(Ownership ownership) : owns_(ownership == Ownership::Owns) {}

MyList::~MyList() { Clear(); }

bool MyList::Append(Sim* sim) {
    if (!sim || Contains(sim)) return false;
    nodes_.push_back(sim);
    where_[sim] = std::prev(nodes_.end());
    return true;
}

Sim* MyList::AppendOwned(std::unique_ptr<Sim> sim) {
    if (!sim || !owns_ || Contains(sim.get())) return nullptr;
    Sim* raw = sim.release();
    nodes_.push_back(raw);
    where_[raw] = std::prev(nodes_.end());
    return raw;
}

bool MyList::Remove(Sim* sim) {
    auto found = where_.find(sim);
    if (found == where_.end()) return false;
    nodes_.erase(found->second);
    where_.erase(found);
    if (owns_) delete sim;
    return true;
}

std::unique_ptr<Sim> MyList::Release(Sim* sim) {
    if (!owns_) return nullptr;
    auto found = where_.find(sim);
    if (found == where_.end()) return nullptr;
    nodes_.erase(found->second);
    where_.erase(found);
    return std::unique_ptr<Sim>(sim);
}

void MyList::Clear() {
    std::list<Sim*> doomed;
    doomed.swap(nodes_);
    where_.clear();
    if (owns_)
        for (Sim* sim : doomed) delete sim;
}

Sim* MyList::Next(const Sim* sim) const {
    auto found = where_.find(sim);
    if (found == where_.end()) return nullptr;
    auto next = std::next(found->second);
    return next == nodes_.end() ? nullptr : *next;
}

Sim* MyList::At(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= nodes_.size()) return nullptr;
    auto it = nodes_.begin();
    std::advance(it, index);
    return *it;
}
