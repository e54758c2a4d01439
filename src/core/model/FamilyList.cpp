#include "model/FamilyList.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "base/Text.h"
#include "model/Family.h"
#include "model/RadixSort.h"

FamilyList::~FamilyList() { Clear(); }

Family* FamilyList::Append(std::unique_ptr<Family> family) {
    if (!family) return nullptr;
    if (live_ == 0) items_.clear(), head_ = 0;
    Family* raw = family.get();
    where_.Insert(raw, items_.size());
    items_.push_back(std::move(family));
    ++live_;
    return raw;
}

bool FamilyList::Remove(Family* family) { return Release(family) != nullptr; }

std::unique_ptr<Family> FamilyList::Release(Family* family) {
    const size_t found = where_.Find(family);
    if (found == PositionIndex::kNone) return nullptr;
    std::unique_ptr<Family> out = std::move(items_[found]);
    where_.Erase(family);
    --live_;
    while (head_ < items_.size() && !items_[head_]) ++head_;
    // Each closing-up follows at least as many removals as families it moves.
    const size_t gaps = items_.size() - live_;
    if (gaps > 16 && gaps > live_) CloseGaps();
    return out;
}

void FamilyList::CloseGaps() {
    size_t kept = 0;
    for (size_t pos = head_; pos < items_.size(); ++pos)
        if (items_[pos]) items_[kept++] = std::move(items_[pos]);
    items_.resize(kept);
    head_ = 0;
    RebuildPositions();
}

void FamilyList::RebuildPositions() {
    where_.Prepare(live_);
    for (size_t pos = head_; pos < items_.size(); ++pos)
        if (items_[pos]) where_.Insert(items_[pos].get(), pos);
}

void FamilyList::Clear() {
    where_.Reset();
    std::vector<std::unique_ptr<Family>> doomed;
    doomed.swap(items_);
    live_ = 0;
    head_ = 0;
}

Family* FamilyList::Front() const { return head_ < items_.size() ? items_[head_].get() : nullptr; }

Family* FamilyList::FindByName(const std::string& name) const {
    for (Family* family : *this)
        if (family->name == name) return family;
    return nullptr;
}

Family* FamilyList::FindById(int32_t id) const {
    for (Family* family : *this)
        if (family->id == id) return family;
    return nullptr;
}

void FamilyList::SortByName() {
    // The families are ordered through an array of keys: comparing the keys'
    // leading bytes (lowered, as CompareNoCase compares) settles most
    // comparisons without reaching the families.
    struct Key {
        uint64_t lead;
        size_t pos;
    };
    std::vector<Key> keys;
    keys.reserve(live_);
    for (size_t pos = head_; pos < items_.size(); ++pos) {
        if (!items_[pos]) continue;
#if defined(__GNUC__)
        // Each key reads a family and then its name: ask for both a few
        // families ahead so that the reads overlap.
        if (pos + 16 < items_.size() && items_[pos + 16]) __builtin_prefetch(items_[pos + 16].get());
        if (pos + 8 < items_.size() && items_[pos + 8]) __builtin_prefetch(items_[pos + 8]->name.data());
#endif
        const std::string& name = items_[pos]->name;
        uint64_t lead = 0;
        for (size_t i = 0; i < 8; ++i) {
            unsigned char c = i < name.size() ? static_cast<unsigned char>(name[i]) : 0;
            if (c >= 'A' && c <= 'Z') c = static_cast<unsigned char>(c - 'A' + 'a');
            lead = (lead << 8) | c;
        }
        keys.push_back({lead, pos});
    }
    // The leading bytes are ordered by a radix sort, a pass per byte, so that
    // sorting stays linear in the number of families; only families whose
    // first eight bytes agree are then compared in full.
    RadixSortByKey(keys, [](const Key& key) { return key.lead; });
    for (size_t run = 0; run < keys.size();) {
        size_t end = run + 1;
        while (end < keys.size() && keys[end].lead == keys[run].lead) ++end;
        auto less = [this](const Key& a, const Key& b) {
            return CompareNoCase(items_[a.pos]->name, items_[b.pos]->name) < 0;
        };
        if (end - run > 16) {
            std::stable_sort(keys.begin() + std::ptrdiff_t(run), keys.begin() + std::ptrdiff_t(end), less);
        } else {
            // Short runs (the usual case) by insertion, which needs no buffer.
            for (size_t i = run + 1; i < end; ++i) {
                const Key key = keys[i];
                size_t j = i;
                for (; j > run && less(key, keys[j - 1]); --j) keys[j] = keys[j - 1];
                keys[j] = key;
            }
        }
        run = end;
    }
    std::vector<std::unique_ptr<Family>> sorted;
    sorted.reserve(keys.size());
    for (const Key& key : keys) sorted.push_back(std::move(items_[key.pos]));
    items_.swap(sorted);
    head_ = 0;
    RebuildPositions();
}
