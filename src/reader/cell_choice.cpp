#include "reader/cell_choice.h"

#include <algorithm>

#include "model/grid.h"
#include "model/terrain.h"
#include "reader/messages.h"

namespace mapedit {

namespace {

constexpr int kRandomTries = 100;

// Any terrain will do: set when the part offers none of the kind wanted.
constexpr int kAnyTerrain = 1 << 30;

bool qualifies(const MapCell& cell, int conditions) {
    const TerrainKind& kind = terrainKind(cell.terrain);
    if ((conditions & kAnyTerrain) != 0) {
        // only the conditions on what stands there
    } else if ((conditions & kInWater) != 0) {
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

// The cells of a part on the grid.
struct PartCells {
    int x1, y1, x2, y2;
    template <class Test>
    bool any(const Level& level, Test test) const {
        for (int cy = y1; cy <= y2; ++cy) {
            for (int cx = x1; cx <= x2; ++cx) {
                if (test(level.cell(cx, cy))) return true;
            }
        }
        return false;
    }
};

// A part of nothing but water, air and cloud (the planes of water and air)
// where no cell has the terrain wanted: the game takes any cell there.
bool takesAnyCell(const ReaderState& s, const PartCells& cells, int conditions) {
    const int terrainOnly = conditions & (kInWater | kOnGround);
    const bool noneWanted =
        !cells.any(s.level, [terrainOnly](const MapCell& c) { return qualifies(c, terrainOnly); });
    return noneWanted && !cells.any(s.level, [](const MapCell& c) { return !isWaterOrAir(c); });
}

bool pickIn(ReaderState& s, const PartCells& c, int& x, int& y, int conditions) {
    for (int i = 0; i < kRandomTries; ++i) {
        const int cx = c.x1 + s.random.randomBelow(c.x2 - c.x1 + 1);
        const int cy = c.y1 + s.random.randomBelow(c.y2 - c.y1 + 1);
        if (qualifies(s.level.cell(cx, cy), conditions)) {
            x = cx;
            y = cy;
            return true;
        }
    }
    for (int cy = c.y1; cy <= c.y2; ++cy) {
        for (int cx = c.x1; cx <= c.x2; ++cx) {
            if (qualifies(s.level.cell(cx, cy), conditions)) {
                x = cx;
                y = cy;
                return true;
            }
        }
    }
    return false;
}

}  // namespace

bool pickRandomCell(ReaderState& s, int& x, int& y, int conditions) {
    const MapPart& part = s.part();
    // A part without cells (NOMAP, or ENDMAP right after MAP) has nothing to
    // offer; the draws below need a range of at least one.
    if (part.width <= 0 || part.height <= 0) return false;
    const PartCells cells{std::max(part.x1, 0), std::max(part.y1, 0),
                          std::min(part.x2, kMapWidth - 1), std::min(part.y2, kMapHeight - 1)};
    if (cells.x2 < cells.x1 || cells.y2 < cells.y1) return false;
    if (pickIn(s, cells, x, y, conditions)) return true;
    const int anyTerrain = (conditions & ~(kInWater | kOnGround)) | kAnyTerrain;
    return takesAnyCell(s, cells, conditions) && pickIn(s, cells, x, y, anyTerrain);
}

void randomPlaceCell(const ReaderState& s, int n, int& x, int& y) {
    if (n < 0 || n >= kMaxListEntries) {
        x = 0;
        y = 0;
        return;
    }
    const RandomPlace& place = s.level.settings.randomPlaces[static_cast<std::size_t>(n)];
    x = place.x;
    y = place.y;
}

bool checkOnGrid(ReaderState& s, int x, int y) {
    if (isOnGrid(x, y)) return true;
    s.message = msg::kInvalidLocation;
    return false;
}

}  // namespace mapedit
