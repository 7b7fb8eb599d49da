// Joining the pieces of a cave: region marking by flood fill, and corridors
// between the regions.
#include <algorithm>
#include <cstdlib>

#include "generate/cave.h"

namespace mapedit {

namespace {

constexpr int kMinRegionCells = 4;
constexpr int kRandomCellTries = 100;
constexpr int kMaxCorridorSteps = 500;

// Bookkeeping of the region being filled.
struct Flood {
    int minX, minY, maxX, maxY;
    int count = 0;
};

void floodFill(BackgroundGrid& grid, int sx, int sy, std::int8_t r, Flood& flood);

// Continues the fill into row ny from the run sx..nx-1 of the row above or
// below; diagonal neighbours of the run count as connected.
void floodRow(BackgroundGrid& grid, int sx, int nx, int ny, std::uint8_t f, std::int8_t r,
              Flood& flood) {
    if (!isEditableCell(sx, ny)) return;
    const auto open = [&](int x) { return grid.symbol(x, ny) == f && grid.mark(x, ny) != r; };
    for (int i = sx; i < nx; ++i) {
        if (grid.symbol(i, ny) == f) {
            if (grid.mark(i, ny) != r) floodFill(grid, i, ny, r, flood);
            continue;
        }
        if ((i > sx || isEditableCell(i - 1, ny)) && open(i - 1)) {
            floodFill(grid, i - 1, ny, r, flood);
        }
        if ((i < nx - 1 || isEditableCell(i + 1, ny)) && open(i + 1)) {
            floodFill(grid, i + 1, ny, r, flood);
        }
    }
}

// Scan-line fill of the symbol at (sx, sy). Every call that recurses marks
// at least one new cell, so the depth stays below the number of cells.
void floodFill(BackgroundGrid& grid, int sx, int sy, std::int8_t r, Flood& flood) {
    const std::uint8_t f = grid.symbol(sx, sy);
    while (sx >= kEditableCells.x1 && grid.symbol(sx, sy) == f && grid.mark(sx, sy) != r) --sx;
    ++sx;
    flood.minX = std::min(flood.minX, sx);
    flood.minY = std::min(flood.minY, sy);
    int i = sx;
    for (; i <= kCaveBand.x2 && grid.symbol(i, sy) == f; ++i) {
        grid.mark(i, sy) = r;
        ++flood.count;
    }
    const int nx = i;
    floodRow(grid, sx, nx, sy - 1, f, r, flood);
    floodRow(grid, sx, nx, sy + 1, f, r, flood);
    if (nx > flood.maxX) flood.maxX = nx - 1;
    if (sy > flood.maxY) flood.maxY = sy;
}

void eraseRegion(BackgroundGrid& grid, const Flood& flood, std::int8_t r, std::uint8_t bg) {
    for (int x = flood.minX; x <= flood.maxX; ++x) {
        for (int y = flood.minY; y <= flood.maxY; ++y) {
            if (grid.mark(x, y) != r) continue;
            grid.symbol(x, y) = bg;
            grid.mark(x, y) = 0;
        }
    }
}

struct Cell {
    int x = 0, y = 0;
};

bool randomCellOf(const BackgroundGrid& grid, Random& random, const CaveRegion& box, int r,
                  Cell& out) {
    for (int t = 0; t < kRandomCellTries; ++t) {
        const int x = box.x1 + random.randomBelow(box.x2 - box.x1 + 1);
        const int y = box.y1 + random.randomBelow(box.y2 - box.y1 + 1);
        if (grid.mark(x, y) == r) {
            out = {x, y};
            return true;
        }
    }
    for (int x = box.x1; x <= box.x2; ++x) {
        for (int y = box.y1; y <= box.y2; ++y) {
            if (grid.mark(x, y) != r) continue;
            out = {x, y};
            return true;
        }
    }
    return false;
}

Cell centreOf(const CaveRegion& box) {
    return {box.x1 + (box.x2 - box.x1) / 2, box.y1 + (box.y2 - box.y1) / 2};
}

}  // namespace

CaveRegions markCaveRegions(BackgroundGrid& grid, std::uint8_t bg, std::uint8_t fg) {
    CaveRegions regions;
    int r = 1;
    for (int x = kCaveBand.x1; x <= kCaveBand.x2; ++x) {
        for (int y = kCaveBand.y1; y <= kCaveBand.y2; ++y) {
            if (grid.symbol(x, y) != fg || grid.mark(x, y) != 0) continue;
            Flood flood{x, y, x, y, 0};
            const auto mark = static_cast<std::int8_t>(r);
            floodFill(grid, x, y, mark, flood);
            if (flood.count < kMinRegionCells) {
                eraseRegion(grid, flood, mark, bg);
                continue;
            }
            regions.boxes[static_cast<std::size_t>(r)] = {flood.minX, flood.minY, flood.maxX,
                                                          flood.maxY};
            regions.count = r;
            if (++r > kMaxCaveRegions) return regions;
        }
    }
    return regions;
}

void connectCaveRegions(BackgroundGrid& grid, Random& random, const CaveRegions& regions,
                        std::uint8_t bg, std::uint8_t fg) {
    const auto box = [&](int r) { return regions.boxes[static_cast<std::size_t>(r)]; };
    int a = 1;
    for (int b = 2; b <= regions.count; ++b) {
        Cell from, to;
        if (!randomCellOf(grid, random, box(a), a, from) ||
            !randomCellOf(grid, random, box(b), b, to)) {
            from = centreOf(box(a));
            to = centreOf(box(b));
        }
        digCorridor(grid, from.x, from.y, to.x, to.y, bg, fg);
        // Move on from a region to its right neighbour; from one beside it
        // only now and then, so that some regions get several corridors.
        const CaveRegion ra = box(a), rb = box(b);
        if (rb.x1 > ra.x2) {
            a = b;
        } else if ((rb.y1 > ra.y2 || rb.y2 < ra.y1) && random.randomBelow(3) != 0) {
            a = b;
        }
    }
}

bool digCorridor(BackgroundGrid& grid, int x, int y, int tx, int ty, std::uint8_t bg,
                 std::uint8_t fg) {
    // Both ends on the editable cells, but off row 0.
    if (!isEditableCell(x, y) || !isEditableCell(tx, ty) || y == 0 || ty == 0) return false;
    const auto passable = [&](int px, int py) {
        const std::uint8_t s = grid.symbol(px, py);
        return s == bg || s == fg;
    };
    int dx = 0, dy = 0;
    if (tx > x) {
        dx = 1;
    } else if (ty > y) {
        dy = 1;
    } else if (tx < x) {
        dx = -1;
    } else {
        dy = -1;
    }
    x -= dx;
    y -= dy;
    int steps = 0;
    while (x != tx || y != ty) {
        if (steps++ > kMaxCorridorSteps) return false;
        x += dx;
        y += dy;
        // Keeps every read below, one step around (x, y), inside the grid.
        if (x < kEditableCells.x1 || x > kCaveBand.x2 || y < kCaveBand.y1 || y > kCaveBand.y2) {
            return false;
        }
        std::uint8_t& here = grid.symbol(x, y);
        if (here == bg) {
            here = fg;
        } else if (here != fg) {
            return false;
        }
        const int dix = std::abs(x - tx), diy = std::abs(y - ty);
        if (dy != 0 && dix > diy) {
            const int ddx = x > tx ? -1 : 1;
            if (passable(x + ddx, y)) {
                dx = ddx;
                dy = 0;
                continue;
            }
        } else if (dx != 0 && diy > dix) {
            const int ddy = y > ty ? -1 : 1;
            if (passable(x, y + ddy)) {
                dx = 0;
                dy = ddy;
                continue;
            }
        }
        if (passable(x + dx, y + dy)) continue;
        if (dx != 0) {
            dx = 0;
            dy = y > ty ? -1 : 1;
        } else {
            dy = 0;
            dx = x > tx ? -1 : 1;
        }
        if (passable(x + dx, y + dy)) continue;
        dx = -dx;
        dy = -dy;
    }
    return true;
}

}  // namespace mapedit
