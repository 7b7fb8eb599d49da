#pragma once

#include <charconv>
#include <optional>
#include <string_view>

namespace mapedit {

// The number a whole text spells (digits, a minus sign first for a signed
// type; no blanks), or nothing when the text holds anything else or the
// number does not fit in T.
template <typename T>
std::optional<T> wholeNumber(std::string_view text) {
    T value{};
    const char* end = text.data() + text.size();
    const auto [stop, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc{} || stop != end) return std::nullopt;
    return value;
}

// The same, and nothing unless min <= number <= max.
template <typename T>
std::optional<T> wholeNumber(std::string_view text, T min, T max) {
    const std::optional<T> value = wholeNumber<T>(text);
    if (!value || *value < min || *value > max) return std::nullopt;
    return value;
}

}  // namespace mapedit
