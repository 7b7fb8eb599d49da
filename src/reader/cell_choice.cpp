#include "reader/cell_choice.h"

#include <algorithm>

#include "model/grid.h"
#include "model/terrain.h"
#include "reader/messages.h"

namespace mapedit {

namespace {

constexpr int kRandomTries = 100;

bool qualifies(const MapCell& cell, int conditions) {
    const TerrainKind& kind = terrainKind(cell.terrain);
    if ((conditions & kInWater) != 0) {
        if (!isRandomWater(cell)) return false;
    } else if ((kind.flags & kWalkable) == 0) {
        return false;
    }
    if ((conditions & kNoMonster) != 0 && cell.monster) return false;
    if ((conditions & kNoObject) != 0 && !cell.objects.empty()) return false;
    if ((conditions & kNoTrap) != 0 && cell.trap) return false;
    if ((conditions & kNotFeature) != 0 && (kind.flags & kFeature) != 0) return false;
    if ((conditions & kOnGround) != 0 && !isRandomGround(cell)) return false;
    return true;
}

}  // namespace

bool pickRandomCell(ReaderState& s, int& x, int& y, int conditions) {
    const MapPart& part = s.part();
    // A part without cells (NOMAP, or ENDMAP right after MAP) has nothing to
    // offer; the draws below need a range of at least one.
    if (part.width <= 0 || part.height <= 0) return false;
    const int x1 = std::max(part.x1, 0);
    const int y1 = std::max(part.y1, 0);
    const int x2 = std::min(part.x2, kMapWidth - 1);
    const int y2 = std::min(part.y2, kMapHeight - 1);
    if (x2 < x1 || y2 < y1) return false;

    for (int i = 0; i < kRandomTries; ++i) {
        const int cx = x1 + s.random.randomBelow(x2 - x1 + 1);
        const int cy = y1 + s.random.randomBelow(y2 - y1 + 1);
        if (qualifies(s.level.cell(cx, cy), conditions)) {
            x = cx;
            y = cy;
            return true;
        }
    }
    for (int cy = y1; cy <= y2; ++cy) {
        for (int cx = x1; cx <= x2; ++cx) {
            if (qualifies(s.level.cell(cx, cy), conditions)) {
                x = cx;
                y = cy;
                return true;
            }
        }
    }
    return false;
}

void randomPlaceCell(const ReaderState& s, int n, int& x, int& y) {
    if (n < 0 || n >= kMaxListEntries) {
        x = 0;
        y = 0;
        return;
    }
    const auto i = static_cast<std::size_t>(n);
    x = s.level.settings.randomPlaceX[i];
    y = s.level.settings.randomPlaceY[i];
}

bool checkOnGrid(ReaderState& s, int x, int y) {
    if (isOnGrid(x, y)) return true;
    s.message = msg::kInvalidLocation;
    return false;
}

}  // namespace mapedit
