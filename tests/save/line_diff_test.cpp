#include "save/line_diff.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace mapedit {
namespace {

std::vector<std::string_view> linesOf(std::string_view letters) {
    std::vector<std::string_view> lines;
    for (std::size_t i = 0; i < letters.size(); ++i) lines.push_back(letters.substr(i, 1));
    return lines;
}

// The hunks written as "=2" (two alike) or "-1+2" (one out, two in).
std::string shape(const std::vector<DiffHunk>& hunks) {
    std::string out;
    for (const DiffHunk& h : hunks) {
        if (h.same) {
            out += "=" + std::to_string(h.oldEnd - h.oldBegin);
            continue;
        }
        if (h.oldEnd > h.oldBegin) out += "-" + std::to_string(h.oldEnd - h.oldBegin);
        if (h.newEnd > h.newBegin) out += "+" + std::to_string(h.newEnd - h.newBegin);
    }
    return out;
}

// Each letter stands for a line.
TEST(LineDiff, HunksFollowALongestCommonSubsequence) {
    struct Case {
        std::string_view before, after, hunks;
    };
    const Case cases[] = {
        {"", "", ""},
        {"abc", "abc", "=3"},
        {"", "ab", "+2"},
        {"ab", "", "-2"},
        {"abc", "abxc", "=2+1=1"},
        {"abxc", "abc", "=2-1=1"},
        {"abc", "aYc", "=1-1+1=1"},
        {"abcdef", "abXdeY", "=2-1+1=2-1+1"},
        {"aab", "ab", "=1-1=1"},
        {"abcabc", "cabca", "-2=4+1"},
        {"xyz", "abc", "-3+3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.before) + " -> " + std::string(c.after));
        const auto before = linesOf(c.before);
        const auto after = linesOf(c.after);
        const std::vector<DiffHunk> hunks = diffLines(before, after);
        EXPECT_EQ(shape(hunks), c.hunks);
        // The hunks cover both sequences in order, and alike means alike.
        std::size_t oldAt = 0, newAt = 0;
        for (const DiffHunk& h : hunks) {
            EXPECT_EQ(h.oldBegin, oldAt);
            EXPECT_EQ(h.newBegin, newAt);
            if (h.same) {
                ASSERT_EQ(h.oldEnd - h.oldBegin, h.newEnd - h.newBegin);
                for (std::size_t k = 0; k < h.oldEnd - h.oldBegin; ++k) {
                    EXPECT_EQ(before[h.oldBegin + k], after[h.newBegin + k]);
                }
            }
            oldAt = h.oldEnd;
            newAt = h.newEnd;
        }
        EXPECT_EQ(oldAt, before.size());
        EXPECT_EQ(newAt, after.size());
    }
}

}  // namespace
}  // namespace mapedit
