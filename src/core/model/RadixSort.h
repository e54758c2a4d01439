#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

/// Sorts entries by a 64-bit key, stably, a pass per byte of the key (bytes
/// on which all keys agree are skipped): linear in the number of entries.
/// `key(entry)` gives an entry's key.
template <typename Entry, typename KeyOf>
void RadixSortByKey(std::vector<Entry>& entries, KeyOf key) {
    if (entries.size() < 2) return;
    std::vector<Entry> spare(entries.size());
    for (int shift = 0; shift < 64; shift += 8) {
        size_t counts[257] = {};
        for (const Entry& entry : entries) ++counts[((key(entry) >> shift) & 0xFF) + 1];
        if (counts[((key(entries[0]) >> shift) & 0xFF) + 1] == entries.size()) continue;
        for (size_t b = 1; b < 257; ++b) counts[b] += counts[b - 1];
        for (const Entry& entry : entries) spare[counts[(key(entry) >> shift) & 0xFF]++] = entry;
        entries.swap(spare);
    }
}
