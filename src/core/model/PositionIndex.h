#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

/// Maps addresses to positions in an array: the index behind the lists that
/// keep their entries in one array and must find an entry's place in
/// constant time. Open addressing with linear probing, at most half full;
/// removals shift the following slots back, so no probe stops at a hole.
/// Building it allocates one array, whatever the number of entries.
class PositionIndex {
public:
    static constexpr size_t kNone = ~size_t{0};

    bool Empty() const { return slots_.empty(); }
    /// Drops every entry and frees the table.
    void Reset() {
        slots_.clear();
        slots_.shrink_to_fit();
        shift_ = 64;
        count_ = 0;
    }
    /// Empties the table, sized for `entries` entries.
    void Prepare(size_t entries) {
        size_t capacity = 64;
        int bits = 6;
        while (capacity < entries * 2) capacity <<= 1, ++bits;
        shift_ = 64 - bits;
        slots_.assign(capacity, Slot{nullptr, 0});
        count_ = 0;
    }
    /// Adds an address that is not in the table yet; the table grows (keeping
    /// its entries) when it would pass half full.
    void Insert(const void* key, size_t pos) {
        if ((count_ + 1) * 2 > slots_.size()) Grow();
        Place(key, pos);
        ++count_;
    }
    size_t Find(const void* key) const {
        if (!key || slots_.empty()) return kNone;
        const size_t mask = slots_.size() - 1;
        for (size_t i = Home(key);; i = (i + 1) & mask) {
            if (!slots_[i].key) return kNone;
            if (slots_[i].key == key) return slots_[i].pos;
        }
    }
    /// Removes an address; nothing happens when it is not in the table.
    void Erase(const void* key) {
        if (!key || slots_.empty()) return;
        const size_t mask = slots_.size() - 1;
        size_t i = Home(key);
        while (slots_[i].key != key) {
            if (!slots_[i].key) return;
            i = (i + 1) & mask;
        }
        // Later slots of the run move into the gap unless their home lies
        // cyclically after it.
        for (size_t j = (i + 1) & mask; slots_[j].key; j = (j + 1) & mask) {
            const size_t home = Home(slots_[j].key);
            const bool stays = (i <= j) ? (i < home && home <= j) : (i < home || home <= j);
            if (stays) continue;
            slots_[i] = slots_[j];
            i = j;
        }
        slots_[i] = {nullptr, 0};
        --count_;
    }

private:
    struct Slot {
        const void* key;  // nullptr: free
        size_t pos;
    };
    size_t Home(const void* key) const {
        // Fibonacci hashing of the address: its top bits pick the slot.
        return static_cast<size_t>((reinterpret_cast<uintptr_t>(key) * 0x9E3779B97F4A7C15ull) >> shift_);
    }
    void Place(const void* key, size_t pos) {
        const size_t mask = slots_.size() - 1;
        size_t i = Home(key);
        while (slots_[i].key) i = (i + 1) & mask;
        slots_[i] = {key, pos};
    }
    void Grow() {
        std::vector<Slot> old;
        old.swap(slots_);
        const size_t count = count_;
        Prepare(count + 1 > 32 ? (count + 1) * 2 : 32);
        for (const Slot& slot : old)
            if (slot.key) Place(slot.key, slot.pos);
        count_ = count;
    }

    std::vector<Slot> slots_;
    int shift_ = 64;
    size_t count_ = 0;
};
