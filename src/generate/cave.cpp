#include "generate/cave.h"

namespace mapedit {

namespace {

constexpr std::array<std::array<int, 2>, 8> kNeighbours = {
    {{-1, -1}, {-1, 0}, {-1, 1}, {0, -1}, {0, 1}, {1, -1}, {1, 0}, {1, 1}}};

// Snapshot for the passes that must count on the grid as it was.
using ScratchGrid = std::array<std::array<std::uint8_t, kCaveBand.y2 + 1>, kCaveBand.x2 + 1>;

std::uint8_t symbolOrBg(const BackgroundGrid& grid, int x, int y, std::uint8_t bg) {
    if (x < kEditableCells.x1 || x > kCaveBand.x2 || y < kEditableCells.y1 || y > kCaveBand.y2) {
        return bg;
    }
    return grid.symbol(x, y);
}

bool isWallOrBlank(std::uint8_t symbol) {
    return symbol == ' ' || symbol == '-' || symbol == '|';
}

// One snapshot pass: cells for which erode(n) holds become bg.
template <typename Rule>
void snapshotPass(BackgroundGrid& grid, std::uint8_t bg, std::uint8_t fg, Rule erode) {
    ScratchGrid scratch{};
    for (int x = kCaveBand.x1; x <= kCaveBand.x2; ++x) {
        for (int y = kCaveBand.y1; y <= kCaveBand.y2; ++y) {
            const int n = fgNeighbours(grid, x, y, bg, fg);
            scratch[x][y] = erode(n) ? bg : grid.symbol(x, y);
        }
    }
    for (int x = kCaveBand.x1; x <= kCaveBand.x2; ++x) {
        for (int y = kCaveBand.y1; y <= kCaveBand.y2; ++y) grid.symbol(x, y) = scratch[x][y];
    }
}

}  // namespace

void fillBackground(BackgroundGrid& grid, std::uint8_t symbol) {
    for (int x = 1; x < kMapWidth; ++x) {
        for (int y = 0; y < kMapHeight; ++y) {
            grid.symbol(x, y) = symbol;
            grid.mark(x, y) = 0;
        }
    }
}

void seedCave(BackgroundGrid& grid, Random& random, std::uint8_t bg, std::uint8_t fg) {
    // With fg == bg every draw still counts, so this always ends.
    int changed = 0;
    while (changed < kCaveSeedCells) {
        const int x = kCaveBand.x1 + random.randomBelow(kCaveBand.x2 - kCaveBand.x1 + 1);
        const int y = random.randomOneTo(kCaveBand.y2);
        if (grid.symbol(x, y) == bg) {
            grid.symbol(x, y) = fg;
            ++changed;
        }
    }
}

int fgNeighbours(const BackgroundGrid& grid, int x, int y, std::uint8_t bg, std::uint8_t fg) {
    int n = 0;
    for (const auto& [dx, dy] : kNeighbours) {
        if (symbolOrBg(grid, x + dx, y + dy, bg) == fg) ++n;
    }
    return n;
}

void cavePassOne(BackgroundGrid& grid, std::uint8_t bg, std::uint8_t fg) {
    for (int x = kCaveBand.x1; x <= kCaveBand.x2; ++x) {
        for (int y = kCaveBand.y1; y <= kCaveBand.y2; ++y) {
            const int n = fgNeighbours(grid, x, y, bg, fg);
            if (n <= 2) {
                grid.symbol(x, y) = bg;
            } else if (n >= 5) {
                grid.symbol(x, y) = fg;
            }
        }
    }
}

void cavePassTwo(BackgroundGrid& grid, std::uint8_t bg, std::uint8_t fg) {
    snapshotPass(grid, bg, fg, [](int n) { return n == 5; });
}

void cavePassThree(BackgroundGrid& grid, std::uint8_t bg, std::uint8_t fg) {
    snapshotPass(grid, bg, fg, [](int n) { return n < 3; });
}

void addCaveWalls(BackgroundGrid& grid) {
    for (int x = 1; x < kMapWidth; ++x) {
        for (int y = 0; y < kMapHeight; ++y) {
            if (grid.symbol(x, y) != ' ') continue;
            // Changes are in place: once a wall, the cell is skipped as a
            // trigger, and the last qualifying neighbour decides its shape.
            for (int ny = y - 1; ny <= y + 1; ++ny) {
                for (int nx = x - 1; nx <= x + 1; ++nx) {
                    if (!isEditableCell(nx, ny) || isWallOrBlank(grid.symbol(nx, ny))) continue;
                    grid.symbol(x, y) = ny == y ? '|' : '-';
                }
            }
        }
    }
}

void generateCave(BackgroundGrid& grid, Random& random, std::uint8_t bg, std::uint8_t fg,
                  bool smoothed, bool joined, bool walled) {
    fillBackground(grid, bg);
    seedCave(grid, random, bg, fg);
    cavePassOne(grid, bg, fg);
    cavePassTwo(grid, bg, fg);
    if (smoothed) {
        cavePassThree(grid, bg, fg);
        cavePassThree(grid, bg, fg);
    }
    if (joined) {
        const CaveRegions regions = markCaveRegions(grid, bg, fg);
        connectCaveRegions(grid, random, regions, bg, fg);
    }
    if (walled) addCaveWalls(grid);
}

}  // namespace mapedit
