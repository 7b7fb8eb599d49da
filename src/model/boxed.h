#pragma once

#include <memory>
#include <optional>
#include <utility>

namespace mapedit {

// One record or none, like std::optional, but kept on the heap: most cells
// hold no monster or trap, and an empty slot then costs a pointer instead
// of the record's size in every cell of every level the edit history
// keeps. A copy has a record of its own; two slots are equal when both are
// empty or their records are.
template <class T>
class Boxed {
  public:
    Boxed() = default;
    Boxed(std::nullopt_t) {}
    Boxed(const T& record) : record_(std::make_unique<T>(record)) {}
    Boxed(const Boxed& other) : record_(other ? std::make_unique<T>(*other) : nullptr) {}
    Boxed& operator=(const Boxed& other) {
        if (this != &other) *this = Boxed(other);
        return *this;
    }
    Boxed(Boxed&&) noexcept = default;
    Boxed& operator=(Boxed&&) noexcept = default;
    ~Boxed() = default;

    friend bool operator==(const Boxed& a, const Boxed& b) {
        return a && b ? *a == *b : a.has_value() == b.has_value();
    }

    bool has_value() const { return record_ != nullptr; }
    explicit operator bool() const { return has_value(); }
    T& operator*() { return *record_; }
    const T& operator*() const { return *record_; }
    T* operator->() { return record_.get(); }
    const T* operator->() const { return record_.get(); }

    template <class... Args>
    T& emplace(Args&&... args) {
        record_ = std::make_unique<T>(std::forward<Args>(args)...);
        return *record_;
    }
    void reset() { record_.reset(); }

  private:
    std::unique_ptr<T> record_;
};

}  // namespace mapedit
