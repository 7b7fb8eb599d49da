#include "save/line_diff.h"

#include <algorithm>

namespace mapedit {

namespace {

// The hunks of the middle stretch, from a table of the longest common
// subsequence of every pair of suffixes.
void diffMiddle(std::span<const std::string_view> a, std::span<const std::string_view> b,
                std::size_t oldAt, std::size_t newAt, std::vector<DiffHunk>& hunks) {
    const std::size_t n = a.size(), m = b.size();
    std::vector<std::size_t> common((n + 1) * (m + 1), 0);
    auto at = [&](std::size_t i, std::size_t j) -> std::size_t& { return common[i * (m + 1) + j]; };
    for (std::size_t i = n; i-- > 0;) {
        for (std::size_t j = m; j-- > 0;) {
            at(i, j) = a[i] == b[j] ? at(i + 1, j + 1) + 1 : std::max(at(i + 1, j), at(i, j + 1));
        }
    }
    std::size_t i = 0, j = 0;
    while (i < n || j < m) {
        DiffHunk h;
        h.oldBegin = oldAt + i;
        h.newBegin = newAt + j;
        if (i < n && j < m && a[i] == b[j]) {
            h.same = true;
            while (i < n && j < m && a[i] == b[j]) ++i, ++j;
        } else {
            // Take lines out or in along a longest common subsequence until
            // two lines match: a match always lies on one.
            while ((i < n || j < m) && !(i < n && j < m && a[i] == b[j])) {
                if (j == m || (i < n && at(i + 1, j) >= at(i, j + 1))) {
                    ++i;
                } else {
                    ++j;
                }
            }
        }
        h.oldEnd = oldAt + i;
        h.newEnd = newAt + j;
        hunks.push_back(h);
    }
}

}  // namespace

std::vector<DiffHunk> diffLines(std::span<const std::string_view> before,
                                std::span<const std::string_view> after) {
    std::size_t head = 0;
    while (head < before.size() && head < after.size() && before[head] == after[head]) ++head;
    std::size_t tail = 0;
    while (tail < before.size() - head && tail < after.size() - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) {
        ++tail;
    }
    std::vector<DiffHunk> hunks;
    if (head > 0) hunks.push_back({true, 0, head, 0, head});
    diffMiddle(before.subspan(head, before.size() - head - tail),
               after.subspan(head, after.size() - head - tail), head, head, hunks);
    if (tail > 0) {
        hunks.push_back(
            {true, before.size() - tail, before.size(), after.size() - tail, after.size()});
    }
    return hunks;
}

}  // namespace mapedit
