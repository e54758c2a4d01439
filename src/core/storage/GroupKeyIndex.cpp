#include "storage/GroupKeyIndex.h"

#include <cstring>

uint32_t GroupKeyIndex::Hash(const char* key, size_t length) {
    // FNV-1a: keys are short ("Name12", "F31"); byte-wise hashing measured
    // faster here than word-wise mixing with its variable-length loads.
    uint32_t h = 2166136261u;
    for (size_t i = 0; i < length; ++i) {
        h ^= static_cast<unsigned char>(key[i]);
        h *= 16777619u;
    }
    return h;
}

void GroupKeyIndex::Build(std::string_view body) {
    body_ = body.data();
    const char* const begin = body.data();
    const char* const end = begin + body.size();

    // Count the lines first: they bound the number of keys and so the table
    // size (kept at most half full).
    size_t lines = 0;
    for (const char* p = begin; p < end; ++lines) {
        const void* lf = std::memchr(p, '\n', static_cast<size_t>(end - p));
        p = lf ? static_cast<const char*>(lf) + 1 : end;
    }
    lineCount_ = lines;
    usable_ = body.size() < UINT32_MAX;
    if (!usable_) {
        slots_.clear();
        return;
    }

    size_t capacity = 16;
    while (capacity < lines * 2) capacity <<= 1;
    slots_.assign(capacity, Slot{0, 0, 0, 0});
    mask_ = capacity - 1;

    for (const char* p = begin; p < end;) {
        // Keys are short: find the '=' (or the line's end) byte by byte, then
        // the line feed after the value.
        const char* eq = p;
        while (eq < end && *eq != '=' && *eq != '\n') ++eq;
        const char* lf;
        if (eq < end && *eq == '=')
            lf = static_cast<const char*>(std::memchr(eq, '\n', static_cast<size_t>(end - eq)));
        else
            lf = eq < end ? eq : nullptr, eq = nullptr;
        const char* lineEnd = lf ? lf : end;
        if (eq) {
            const auto keyLength = static_cast<uint32_t>(eq - p);
            const uint32_t h = Hash(p, keyLength);
            size_t i = h & mask_;
            for (;;) {
                Slot& s = slots_[i];
                if (s.keyStart == 0) {
                    s.keyStart = static_cast<uint32_t>(p - begin) + 1;
                    s.keyLength = keyLength;
                    s.valueLength = static_cast<uint32_t>(lineEnd - eq - 1);
                    s.hash = h;
                    break;
                }
                if (s.hash == h && s.keyLength == keyLength &&
                    std::memcmp(begin + s.keyStart - 1, p, keyLength) == 0)
                    break;  // an earlier line already holds this key: it wins
                i = (i + 1) & mask_;
            }
        }
        p = lf ? lf + 1 : end;
    }
}

bool GroupKeyIndex::Find(std::string_view key, std::string_view& value) const {
    if (slots_.empty()) return false;
    const uint32_t h = Hash(key.data(), key.size());
    for (size_t i = h & mask_;; i = (i + 1) & mask_) {
        const Slot& s = slots_[i];
        if (s.keyStart == 0) return false;
        if (s.hash == h && s.keyLength == key.size() &&
            std::memcmp(body_ + s.keyStart - 1, key.data(), key.size()) == 0) {
            value = std::string_view(body_ + s.keyStart - 1 + s.keyLength + 1, s.valueLength);
            return true;
        }
    }
}
