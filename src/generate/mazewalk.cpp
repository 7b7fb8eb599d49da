#include "generate/mazewalk.h"

#include <array>

#include "model/terrain.h"

namespace mapedit {

namespace {

// (dx, dy) of directions 0 north, 1 east, 2 south, 3 west.
constexpr std::array<std::array<int, 2>, 4> kSteps = {{{0, -1}, {1, 0}, {0, 1}, {-1, 0}}};

// Any other direction leaves the position where it is.
void step(int& x, int& y, int d) {
    if (d < 0 || d > 3) return;
    x += kSteps[static_cast<std::size_t>(d)][0];
    y += kSteps[static_cast<std::size_t>(d)][1];
}

// Carving stays within columns 3..78 and rows 3..20.
constexpr int kFirstCarvable = 3;

bool isCarvable(const Level& level, int x, int y) {
    if (x < kFirstCarvable || x > kMapWidth - 2 || y < kFirstCarvable || y >= kMapHeight) {
        return false;
    }
    const MapCell& c = level.cell(x, y);
    return c.terrain == kStone && c.detail == 0;
}

bool isCarvableTwoAway(const Level& level, int x, int y, int d) {
    step(x, y, d);
    step(x, y, d);
    return isCarvable(level, x, y);
}

// Markers near the edge can move the start off the map; nothing is dug
// there.
void dig(Level& level, int x, int y) {
    if (isOnGrid(x, y)) level.setTerrain(x, y, kFloor);
}

}  // namespace

void walkFrom(Level& level, Random& random, int x, int y) {
    // No visited set: dug cells are floor and thereby no longer carvable,
    // which also bounds the recursion by the number of carvable cells.
    dig(level, x, y);
    for (;;) {
        std::array<int, 4> open{};
        int count = 0;
        for (int d = 0; d < 4; ++d) {
            if (isCarvableTwoAway(level, x, y, d)) open[static_cast<std::size_t>(count++)] = d;
        }
        if (count == 0) return;
        const int d = open[static_cast<std::size_t>(random.randomBelow(count))];
        step(x, y, d);
        dig(level, x, y);
        step(x, y, d);
        walkFrom(level, random, x, y);
    }
}

void startMazewalk(Level& level, Random& random, int x, int y, int d) {
    if (x % 2 == 0) {
        x += d == 1 ? 1 : -1;
        dig(level, x, y);
    }
    if (y % 2 == 0) y += d == 2 ? 1 : -1;
    if (!isCarvableTwoAway(level, x, y, d)) return;
    step(x, y, d);
    dig(level, x, y);
    step(x, y, d);
    walkFrom(level, random, x, y);
}

}  // namespace mapedit
