#include "model/wall_joins.h"

#include "model/grid.h"
#include "model/terrain.h"

namespace mapedit {

const std::array<std::uint8_t, 16> wallJoinChars = {
    0xC4, 0xB3, 0xC4, 0xC0,  // 0 none, 1 N, 2 E, 3 N+E
    0xB3, 0xB3, 0xDA, 0xC3,  // 4 S, 5 N+S, 6 E+S, 7 N+E+S
    0xC4, 0xD9, 0xC4, 0xC1,  // 8 W, 9 N+W, 10 E+W, 11 N+E+W
    0xBF, 0xB4, 0xC2, 0xC5,  // 12 S+W, 13 N+S+W, 14 E+S+W, all
};

namespace {

enum JoinMask : int { kNorth = 1, kEast = 2, kSouth = 4, kWest = 8 };

bool joinsAt(const Level& level, int x, int y) {
    return isEditableCell(x, y) && joinsWalls(level, x, y);
}

// Bit (row * 3 + column) of the 3 x 3 block around a cell.
constexpr int bit(int row, int column) {
    return 1 << (row * 3 + column);
}
constexpr int kNorthWest = bit(0, 0), kNorthBit = bit(0, 1), kNorthEast = bit(0, 2);
constexpr int kWestBit = bit(1, 0), kEastBit = bit(1, 2);
constexpr int kSouthWest = bit(2, 0), kSouthBit = bit(2, 1), kSouthEast = bit(2, 2);

// For each side: the side's own bit, the bits a solid block would fill
// beside it, and the join mask the side stands for.
struct SideRule {
    int sideBit;
    int flankBits;
    int mask;
};
constexpr SideRule kSideRules[] = {
    {kNorthBit, kNorthWest | kNorthEast | kWestBit | kEastBit, kNorth},
    {kWestBit, kNorthWest | kNorthBit | kSouthWest | kSouthBit, kWest},
    {kEastBit, kNorthBit | kNorthEast | kSouthBit | kSouthEast, kEast},
    {kSouthBit, kWestBit | kEastBit | kSouthWest | kSouthEast, kSouth},
};

}  // namespace

WallShape wallJoinShape(const Level& level, int x, int y) {
    const bool north = joinsAt(level, x, y - 1);
    const bool south = joinsAt(level, x, y + 1);
    const bool west = joinsAt(level, x - 1, y);
    const bool east = joinsAt(level, x + 1, y);
    const int mask =
        (north ? kNorth : 0) | (east ? kEast : 0) | (south ? kSouth : 0) | (west ? kWest : 0);
    if (mask == 0) return {0, wallJoinChars[0]};
    const int vertical = int{north} + int{south};
    const int horizontal = int{west} + int{east};
    const int kind = vertical > horizontal ? kVerticalWall : kHorizontalWall;
    return {kind, wallJoinChars[static_cast<std::size_t>(mask)]};
}

VisibleJoins visibleWallJoins(const Level& level, int x, int y) {
    int editable = 0;
    int joining = 0;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            if (row == 1 && column == 1) continue;
            const int nx = x + column - 1;
            const int ny = y + row - 1;
            if (!isEditableCell(nx, ny)) continue;
            editable |= bit(row, column);
            if (joinsWalls(level, nx, ny)) joining |= bit(row, column);
        }
    }
    const int open = editable ^ joining;
    int shown = 0;
    for (const SideRule& rule : kSideRules) {
        if ((joining & rule.sideBit) != 0 && (open & rule.flankBits) != 0) shown |= rule.mask;
    }
    if (shown == 0) return {false, terrainKinds[kStone].glyph};
    return {true, wallJoinChars[static_cast<std::size_t>(shown)]};
}

}  // namespace mapedit
