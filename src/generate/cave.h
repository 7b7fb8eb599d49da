#pragma once

#include <array>
#include <cstdint>

#include "generate/random.h"
#include "model/grid.h"
#include "model/level.h"

namespace mapedit {

// The band that the seeding, the passes and the region scan work in: the
// editable cells less their outer ring (columns 2..78, rows 1..19).
constexpr CellRect kCaveBand{kEditableCells.x1 + 1, kEditableCells.y1 + 1, kEditableCells.x2 - 1,
                             kEditableCells.y2 - 1};

// The background as map symbols (as in MAP rows) with a region mark per
// cell. Columns 1..79 are used; column 0 stays zero.
struct BackgroundGrid {
    std::array<std::uint8_t, kMapWidth * kMapHeight> symbols{};
    std::array<std::int8_t, kMapWidth * kMapHeight> marks{};

    std::uint8_t& symbol(int x, int y) { return symbols[index(x, y)]; }
    std::uint8_t symbol(int x, int y) const { return symbols[index(x, y)]; }
    std::int8_t& mark(int x, int y) { return marks[index(x, y)]; }
    std::int8_t mark(int x, int y) const { return marks[index(x, y)]; }

  private:
    static std::size_t index(int x, int y) { return static_cast<std::size_t>(x * kMapHeight + y); }
};

// Every cell of columns 1..79 gets the symbol and mark 0.
void fillBackground(BackgroundGrid& grid, std::uint8_t symbol);

// A cave of fg in bg: random fill, two passes, optional smoothing, optional
// joining of the separate pieces by corridors, optional walls. The random
// draws follow a fixed order, so a seed always gives the same cave.
void generateCave(BackgroundGrid& grid, Random& random, std::uint8_t bg, std::uint8_t fg,
                  bool smoothed, bool joined, bool walled);

// The steps of generateCave, in the order it runs them.

constexpr int kCaveSeedCells = 624;
constexpr int kMaxCaveRegions = 49;

// Turns kCaveSeedCells random bg cells of the band (columns 2..78, rows
// 1..19) into fg.
void seedCave(BackgroundGrid& grid, Random& random, std::uint8_t bg, std::uint8_t fg);
// Neighbours holding fg; cells outside columns 1..78, rows 0..19 count as bg.
int fgNeighbours(const BackgroundGrid& grid, int x, int y, std::uint8_t bg, std::uint8_t fg);
// In place: few fg neighbours erode a cell, many fill it.
void cavePassOne(BackgroundGrid& grid, std::uint8_t bg, std::uint8_t fg);
// From a snapshot: cells with exactly 5 fg neighbours become bg.
void cavePassTwo(BackgroundGrid& grid, std::uint8_t bg, std::uint8_t fg);
// From a snapshot: cells with fewer than 3 fg neighbours become bg.
void cavePassThree(BackgroundGrid& grid, std::uint8_t bg, std::uint8_t fg);

struct CaveRegion {
    std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// Regions numbered 1..count (entry 0 unused); the number is also the mark
// of the region's cells.
struct CaveRegions {
    std::array<CaveRegion, kMaxCaveRegions + 1> boxes{};
    int count = 0;
};

// Marks each connected piece of fg (diagonals connect) with a region
// number; pieces of up to 3 cells turn back into bg. Stops after
// kMaxCaveRegions regions; later pieces keep mark 0.
CaveRegions markCaveRegions(BackgroundGrid& grid, std::uint8_t bg, std::uint8_t fg);
// Digs corridors from region to region, left to right.
void connectCaveRegions(BackgroundGrid& grid, Random& random, const CaveRegions& regions,
                        std::uint8_t bg, std::uint8_t fg);
// Digs fg through bg from (x, y) towards (tx, ty); false when it meets any
// other symbol, leaves the inner grid or wanders too long. Cells already
// dug stay dug.
bool digCorridor(BackgroundGrid& grid, int x, int y, int tx, int ty, std::uint8_t bg,
                 std::uint8_t fg);
// Blank cells next to anything but blank or wall become walls: '|' beside
// it in the same row, '-' otherwise.
void addCaveWalls(BackgroundGrid& grid);

}  // namespace mapedit
