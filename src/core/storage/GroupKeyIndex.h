#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

/// A hash index over the lines of one group body, so that looking up every
/// key of a group costs time in proportion to the group's size once, not once
/// per key. A key is the text of a line before its first '='; only the first
/// line of each key is kept, because lookups let the first line win. Lines
/// without '=' hold no key.
///
/// The views handed out point into the body the index was built from; the
/// body must outlive the index (or the next Build).
class GroupKeyIndex {
public:
    /// Rebuilds the index for `body`, reusing the memory of earlier builds.
    void Build(std::string_view body);

    /// The value of the first line that starts with `key` followed by '=':
    /// the text after that '=' up to the line's end. `key` must not hold
    /// '=' or a line feed (Group::FindValue takes care of such keys).
    bool Find(std::string_view key, std::string_view& value) const;

    /// Bodies from 4 GB on are not indexed (offsets are 32-bit); Usable()
    /// is then false and callers search the body directly.
    bool Usable() const { return usable_; }

    /// Number of lines of the body (a last line without a line feed counts).
    size_t LineCount() const { return lineCount_; }

private:
    // 16 bytes a slot: the key starts at keyStart - 1 in the body (0 marks
    // a free slot), its value right after the key's '='.
    struct Slot {
        uint32_t keyStart;
        uint32_t keyLength;
        uint32_t valueLength;
        uint32_t hash;
    };
    static uint32_t Hash(const char* key, size_t length);

    const char* body_ = nullptr;
    std::vector<Slot> slots_;
    size_t mask_ = 0;
    size_t lineCount_ = 0;
    bool usable_ = false;
};
