#include <algorithm>

#include "edit/shapes.h"
#include "model/grid.h"
#include "model/terrain.h"

namespace mapedit {

namespace {

bool hasStoneNeighbour(const Level& level, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (dx == 0 && dy == 0) continue;
            const int nx = x + dx, ny = y + dy;
            if (isEditableCell(nx, ny) && level.cell(nx, ny).terrain == kStone) return true;
        }
    }
    return false;
}

}  // namespace

// A level description stores maze stones as plain stone; an odd/odd stone
// with no stone around it is one of them. Odd/odd cells never neighbour each
// other, so the order of the conversions does not matter.
void markMazeStones(Level& level) {
    for (const MapPart& part : level.usedParts()) {
        if (!part.hasMapText()) continue;  // its cells are background
        const int y2 = std::min(part.y2, kMapHeight - 1);
        const int x2 = std::min(part.x2, kMapWidth - 1);
        for (int y = std::max(part.y1, 0) | 1; y <= y2; y += 2) {
            for (int x = std::max(part.x1, 1) | 1; x <= x2; x += 2) {
                if (level.cell(x, y).terrain == kStone && !hasStoneNeighbour(level, x, y)) {
                    level.setTerrain(x, y, kMazewalkStone);
                }
            }
        }
    }
}

}  // namespace mapedit
