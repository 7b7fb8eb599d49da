#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "model/level.h"

namespace mapedit {

// A map row leaves the level's first and last column free.
constexpr int kMapTextWidth = kMapWidth - 2;

// The map text of a MAP statement as written, before it is placed; rows
// shorter than the map hold blanks after their end.
struct MapText {
    std::array<std::array<unsigned char, kMapTextWidth>, kMapHeight> rows;
    int width = 0, height = 0;

    MapText() { clear(); }
    void clear();
    unsigned char at(int column, int row) const {
        return rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    }
    unsigned char& at(int column, int row) {
        return rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    }
};

// A blank of the map text that WALLIFY turned into a wall.
struct WallifiedCell {
    int column, row;
    unsigned char wall;  // '-' or '|'
};

// Turns every blank next to open ground (among its eight neighbours inside
// the text) into a wall: horizontal when the first such neighbour, rows
// above to below and each left to right, lies in another row, vertical
// otherwise. Returns the blanks it changed.
std::vector<WallifiedCell> wallify(MapText& text);

}  // namespace mapedit
