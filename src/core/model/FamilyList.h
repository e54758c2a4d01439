#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/GapIterator.h"
#include "model/PositionIndex.h"

class Family;

/// The households in their list order. The list owns its families; removing a
/// family deletes it. Finding and removing a family take constant time.
///
/// The families are kept in one array, so that walks read memory in order; a
/// removal leaves a gap that walks skip, closed up once gaps outnumber the
/// families. Appending while walking is safe; removing while walking is not.
class FamilyList {
public:
    FamilyList() = default;
    ~FamilyList();
    FamilyList(const FamilyList&) = delete;
    FamilyList& operator=(const FamilyList&) = delete;

    /// Appends and takes ownership; nullptr (ignored) for a missing family.
    Family* Append(std::unique_ptr<Family> family);
    /// Removes and deletes the family; false when it is not in the list.
    bool Remove(Family* family);
    /// Removes the family without deleting it and hands it over.
    std::unique_ptr<Family> Release(Family* family);
    /// The family's place counted in families (gaps skipped); Count() when absent.
    size_t PlaceOf(const Family* family) const;
    /// Puts a family at a place counted in families (at the end when past it).
    Family* InsertAt(std::unique_ptr<Family> family, size_t place);
    /// The families in list order, and the list put back into such an order
    /// (the same families, rearranged).
    std::vector<Family*> Order() const;
    void Reorder(const std::vector<Family*>& order);
    bool Contains(const Family* family) const { return where_.Find(family) != PositionIndex::kNone; }
    void Clear();
    size_t Count() const { return live_; }
    bool IsEmpty() const { return live_ == 0; }
    Family* Front() const;
    /// The first family with exactly this name, or nullptr.
    Family* FindByName(const std::string& name) const;
    /// The family with this id, or nullptr.
    Family* FindById(int32_t id) const;
    /// Sorts by name without regard to case (stable).
    void SortByName();

    /// Walks the families in order, skipping gaps; families appended meanwhile are reached.
    using const_iterator = GapIterator<std::unique_ptr<Family>, Family*>;
    const_iterator begin() const { return const_iterator(&items_, head_); }
    const_iterator end() const { return const_iterator(&items_, const_iterator::kEnd); }

private:
    void CloseGaps();
    void RebuildPositions();

    std::vector<std::unique_ptr<Family>> items_;  // empty pointers are gaps
    size_t live_ = 0;
    size_t head_ = 0;  // no family lies before this position
    PositionIndex where_;
};
