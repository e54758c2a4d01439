#pragma once
#include <cstddef>
#include <cstdint>
#include <list>
#include <memory>
#include <vector>

class Sim;

/// An ordered list of Sims. An owning list (the registry's all-Sims list)
/// deletes a Sim when its node is removed and all of them when it is cleared
/// or destroyed; a referring list (a family's members) never deletes. Finding
/// and removing a node by its Sim take constant time, whatever the length.
class MyList {
public:
    enum class Ownership { Refers, Owns };

    explicit MyList(Ownership ownership = Ownership::Refers);
    ~MyList();
    MyList(const MyList&) = delete;
    MyList& operator=(const MyList&) = delete;

    bool OwnsContents() const { return owns_; }
    size_t Count() const { return nodes_.size(); }
    bool IsEmpty() const { return nodes_.empty(); }
    bool Contains(const Sim* sim) const { return Find(sim) != nodes_.end(); }

    /// Appends a Sim the list does not own (referring lists). A Sim already
    /// in the list, or nullptr, is refused.
    bool Append(Sim* sim);
    /// Appends a Sim and takes ownership (owning lists). Returns the Sim;
    /// nullptr when refused (then the Sim is deleted).
    Sim* AppendOwned(std::unique_ptr<Sim> sim);
    /// Removes the Sim's node; an owning list deletes the Sim. False when the
    /// Sim is not in the list.
    bool Remove(Sim* sim);
    /// Removes the Sim's node without deleting it and hands it over; an empty
    /// pointer when the Sim is not here or the list does not own it.
    std::unique_ptr<Sim> Release(Sim* sim);
    /// Empties the list (an owning list deletes every Sim).
    void Clear();

    Sim* Front() const { return nodes_.empty() ? nullptr : nodes_.front(); }
    /// The Sim at a position (a walk from the front: meant for the short
    /// member lists of families, e.g. a list box selection); nullptr outside.
    Sim* At(int index) const;
    /// The Sim after the given one in list order, or nullptr.
    Sim* Next(const Sim* sim) const;

    using const_iterator = std::list<Sim*>::const_iterator;
    const_iterator begin() const { return nodes_.begin(); }
    const_iterator end() const { return nodes_.end(); }

private:
    using Node = std::list<Sim*>::iterator;
    // Short lists (a family's members) are searched by a walk; from
    // kIndexFrom nodes on, an open-addressing table (linear probing, at most
    // half full) maps each Sim to its node.
    static constexpr size_t kIndexFrom = 16;
    struct Slot {
        const Sim* sim;  // nullptr: free
        Node node;
    };
    Node Find(const Sim* sim) const;
    void Link(Sim* sim);
    void Unlink(Node node);
    size_t Home(const Sim* sim) const;
    void IndexNode(Node node);
    void RebuildIndex();

    bool owns_;
    mutable std::list<Sim*> nodes_;
    std::vector<Slot> slots_;
    int shift_ = 64;
};
