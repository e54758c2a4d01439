#include "model/MatchList.h"

#include <algorithm>

void MatchList::Append(int32_t simId, int32_t type) { entries_.emplace_back(simId, type); }

ChemistryEntry* MatchList::Find(int32_t simId) {
    for (ChemistryEntry& entry : entries_)
        if (entry.simId == simId) return &entry;
    return nullptr;
}

const ChemistryEntry* MatchList::Find(int32_t simId) const {
    for (const ChemistryEntry& entry : entries_)
        if (entry.simId == simId) return &entry;
    return nullptr;
}

bool MatchList::RemoveFirst(int32_t simId) {
    auto it = std::find_if(entries_.begin(), entries_.end(),
                           [simId](const ChemistryEntry& e) { return e.simId == simId; });
    if (it == entries_.end()) return false;
    entries_.erase(it);
    return true;
}

const ChemistryEntry* MatchList::At(int i) const {
    if (i < 0 || static_cast<size_t>(i) >= entries_.size()) return nullptr;
    return &entries_[static_cast<size_t>(i)];
}
