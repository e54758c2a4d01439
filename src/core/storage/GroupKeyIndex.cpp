#include "storage/GroupKeyIndex.h"

#include <cstring>

uint32_t GroupKeyIndex::Hash(std::string_view key) {
    // FNV-1a: keys are short ("Name12", "F31"), so a simple byte hash is enough.
    uint32_t h = 2166136261u;
    for (unsigned char c : key) {
        h ^= c;
        h *= 16777619u;
    }
    return h;
}

void GroupKeyIndex::Build(std::string_view body) {
    // First pass: count the lines, which bounds the number of keys and so
    // the table size (kept at most half full).
    size_t lines = 0;
    const char* p = body.data();
    const char* end = p + body.size();
    while (p < end) {
        const void* lf = std::memchr(p, '\n', static_cast<size_t>(end - p));
        ++lines;
        p = lf ? static_cast<const char*>(lf) + 1 : end;
    }
    lineCount_ = lines;

    size_t capacity = 16;
    while (capacity < lines * 2) capacity <<= 1;
    slots_.assign(capacity, Slot{});
    mask_ = capacity - 1;

    p = body.data();
    while (p < end) {
        const char* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)));
        const char* lineEnd = lf ? lf : end;
        const char* eq = static_cast<const char*>(std::memchr(p, '=', static_cast<size_t>(lineEnd - p)));
        if (eq && static_cast<size_t>(eq - p) <= UINT32_MAX) {
            std::string_view key(p, static_cast<size_t>(eq - p));
            uint32_t h = Hash(key);
            size_t i = h & mask_;
            for (;;) {
                Slot& s = slots_[i];
                if (!s.key) {
                    s.key = key.data();
                    s.keyLength = static_cast<uint32_t>(key.size());
                    s.hash = h;
                    s.value = std::string_view(eq + 1, static_cast<size_t>(lineEnd - eq - 1));
                    break;
                }
                if (s.hash == h && s.keyLength == key.size() &&
                    std::memcmp(s.key, key.data(), key.size()) == 0)
                    break;  // an earlier line already holds this key: it wins
                i = (i + 1) & mask_;
            }
        }
        p = lf ? lf + 1 : end;
    }
}

bool GroupKeyIndex::Find(std::string_view key, std::string_view& value) const {
    if (slots_.empty()) return false;
    uint32_t h = Hash(key);
    size_t i = h & mask_;
    for (;;) {
        const Slot& s = slots_[i];
        if (!s.key) return false;
        if (s.hash == h && s.keyLength == key.size() && std::memcmp(s.key, key.data(), key.size()) == 0) {
            value = s.value;
            return true;
        }
        i = (i + 1) & mask_;
    }
}
