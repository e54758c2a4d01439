#include "model/FamilyList.h"

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
    // std::list::sort keeps every node (and so every stored iterator) valid.
    nodes_.sort([](const std::unique_ptr<Family>& a, const std::unique_ptr<Family>& b) {
        return CompareNoCase(a->name, b->name) < 0;
    });
}
