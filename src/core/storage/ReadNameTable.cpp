#include "storage/ReadNameTable.h"

#include <limits>

#include "model/SimRegistry.h"

void ReadNameTable::Add(std::string_view firstName, std::string_view lastName, int32_t id) {
    if (!usable_) return;
    const size_t offset = names_.size();
    names_ += firstName;
    names_ += ' ';
    names_ += lastName;
    const size_t length = names_.size() - offset;
    if (length > std::numeric_limits<uint32_t>::max()) {
        usable_ = false;
        return;
    }
    std::string_view full(names_.data() + offset, length);
    entries_.push_back({SimRegistry::FullNameHash(full), offset, static_cast<uint32_t>(length), id});
}

void ReadNameTable::Seal() {
    size_t capacity = 64;
    while (capacity < entries_.size() * 2) capacity <<= 1;
    slots_.assign(capacity, Entry{0, 0, 0, 0});
    const size_t mask = capacity - 1;
    // Filed in registration order, so that along any probe the first entry of
    // a full name is the one registered first, which is the Sim the registry
    // answers for that name.
    for (const Entry& entry : entries_) {
        size_t i = entry.hash & mask;
        while (slots_[i].length) i = (i + 1) & mask;
        slots_[i] = entry;
    }
    std::vector<Entry>().swap(entries_);
}

int32_t ReadNameTable::Find(std::string_view fullName, uint64_t hash) const {
    if (slots_.empty()) return -1;
    const size_t mask = slots_.size() - 1;
    for (size_t i = hash & mask; slots_[i].length; i = (i + 1) & mask) {
        const Entry& slot = slots_[i];
        if (slot.hash == hash && slot.length == fullName.size() &&
            std::string_view(names_.data() + slot.offset, slot.length) == fullName)
            return slot.id;
    }
    return -1;
}

void ReadNameTable::PrefetchSlot(uint64_t hash) const {
#if defined(__GNUC__)
    if (!slots_.empty()) __builtin_prefetch(&Home(hash));
#else
    (void)hash;
#endif
}

void ReadNameTable::PrefetchName(uint64_t hash) const {
#if defined(__GNUC__)
    if (slots_.empty()) return;
    const Entry& slot = Home(hash);
    if (slot.length && slot.hash == hash) __builtin_prefetch(names_.data() + slot.offset);
#else
    (void)hash;
#endif
}
