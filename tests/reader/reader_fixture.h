#pragma once

// Helpers for the scanner, driver and level statement tests.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "generate/random.h"
#include "model/level.h"
#include "model/terrain.h"
#include "read_fresh.h"
#include "reader/reader.h"
#include "reader/scanner.h"

namespace mapedit::reader_test {

constexpr std::uint32_t kFixedSeed = test::kReadSeed;

// A reader state over a text of its own, with map part 0 at (10, 5)-(14, 7)
// current so that relative coordinates move by (10, 5).
struct Scan {
    explicit Scan(std::string t) : text(std::move(t)), s(text, level, random, Variant::Vanilla) {
        level.mapParts[0] = MapPart{.width = 5, .height = 3, .x1 = 10, .y1 = 5, .x2 = 14, .y2 = 7};
        s.currentPart = 0;
        s.message = kSentinel;
    }

    static constexpr const char* kSentinel = "(untouched)";

    std::string text;
    Level level;
    Random random{kFixedSeed};
    ReaderState s;
};

using test::readFresh;

// Line 1 of every test level.
inline const std::string kMazeLine = "MAZE: \"test\", ' '\n";
// Lines 2-7: one 3 x 3 part placed left and top at (3, 3)-(5, 5). Statements
// after it start on line 8.
inline const std::string kClosetPart = "GEOMETRY: left, top\nMAP\n---\n|.|\n---\nENDMAP\n";
inline const std::string kCloset = kMazeLine + kClosetPart;
constexpr int kClosetX = 3, kClosetY = 3;

}  // namespace mapedit::reader_test
