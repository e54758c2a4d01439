#pragma once
#include <cstddef>
#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <unordered_map>

class Family;

/// The households in their list order. The list owns its families; removing a
/// node deletes the family. Finding and removing a family take constant time.
class FamilyList {
public:
    FamilyList() = default;
    ~FamilyList();
    FamilyList(const FamilyList&) = delete;
    FamilyList& operator=(const FamilyList&) = delete;

    /// Appends and takes ownership; nullptr (ignored) for a missing family.
    Family* Append(std::unique_ptr<Family> family);
    /// Removes and deletes the family; false when it is not in the list.
    bool Remove(Family* family);
    /// Removes the family without deleting it and hands it over.
    std::unique_ptr<Family> Release(Family* family);
    bool Contains(const Family* family) const { return where_.count(family) != 0; }
    void Clear();
    size_t Count() const { return nodes_.size(); }
    bool IsEmpty() const { return nodes_.empty(); }
    Family* Front() const;
    /// The first family with exactly this name, or nullptr.
    Family* FindByName(const std::string& name) const;
    /// The family with this id, or nullptr.
    Family* FindById(int32_t id) const;
    /// Sorts by name without regard to case (stable).
    void SortByName();

    class const_iterator {
    public:
        using Inner = std::list<std::unique_ptr<Family>>::const_iterator;
        explicit const_iterator(Inner it) : it_(it) {}
        Family* operator*() const { return it_->get(); }
        const_iterator& operator++() { ++it_; return *this; }
        bool operator==(const const_iterator& o) const { return it_ == o.it_; }
        bool operator!=(const const_iterator& o) const { return it_ != o.it_; }
    private:
        Inner it_;
    };
    const_iterator begin() const { return const_iterator(nodes_.begin()); }
    const_iterator end() const { return const_iterator(nodes_.end()); }

private:
    std::list<std::unique_ptr<Family>> nodes_;
    std::unordered_map<const Family*, std::list<std::unique_ptr<Family>>::iterator> where_;
};
