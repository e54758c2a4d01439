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

size_t FamilyList::PlaceOf(const Family* family) const {
    const size_t found = where_.Find(family);
    if (found == PositionIndex::kNone) return live_;
    size_t place = 0;
    for (size_t pos = head_; pos < found; ++pos)
        if (items_[pos]) ++place;
    return place;
}

Family* FamilyList::InsertAt(std::unique_ptr<Family> family, size_t place) {
    if (!family || Contains(family.get())) return nullptr;
    if (place >= live_) return Append(std::move(family));
    size_t pos = head_;
    for (size_t seen = 0; pos < items_.size(); ++pos) {
        if (!items_[pos]) continue;
        if (seen++ == place) break;
    }
    Family* raw = family.get();
    ++live_;
    if (pos > 0 && !items_[pos - 1]) {
        items_[pos - 1] = std::move(family);
        where_.Insert(raw, pos - 1);
        if (head_ > pos - 1) head_ = pos - 1;
        return raw;
    }
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(pos), std::move(family));
    if (head_ > pos) head_ = pos;
    RebuildPositions();
    return raw;
}

std::vector<Family*> FamilyList::Order() const {
    std::vector<Family*> order;
    order.reserve(live_);
    for (Family* family : *this) order.push_back(family);
    return order;
}

void FamilyList::Reorder(const std::vector<Family*>& order) {
    std::vector<std::unique_ptr<Family>> arranged;
    arranged.reserve(live_);
    for (Family* family : order) {
        const size_t found = where_.Find(family);
        if (found == PositionIndex::kNone || !items_[found]) continue;
        arranged.push_back(std::move(items_[found]));
    }
    // Families the order did not name keep their turn after those it did.
    for (size_t pos = head_; pos < items_.size(); ++pos)
        if (items_[pos]) arranged.push_back(std::move(items_[pos]));
    items_.swap(arranged);
    head_ = 0;
    live_ = items_.size();
    RebuildPositions();
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

namespace {
// Eight bytes of a name from `from` on, lowered as CompareNoCase lowers
// them, first byte highest; past the end, zero.
uint64_t LoweredBytes(const std::string& name, size_t from) {
    uint64_t bytes = 0;
    for (size_t i = from; i < from + 8; ++i) {
        unsigned char c = i < name.size() ? static_cast<unsigned char>(name[i]) : 0;
        if (c >= 'A' && c <= 'Z') c = static_cast<unsigned char>(c - 'A' + 'a');
        bytes = (bytes << 8) | c;
    }
    return bytes;
}
}  // namespace

void FamilyList::SortByName() {
    // The families are ordered through an array of keys holding the first
    // sixteen bytes of each name, so that the sort reads each family once:
    // at scale, every read of a family is a trip to memory.
    struct Key {
        uint64_t lead;
        uint64_t next;
        uint32_t pos;
        uint32_t length;  // of the name, at most kKeyed + 1
    };
    constexpr size_t kKeyed = 16;
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
        keys.push_back({LoweredBytes(name, 0), LoweredBytes(name, 8), static_cast<uint32_t>(pos),
                        static_cast<uint32_t>(std::min(name.size(), kKeyed + 1))});
    }
    // The leading bytes are ordered by a radix sort, a pass per byte, so that
    // sorting stays linear in the number of families. Families whose first
    // eight bytes agree (a few at a time) are ordered by the next eight and
    // then by list position, which keeps equal names in their order. Only
    // names that agree in sixteen bytes and differ in length, or run longer,
    // are compared in full.
    RadixSortByKey(keys, [](const Key& key) { return key.lead; });
    auto byNext = [](const Key& a, const Key& b) { return a.next != b.next ? a.next < b.next : a.pos < b.pos; };
    auto byName = [this](const Key& a, const Key& b) {
        return CompareNoCase(items_[a.pos]->name, items_[b.pos]->name) < 0;
    };
    for (size_t run = 0; run < keys.size();) {
        size_t end = run + 1;
        while (end < keys.size() && keys[end].lead == keys[run].lead) ++end;
        if (end - run > 1) {
            std::sort(keys.begin() + std::ptrdiff_t(run), keys.begin() + std::ptrdiff_t(end), byNext);
            for (size_t tie = run; tie < end;) {
                size_t tieEnd = tie + 1;
                bool sameLength = keys[tie].length <= kKeyed;
                while (tieEnd < end && keys[tieEnd].next == keys[tie].next) {
                    sameLength = sameLength && keys[tieEnd].length == keys[tie].length;
                    ++tieEnd;
                }
                // Equal keys of names of one length up to sixteen bytes are
                // equal names, already in list order.
                if (tieEnd - tie > 1 && !sameLength)
                    std::stable_sort(keys.begin() + std::ptrdiff_t(tie), keys.begin() + std::ptrdiff_t(tieEnd), byName);
                tie = tieEnd;
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
