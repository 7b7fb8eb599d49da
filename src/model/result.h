#pragma once

#include <cassert>
#include <concepts>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>

namespace mapedit {

// The error side of a Result, as std::unexpected is for std::expected:
//     return Failure{"Cannot open " + path};
template <class E>
struct Failure {
    E error;
};
template <class E>
Failure(E) -> Failure<E>;

// Thrown by value() of a Result that holds an error. A text error is the
// exception's text, so that a test that trips over one says why.
class BadResultAccess : public std::logic_error {
  public:
    using std::logic_error::logic_error;
};

namespace result_detail {

template <class>
inline constexpr bool isFailure = false;
template <class E>
inline constexpr bool isFailure<Failure<E>> = true;

// What makes the value of a Result<T>: whatever T is made from, but not
// a Failure or the Result itself.
template <class U, class T, class Self>
concept ValueOf = !std::same_as<std::remove_cvref_t<U>, Self> &&
                  !isFailure<std::remove_cvref_t<U>> && std::constructible_from<T, U>;

template <class E>
[[noreturn]] void throwBadAccess(const E& error) {
    if constexpr (std::is_convertible_v<const E&, std::string_view>) {
        throw BadResultAccess(std::string(std::string_view(error)));
    } else {
        throw BadResultAccess("value() of a Result that holds an error");
    }
}

}  // namespace result_detail

// A value, or the error that stopped the operation from making one: what
// std::expected is in C++23, as far as this program needs it. operator*,
// operator-> and error() are unchecked (asserted in debug builds); value()
// throws BadResultAccess on an error.
template <class T, class E = std::string>
class [[nodiscard]] Result {
    static_assert(!std::is_reference_v<T> && !std::is_reference_v<E>);
    static_assert(!result_detail::isFailure<std::remove_cv_t<T>>);

  public:
    using value_type = T;
    using error_type = E;

    constexpr Result() requires std::default_initializable<T> : v_(std::in_place_index<0>) {}

    template <class U = T>
    requires result_detail::ValueOf<U, T, Result>
    constexpr explicit(!std::convertible_to<U, T>) Result(U&& got)
        : v_(std::in_place_index<0>, std::forward<U>(got)) {}

    template <class G>
    requires std::constructible_from<E, const G&>
    constexpr explicit(!std::convertible_to<const G&, E>) Result(const Failure<G>& failure)
        : v_(std::in_place_index<1>, failure.error) {}

    template <class G>
    requires std::constructible_from<E, G>
    constexpr explicit(!std::convertible_to<G, E>) Result(Failure<G>&& failure)
        : v_(std::in_place_index<1>, std::move(failure.error)) {}

    constexpr bool has_value() const noexcept { return v_.index() == 0; }
    constexpr explicit operator bool() const noexcept { return has_value(); }

    constexpr T& value() & {
        if (!has_value()) result_detail::throwBadAccess(error());
        return **this;
    }
    constexpr const T& value() const& {
        if (!has_value()) result_detail::throwBadAccess(error());
        return **this;
    }
    constexpr T&& value() && { return std::move(value()); }

    constexpr T& operator*() & noexcept {
        assert(has_value());
        return *std::get_if<0>(&v_);
    }
    constexpr const T& operator*() const& noexcept {
        assert(has_value());
        return *std::get_if<0>(&v_);
    }
    constexpr T&& operator*() && noexcept { return std::move(**this); }
    constexpr T* operator->() noexcept { return &**this; }
    constexpr const T* operator->() const noexcept { return &**this; }

    constexpr E& error() & noexcept {
        assert(!has_value());
        return *std::get_if<1>(&v_);
    }
    constexpr const E& error() const& noexcept {
        assert(!has_value());
        return *std::get_if<1>(&v_);
    }
    constexpr E&& error() && noexcept { return std::move(error()); }

    template <class U>
    constexpr T value_or(U&& fallback) const& {
        return has_value() ? **this : static_cast<T>(std::forward<U>(fallback));
    }
    template <class U>
    constexpr T value_or(U&& fallback) && {
        return has_value() ? std::move(**this) : static_cast<T>(std::forward<U>(fallback));
    }
    template <class G>
    constexpr E error_or(G&& fallback) const& {
        return has_value() ? static_cast<E>(std::forward<G>(fallback)) : error();
    }
    template <class G>
    constexpr E error_or(G&& fallback) && {
        return has_value() ? static_cast<E>(std::forward<G>(fallback)) : std::move(error());
    }

  private:
    std::variant<T, E> v_;  // by index: T and E may be the same type
};

// An operation that gives nothing back but may fail; `return {};` succeeds.
template <class E>
class [[nodiscard]] Result<void, E> {
    static_assert(!std::is_reference_v<E>);

  public:
    using value_type = void;
    using error_type = E;

    constexpr Result() noexcept = default;

    template <class G>
    requires std::constructible_from<E, const G&>
    constexpr explicit(!std::convertible_to<const G&, E>) Result(const Failure<G>& failure)
        : error_(std::in_place, failure.error) {}

    template <class G>
    requires std::constructible_from<E, G>
    constexpr explicit(!std::convertible_to<G, E>) Result(Failure<G>&& failure)
        : error_(std::in_place, std::move(failure.error)) {}

    constexpr bool has_value() const noexcept { return !error_.has_value(); }
    constexpr explicit operator bool() const noexcept { return has_value(); }

    constexpr void value() const {
        if (!has_value()) result_detail::throwBadAccess(*error_);
    }
    constexpr void operator*() const noexcept { assert(has_value()); }

    constexpr E& error() & noexcept {
        assert(!has_value());
        return *error_;
    }
    constexpr const E& error() const& noexcept {
        assert(!has_value());
        return *error_;
    }
    constexpr E&& error() && noexcept { return std::move(error()); }

    template <class G>
    constexpr E error_or(G&& fallback) const& {
        return has_value() ? static_cast<E>(std::forward<G>(fallback)) : error();
    }
    template <class G>
    constexpr E error_or(G&& fallback) && {
        return has_value() ? static_cast<E>(std::forward<G>(fallback)) : std::move(error());
    }

  private:
    std::optional<E> error_;
};

// What an operation without a value answers: nothing, or why it failed.
using Status = Result<void>;

}  // namespace mapedit
