#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace mapedit {

// A stretch of two sequences of lines: alike in both, or changed (lines
// of the old that went, lines of the new that came).
struct DiffHunk {
    bool same = false;
    std::size_t oldBegin = 0, oldEnd = 0;
    std::size_t newBegin = 0, newEnd = 0;

    bool operator==(const DiffHunk&) const = default;
};

// The hunks that turn `before` into `after`, in order, along a longest
// common subsequence; a stretch alike at either end costs nothing.
std::vector<DiffHunk> diffLines(std::span<const std::string_view> before,
                                std::span<const std::string_view> after);

}  // namespace mapedit
