#pragma once
#include <cstdint>
#include <vector>

#include "model/ChemistryEntry.h"

/// A Sim's chemistry entries in the order they were added. The list owns its
/// entries (held by value).
class MatchList {
public:
    /// Appends an entry without a duplicate check (the file reader keeps what
    /// the file says); the type is brought into range.
    void Append(int32_t simId, int32_t type);
    /// The first entry for the Sim id, or nullptr.
    ChemistryEntry* Find(int32_t simId);
    const ChemistryEntry* Find(int32_t simId) const;
    bool Contains(int32_t simId) const { return Find(simId) != nullptr; }
    /// Removes the first entry for the Sim id; false when there is none.
    bool RemoveFirst(int32_t simId);
    void Clear() { entries_.clear(); }
    size_t Count() const { return entries_.size(); }
    bool IsEmpty() const { return entries_.empty(); }
    /// Entry i, or nullptr outside the list.
    const ChemistryEntry* At(int i) const;

    std::vector<ChemistryEntry>::const_iterator begin() const { return entries_.begin(); }
    std::vector<ChemistryEntry>::const_iterator end() const { return entries_.end(); }

private:
    std::vector<ChemistryEntry> entries_;
};
