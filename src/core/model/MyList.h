#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "model/GapIterator.h"
#include "model/PositionIndex.h"

class Sim;

/// An ordered list of Sims. An owning list (the registry's all-Sims list)
/// deletes a Sim when it is removed and all of them when it is cleared or
/// destroyed; a referring list (a family's members) never deletes. Finding
/// and removing a Sim take constant time, whatever the length.
///
/// The Sims are kept in one array, so that a walk over a long list reads
/// memory in order instead of chasing a node per Sim. A removal leaves a gap
/// that walks skip; the gaps are closed up once they outnumber the Sims.
/// Appending while walking is safe (the walk sees the new Sims); removing
/// other Sims while walking is not, as closing the gaps moves the rest.
class MyList {
public:
    enum class Ownership { Refers, Owns };

    explicit MyList(Ownership ownership = Ownership::Refers);
    ~MyList();
    MyList(const MyList&) = delete;
    MyList& operator=(const MyList&) = delete;

    bool OwnsContents() const { return owns_; }
    size_t Count() const { return live_; }
    bool IsEmpty() const { return live_ == 0; }
    bool Contains(const Sim* sim) const { return Find(sim) != kNone; }

    /// Appends a Sim the list does not own (referring lists). A Sim already
    /// in the list, or nullptr, is refused.
    bool Append(Sim* sim);
    /// Appends a Sim and takes ownership (owning lists). Returns the Sim;
    /// nullptr when refused (then the Sim is deleted).
    Sim* AppendOwned(std::unique_ptr<Sim> sim);
    /// Puts a Sim into an owning list whose Sims stand in the order they were
    /// registered (the registry's all-Sims list), at the place its
    /// registration gives it. The gap the Sim left when it was removed is
    /// reused when it is still there, so taking back a deletion costs no
    /// more than the deletion did. Returns the Sim; nullptr when refused.
    Sim* InsertOwnedInOrder(std::unique_ptr<Sim> sim, uint64_t registration);
    /// Removes the Sim; an owning list deletes it. False when the Sim is not
    /// in the list.
    bool Remove(Sim* sim);
    /// Removes the Sim without deleting it and hands it over; an empty
    /// pointer when the Sim is not here or the list does not own it.
    std::unique_ptr<Sim> Release(Sim* sim);
    /// Empties the list (an owning list deletes every Sim).
    void Clear();

    Sim* Front() const;
    /// The Sim at a position (a walk from the front: meant for the short
    /// member lists of families, e.g. a list box selection); nullptr outside.
    Sim* At(int index) const;
    /// The Sim after the given one in list order, or nullptr.
    Sim* Next(const Sim* sim) const;
    /// Starts fetching the start of the list's array into the cache, for
    /// walks over many short lists that can ask ahead.
    void PrefetchItems() const {
#if defined(__GNUC__)
        if (!items_.empty()) __builtin_prefetch(items_.data() + head_);
#endif
    }

    /// Walks the Sims in order, skipping gaps; Sims appended meanwhile are reached.
    using const_iterator = GapIterator<Sim*, Sim*>;
    const_iterator begin() const { return const_iterator(&items_, head_); }
    const_iterator end() const { return const_iterator(&items_, const_iterator::kEnd); }

private:
    static constexpr size_t kNone = PositionIndex::kNone;
    // An owning list's Sims carry their own position. A referring list's
    // Sims may be in other lists too: short ones (a family's members) are
    // searched by a walk, and from kIndexFrom Sims on an index maps each Sim
    // to its position.
    static constexpr size_t kIndexFrom = 16;
    size_t Find(const Sim* sim) const;
    void Link(Sim* sim);
    void Unlink(size_t pos);
    void CloseGaps();
    void RebuildIndex();

    bool owns_;
    std::vector<Sim*> items_;  // nullptr marks a removed Sim's gap
    size_t live_ = 0;
    size_t head_ = 0;  // no Sim lies before this position
    PositionIndex index_;
};
