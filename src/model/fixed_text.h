#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

namespace mapedit {

// A zero-terminated 8-bit text of at most N - 1 bytes, kept inline in its
// record so that the byte limits of the level format hold everywhere.
template <std::size_t N>
struct FixedText {
    char bytes[N]{};

    static constexpr std::size_t capacity() { return N - 1; }

    // Copies at most N - 1 bytes; a longer text is cut.
    void assign(std::string_view text) {
        std::size_t n = text.size() < N - 1 ? text.size() : N - 1;
        // An empty view may carry no pointer at all, which memcpy must not get.
        if (n != 0) std::memcpy(bytes, text.data(), n);
        std::memset(bytes + n, 0, N - n);
    }
    void clear() { std::memset(bytes, 0, N); }
    std::string_view view() const { return std::string_view(bytes, ::strnlen(bytes, N - 1)); }
    const char* c_str() const { return bytes; }
    bool empty() const { return bytes[0] == 0; }
    std::size_t size() const { return view().size(); }

    friend bool operator==(const FixedText& a, const FixedText& b) { return a.view() == b.view(); }
};

}  // namespace mapedit
