#pragma once
#include <memory>
#include <vector>

#include "careers/CareerDefinition.h"

/// The careers in the order they were read. The list owns them; definitions
/// keep their address for the life of the list, so Sims may refer to them.
class CareerList {
public:
    /// Appends a definition and returns it; a missing one is ignored (nullptr).
    CareerDefinition* Append(std::unique_ptr<CareerDefinition> definition);
    size_t Count() const { return items_.size(); }
    bool IsEmpty() const { return items_.empty(); }
    /// Entry i, or nullptr outside 0..Count()-1.
    const CareerDefinition* At(int i) const;
    CareerDefinition* At(int i);
    /// The first career in list order whose enumValue equals the code.
    const CareerDefinition* FindByEnum(int32_t code) const;
    void Clear() { items_.clear(); }

    class const_iterator {
    public:
        using Inner = std::vector<std::unique_ptr<CareerDefinition>>::const_iterator;
        explicit const_iterator(Inner it) : it_(it) {}
        const CareerDefinition* operator*() const { return it_->get(); }
        const_iterator& operator++() { ++it_; return *this; }
        bool operator==(const const_iterator& o) const { return it_ == o.it_; }
        bool operator!=(const const_iterator& o) const { return it_ != o.it_; }
    private:
        Inner it_;
    };
    const_iterator begin() const { return const_iterator(items_.begin()); }
    const_iterator end() const { return const_iterator(items_.end()); }

private:
    std::vector<std::unique_ptr<CareerDefinition>> items_;
};
