#include "model/FamilyList.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "base/Text.h"
#include "model/Family.h"

FamilyList::~FamilyList() { Clear(); }

Family* FamilyList::Append(std::unique_ptr<Family> family) {
    if (!family) return nullptr;
    Family* raw = family.get();
    nodes_.push_back(std::move(family));
    where_[raw] = std::prev(nodes_.end());
    return raw;
}

bool FamilyList::Remove(Family* family) { return Release(family) != nullptr; }

std::unique_ptr<Family> FamilyList::Release(Family* family) {
    auto found = where_.find(family);
    if (found == where_.end()) return nullptr;
    std::unique_ptr<Family> out = std::move(*found->second);
    nodes_.erase(found->second);
    where_.erase(found);
    return out;
}

void FamilyList::Clear() {
    where_.clear();
    nodes_.clear();
}

Family* FamilyList::Front() const { return nodes_.empty() ? nullptr : nodes_.front().get(); }

Family* FamilyList::FindByName(const std::string& name) const {
    for (const auto& family : nodes_)
        if (family->name == name) return family.get();
    return nullptr;
}

Family* FamilyList::FindById(int32_t id) const {
    for (const auto& family : nodes_)
        if (family->id == id) return family.get();
    return nullptr;
}

void FamilyList::SortByName() {
    // The nodes are ordered through an array of keys, then spliced into that
    // order: splicing keeps every node (and so every stored iterator) valid,
    // and comparing the keys' leading bytes (lowered, as CompareNoCase
    // compares) settles most comparisons without reaching the families.
    using Node = std::list<std::unique_ptr<Family>>::iterator;
    struct Key {
        uint64_t lead;
        Node node;
    };
    std::vector<Key> keys;
    keys.reserve(nodes_.size());
    for (Node it = nodes_.begin(); it != nodes_.end(); ++it) {
        const std::string& name = (*it)->name;
        uint64_t lead = 0;
        for (size_t i = 0; i < 8; ++i) {
            unsigned char c = i < name.size() ? static_cast<unsigned char>(name[i]) : 0;
            if (c >= 'A' && c <= 'Z') c = static_cast<unsigned char>(c - 'A' + 'a');
            lead = (lead << 8) | c;
        }
        keys.push_back({lead, it});
    }
    std::stable_sort(keys.begin(), keys.end(), [](const Key& a, const Key& b) {
        if (a.lead != b.lead) return a.lead < b.lead;
        return CompareNoCase((*a.node)->name, (*b.node)->name) < 0;
    });
    for (const Key& key : keys) nodes_.splice(nodes_.end(), nodes_, key.node);
}
