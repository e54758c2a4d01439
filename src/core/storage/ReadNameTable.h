#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

/// The full names of the Sims one read registered, with their ids, kept
/// apart from the Sims: resolving a file's references through the registry
/// reads every named Sim and its family, scattered over the whole heap,
/// while this table keeps the names packed together in the order they were
/// read. It answers as the registry's name lookup does only while the read's
/// Sims are all the registry holds, so the reader uses it only then.
class ReadNameTable {
public:
    /// Records a Sim registered by the read, in registration order.
    void Add(std::string_view firstName, std::string_view lastName, int32_t id);
    /// Builds the lookup table; Add must not be called afterwards.
    void Seal();
    /// False when a name was too long to file, so that the table cannot
    /// answer for every Sim.
    bool Usable() const { return usable_; }
    /// The id of the first Sim added under exactly this full name, or -1.
    /// `hash` is SimRegistry::FullNameHash(fullName).
    int32_t Find(std::string_view fullName, uint64_t hash) const;
    /// Starts fetching the slot a lookup of this hash begins at, and the name
    /// filed there (whose slot should already have been fetched).
    void PrefetchSlot(uint64_t hash) const;
    void PrefetchName(uint64_t hash) const;

private:
    struct Entry {
        uint64_t hash;
        size_t offset;  // into names_; the text is "first last"
        uint32_t length;
        int32_t id;
    };
    const Entry& Home(uint64_t hash) const { return slots_[hash & (slots_.size() - 1)]; }

    std::string names_;
    std::vector<Entry> entries_;  // in registration order until sealed
    std::vector<Entry> slots_;    // open addressing, at most half full; length 0: free
    bool usable_ = true;
};
