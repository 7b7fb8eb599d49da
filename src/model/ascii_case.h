#pragma once

#include <cstddef>
#include <string_view>

namespace mapedit {

// Letter case by ASCII alone: texts compare the same whatever locale the
// process runs in, and bytes other than the 26 letters compare exactly.
constexpr char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i])) return false;
    }
    return true;
}

}  // namespace mapedit
