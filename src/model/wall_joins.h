#pragma once

#include <array>
#include <cstdint>

#include "model/level.h"
#include "model/terrain.h"

namespace mapedit {

// The kinds whose kind and character follow from their neighbours: they are
// settled after editing rather than drawn as painted.
constexpr bool isStoneOrWall(int kind) {
    return kind == kStone || kind == kHorizontalWall || kind == kVerticalWall;
}

// The wall join characters, indexed by north 1, east 2, south 4, west 8.
extern const std::array<std::uint8_t, 16> wallJoinChars;

// The kind a wall takes from its joining neighbours, and its join character.
struct WallShape {
    int kind;         // 0 (no joining neighbour), 3 or 4
    std::uint8_t ch;  // join character
};
WallShape wallJoinShape(const Level& level, int x, int y);

// The joins that face open ground: a wall buried in solid rock shows none.
struct VisibleJoins {
    bool any;
    std::uint8_t ch;  // join character, or stone's glyph when none is shown
};
VisibleJoins visibleWallJoins(const Level& level, int x, int y);

}  // namespace mapedit
