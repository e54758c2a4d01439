#include "model/MyList.h"

#include "model/Sim.h"

MyList::MyList(Ownership ownership) : owns_(ownership == Ownership::Owns) {}

MyList::~MyList() { Clear(); }

size_t MyList::Find(const Sim* sim) const {
    if (!sim) return kNone;
    if (owns_) return sim->ownerList_ == this ? sim->ownerPos_ : kNone;
    if (index_.Empty()) {
        for (size_t pos = head_; pos < items_.size(); ++pos)
            if (items_[pos] == sim) return pos;
        return kNone;
    }
    return index_.Find(sim);
}

void MyList::RebuildIndex() {
    if (owns_ || live_ < kIndexFrom) {
        index_.Reset();
        return;
    }
    index_.Prepare(live_);
    for (size_t pos = head_; pos < items_.size(); ++pos)
        if (items_[pos]) index_.Insert(items_[pos], pos);
}

void MyList::Link(Sim* sim) {
    if (live_ == 0) items_.clear(), head_ = 0;
    items_.push_back(sim);
    ++live_;
    if (owns_) {
        sim->ownerList_ = this;
        sim->ownerPos_ = items_.size() - 1;
    } else if (!index_.Empty())
        index_.Insert(sim, items_.size() - 1);
    else if (live_ >= kIndexFrom)
        RebuildIndex();
}

void MyList::Unlink(size_t pos) {
    if (owns_)
        items_[pos]->ownerList_ = nullptr;
    else
        index_.Erase(items_[pos]);
    items_[pos] = nullptr;
    --live_;
    while (head_ < items_.size() && !items_[head_]) ++head_;
    // Each closing-up follows at least as many removals as Sims it moves.
    const size_t gaps = items_.size() - live_;
    if (gaps > 16 && gaps > live_) CloseGaps();
}

void MyList::CloseGaps() {
    size_t kept = 0;
    for (size_t pos = head_; pos < items_.size(); ++pos) {
        Sim* sim = items_[pos];
        if (!sim) continue;
        if (owns_) sim->ownerPos_ = kept;
        items_[kept++] = sim;
    }
    items_.resize(kept);
    head_ = 0;
    if (items_.capacity() > 4 * kept + 64) items_.shrink_to_fit();
    RebuildIndex();
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

Sim* MyList::InsertOwnedInOrder(std::unique_ptr<Sim> sim, uint64_t registration) {
    if (!sim || !owns_ || Contains(sim.get())) return nullptr;
    // The first position whose Sim was registered later: a binary search over
    // the array, stepping over gaps.
    size_t lo = head_, hi = items_.size();
    while (lo < hi) {
        const size_t mid = lo + (hi - lo) / 2;
        size_t probe = mid;
        while (probe < hi && !items_[probe]) ++probe;
        if (probe == hi) {
            hi = mid;
        } else if (items_[probe]->registrySeq_ > registration) {
            hi = mid;
        } else {
            lo = probe + 1;
        }
    }
    Sim* raw = sim.release();
    raw->ownerList_ = this;
    ++live_;
    if (lo < items_.size() && !items_[lo]) {
        items_[lo] = raw;
        raw->ownerPos_ = lo;
        if (head_ > lo) head_ = lo;
        return raw;
    }
    if (lo > 0 && lo <= items_.size() && !items_[lo - 1]) {
        // The gap just before is free: everything before it was registered earlier.
        items_[lo - 1] = raw;
        raw->ownerPos_ = lo - 1;
        if (head_ > lo - 1) head_ = lo - 1;
        return raw;
    }
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(lo), raw);
    for (size_t pos = lo; pos < items_.size(); ++pos)
        if (items_[pos]) items_[pos]->ownerPos_ = pos;
    if (head_ > lo) head_ = lo;
    return raw;
}

bool MyList::Remove(Sim* sim) {
    const size_t found = Find(sim);
    if (found == kNone) return false;
    Unlink(found);
    if (owns_) delete sim;
    return true;
}

std::unique_ptr<Sim> MyList::Release(Sim* sim) {
    if (!owns_) return nullptr;
    const size_t found = Find(sim);
    if (found == kNone) return nullptr;
    Unlink(found);
    return std::unique_ptr<Sim>(sim);
}

void MyList::Clear() {
    std::vector<Sim*> doomed;
    doomed.swap(items_);
    index_.Reset();
    live_ = 0;
    head_ = 0;
    if (owns_)
        for (Sim* sim : doomed) delete sim;  // gaps are nullptr: deleting them does nothing
}

Sim* MyList::Front() const { return head_ < items_.size() ? items_[head_] : nullptr; }

Sim* MyList::Next(const Sim* sim) const {
    const size_t found = Find(sim);
    if (found == kNone) return nullptr;
    for (size_t pos = found + 1; pos < items_.size(); ++pos)
        if (items_[pos]) return items_[pos];
    return nullptr;
}

Sim* MyList::At(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= live_) return nullptr;
    size_t left = static_cast<size_t>(index);
    for (size_t pos = head_; pos < items_.size(); ++pos) {
        if (!items_[pos]) continue;
        if (left-- == 0) return items_[pos];
    }
    return nullptr;
}
