#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <vector>

namespace mapedit {

// A list of records that each keep their address while the list is
// re-sorted, grown or shrunk, so that the editor may hold on to one; yet the
// list is a value: a copy has records of its own, and two lists are equal
// when their records are, in order. No slot is ever null.
template <class T>
class StableList {
  public:
    using Slot = std::unique_ptr<T>;
    using iterator = typename std::vector<Slot>::iterator;
    using const_iterator = typename std::vector<Slot>::const_iterator;
    using const_reverse_iterator = typename std::vector<Slot>::const_reverse_iterator;

    StableList() = default;
    StableList(const StableList& other) {
        slots_.reserve(other.slots_.size());
        for (const Slot& slot : other.slots_) slots_.push_back(std::make_unique<T>(*slot));
    }
    StableList& operator=(const StableList& other) {
        if (this != &other) *this = StableList(other);
        return *this;
    }
    StableList(StableList&&) noexcept = default;
    StableList& operator=(StableList&&) noexcept = default;
    ~StableList() = default;

    friend bool operator==(const StableList& a, const StableList& b) {
        return std::equal(a.slots_.begin(), a.slots_.end(), b.slots_.begin(), b.slots_.end(),
                          [](const Slot& x, const Slot& y) { return *x == *y; });
    }

    iterator begin() { return slots_.begin(); }
    iterator end() { return slots_.end(); }
    const_iterator begin() const { return slots_.begin(); }
    const_iterator end() const { return slots_.end(); }
    const_reverse_iterator rbegin() const { return slots_.rbegin(); }
    const_reverse_iterator rend() const { return slots_.rend(); }
    std::size_t size() const { return slots_.size(); }
    bool empty() const { return slots_.empty(); }
    const Slot& front() const { return slots_.front(); }
    const Slot& back() const { return slots_.back(); }
    const Slot& operator[](std::size_t i) const { return slots_[i]; }

    // `slot` must hold a record.
    iterator insert(const_iterator at, Slot slot) { return slots_.insert(at, std::move(slot)); }
    iterator erase(const_iterator at) { return slots_.erase(at); }
    void clear() { slots_.clear(); }

  private:
    std::vector<Slot> slots_;
};

}  // namespace mapedit
