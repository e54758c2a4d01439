#pragma once
#include <cstddef>
#include <iterator>
#include <memory>
#include <vector>

/// Walks an array whose removed entries are left as empty pointers (the Sim
/// and family lists), yielding the entries' plain pointers and skipping the
/// gaps. It holds a position, not an address, so entries appended during a
/// walk do not invalidate it, and the end is decided by the length at the
/// time of the comparison, so the walk reaches them.
template <typename Entry, typename Pointer>
class GapIterator {
public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = Pointer;
    using difference_type = std::ptrdiff_t;
    using pointer = const Pointer*;
    using reference = Pointer;

    static constexpr size_t kEnd = ~size_t{0};

    GapIterator(const std::vector<Entry>* items, size_t pos) : items_(items), pos_(pos) { Skip(); }
    Pointer operator*() const { return std::to_address((*items_)[pos_]); }
    GapIterator& operator++() {
        ++pos_;
        Skip();
        return *this;
    }
    bool operator==(const GapIterator& o) const {
        const bool atEnd = pos_ >= items_->size();
        return atEnd == (o.pos_ >= o.items_->size()) && (atEnd || pos_ == o.pos_);
    }
    bool operator!=(const GapIterator& o) const { return !(*this == o); }

private:
    void Skip() {
        while (pos_ < items_->size() && !(*items_)[pos_]) ++pos_;
    }
    const std::vector<Entry>* items_;
    size_t pos_;
};
