#include "generate/cave.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace mapedit {
namespace {

constexpr std::uint8_t kBg = ' ';
constexpr std::uint8_t kFg = '.';

bool inBand(int x, int y) {
    return x >= 2 && x <= 78 && y >= 1 && y <= 19;
}

int countSymbol(const BackgroundGrid& grid, std::uint8_t symbol) {
    int n = 0;
    for (int x = 1; x < kMapWidth; ++x) {
        for (int y = 0; y < kMapHeight; ++y) n += grid.symbol(x, y) == symbol;
    }
    return n;
}

BackgroundGrid blankGrid(std::uint8_t symbol = kBg) {
    BackgroundGrid grid;
    fillBackground(grid, symbol);
    return grid;
}

void put(BackgroundGrid& grid, std::initializer_list<std::pair<int, int>> cells,
         std::uint8_t symbol = kFg) {
    for (const auto& [x, y] : cells) grid.symbol(x, y) = symbol;
}

// How many separate fg pieces the grid holds now (marks cleared first).
int pieceCount(BackgroundGrid grid) {
    grid.marks.fill(0);
    return markCaveRegions(grid, kBg, kFg).count;
}

BackgroundGrid cave(std::uint32_t seed, bool smoothed, bool joined, bool walled) {
    BackgroundGrid grid;
    Random random(seed);
    generateCave(grid, random, kBg, kFg, smoothed, joined, walled);
    return grid;
}

TEST(CaveTest, SeedingChangesExactly624BandCells) {
    BackgroundGrid grid = blankGrid();
    Random random(1234);
    seedCave(grid, random, kBg, kFg);
    EXPECT_EQ(countSymbol(grid, kFg), kCaveSeedCells);
    for (int x = 1; x < kMapWidth; ++x) {
        for (int y = 0; y < kMapHeight; ++y) {
            if (!inBand(x, y)) {
                EXPECT_EQ(grid.symbol(x, y), kBg) << x << "," << y;
            }
        }
    }
    for (int y = 0; y < kMapHeight; ++y) EXPECT_EQ(grid.symbol(0, y), 0);
}

TEST(CaveTest, SeedingDrawsTheColumnFirst) {
    for (std::uint32_t seed = 1; seed <= 10; ++seed) {
        BackgroundGrid grid = blankGrid();
        Random random(seed), reference(seed);
        seedCave(grid, random, kBg, kFg);
        const int x = 2 + reference.randomBelow(77);
        const int y = reference.randomOneTo(19);
        EXPECT_EQ(grid.symbol(x, y), kFg) << "seed " << seed;
    }
}

TEST(CaveTest, SeedingWithFgEqualToBgStillEndsAfter624Draws) {
    BackgroundGrid grid = blankGrid();
    Random random(77), reference(77);
    seedCave(grid, random, kBg, kBg);
    for (int i = 0; i < 2 * kCaveSeedCells; ++i) reference.nextRandom32();
    EXPECT_EQ(random.nextRandom32(), reference.nextRandom32());
    EXPECT_EQ(countSymbol(grid, kBg), 79 * 21);
}

TEST(CaveTest, PassOneSeesItsOwnChanges) {
    // (11, 5) has three fg neighbours before the pass, but (10, 5) erodes
    // first, so (11, 5) erodes too, and so on down the staircase.
    BackgroundGrid grid = blankGrid();
    put(grid, {{10, 5}, {11, 5}, {11, 6}, {12, 6}});
    cavePassOne(grid, kBg, kFg);
    EXPECT_EQ(countSymbol(grid, kFg), 0);
}

TEST(CaveTest, PassOneFillsHolesAndErodesStrays) {
    BackgroundGrid grid = blankGrid();
    for (int x = 5; x <= 15; ++x) {
        for (int y = 5; y <= 15; ++y) grid.symbol(x, y) = kFg;
    }
    grid.symbol(10, 10) = kBg;
    grid.symbol(40, 10) = kFg;
    cavePassOne(grid, kBg, kFg);
    EXPECT_EQ(grid.symbol(10, 10), kFg);
    EXPECT_EQ(grid.symbol(40, 10), kBg);
    EXPECT_EQ(countSymbol(grid, kFg), 11 * 11);
}

TEST(CaveTest, PassesTwoAndThreeCountOnTheGridBeforeThePass) {
    // Pass two on a 3x3 block removes the four edge middles (5 neighbours
    // each); pass three on an X removes the four arms (1 neighbour each)
    // but keeps the centre, which had 4 before the pass.
    BackgroundGrid block = blankGrid();
    for (int x = 10; x <= 12; ++x) put(block, {{x, 5}, {x, 6}, {x, 7}});
    cavePassTwo(block, kBg, kFg);
    EXPECT_EQ(countSymbol(block, kFg), 5);
    for (const auto& [x, y] : {std::pair{10, 5}, {12, 5}, {11, 6}, {10, 7}, {12, 7}}) {
        EXPECT_EQ(block.symbol(x, y), kFg) << x << "," << y;
    }

    BackgroundGrid cross = blankGrid();
    put(cross, {{10, 5}, {12, 5}, {11, 6}, {10, 7}, {12, 7}});
    cavePassThree(cross, kBg, kFg);
    EXPECT_EQ(countSymbol(cross, kFg), 1);
    EXPECT_EQ(cross.symbol(11, 6), kFg);
}

TEST(CaveTest, SmallPiecesVanishAndDiagonalsConnect) {
    BackgroundGrid grid = blankGrid();
    put(grid, {{5, 5}});                                       // 1 cell
    put(grid, {{10, 5}, {11, 6}});                             // 2 cells, diagonal
    put(grid, {{20, 5}, {20, 6}, {21, 7}});                    // 3 cells
    put(grid, {{30, 5}, {31, 6}, {32, 7}, {33, 8}});           // 4 cells, diagonal line
    put(grid, {{40, 2}, {41, 2}, {42, 2}, {41, 3}, {41, 4}});  // 5 cells
    const CaveRegions regions = markCaveRegions(grid, kBg, kFg);
    ASSERT_EQ(regions.count, 2);
    EXPECT_EQ(countSymbol(grid, kFg), 9);
    EXPECT_EQ(grid.symbol(20, 6), kBg);
    EXPECT_EQ(grid.mark(20, 6), 0);
    EXPECT_EQ(grid.mark(33, 8), 1);
    EXPECT_EQ(grid.mark(41, 4), 2);
    const CaveRegion& first = regions.boxes[1];
    EXPECT_EQ(std::vector({first.x1, first.y1, first.x2, first.y2}), std::vector({30, 5, 33, 8}));
    const CaveRegion& second = regions.boxes[2];
    EXPECT_EQ(std::vector({second.x1, second.y1, second.x2, second.y2}),
              std::vector({40, 2, 42, 4}));
}

TEST(CaveTest, AGridFullOfFgIsOneRegion) {
    BackgroundGrid grid = blankGrid(kFg);
    const CaveRegions regions = markCaveRegions(grid, kBg, kFg);
    ASSERT_EQ(regions.count, 1);
    const CaveRegion& box = regions.boxes[1];
    EXPECT_EQ(std::vector({box.x1, box.y1, box.x2, box.y2}), std::vector({1, 0, 78, 20}));
    EXPECT_EQ(grid.mark(1, 0), 1);
    EXPECT_EQ(grid.mark(78, 20), 1);
    EXPECT_EQ(grid.mark(79, 10), 0);  // the fill stops at column 78
}

TEST(CaveTest, OnlyFortyNineRegionsAreMarkedAndConnected) {
    // 2x2 blocks every third cell: 26 columns of 6 blocks, scanned by column.
    BackgroundGrid grid = blankGrid();
    for (int i = 0; i < 26; ++i) {
        for (int j = 0; j < 6; ++j) {
            const int x = 2 + 3 * i, y = 1 + 3 * j;
            put(grid, {{x, y}, {x + 1, y}, {x, y + 1}, {x + 1, y + 1}});
        }
    }
    const CaveRegions regions = markCaveRegions(grid, kBg, kFg);
    ASSERT_EQ(regions.count, kMaxCaveRegions);
    EXPECT_EQ(grid.mark(2 + 3 * 8, 1), 49);  // block 49: ninth column, first row
    EXPECT_EQ(grid.mark(2 + 3 * 8, 4), 0);   // the next block is left alone
    EXPECT_EQ(grid.symbol(2 + 3 * 8, 4), kFg);

    const BackgroundGrid before = grid;
    Random random(8);
    connectCaveRegions(grid, random, regions, kBg, kFg);
    // Corridors run between the first 49 blocks only, all left of column 29.
    for (int x = 29; x < kMapWidth; ++x) {
        for (int y = 0; y < kMapHeight; ++y) {
            EXPECT_EQ(grid.symbol(x, y), before.symbol(x, y)) << x << "," << y;
        }
    }
    EXPECT_GT(countSymbol(grid, kFg), countSymbol(before, kFg));
}

TEST(CaveTest, ConnectingStaysOnARegionThatSharesRowsAndColumns) {
    // Region 1 is an L along the left and bottom edges; region 2 sits in its
    // corner, walled in by '#', so no corridor gets out of it. Region 2 lies
    // within region 1's columns and rows, so region 3 is reached from
    // region 1 and joins it.
    BackgroundGrid grid = blankGrid();
    for (int y = 1; y <= 19; ++y) grid.symbol(2, y) = kFg;
    for (int x = 2; x <= 40; ++x) grid.symbol(x, 19) = kFg;
    for (int x = 9; x <= 12; ++x) put(grid, {{x, 2}, {x, 5}}, '#');
    for (int y = 2; y <= 5; ++y) put(grid, {{9, y}, {12, y}}, '#');
    put(grid, {{10, 3}, {11, 3}, {10, 4}, {11, 4}});
    put(grid, {{60, 16}, {61, 16}, {60, 17}, {61, 17}});
    const CaveRegions regions = markCaveRegions(grid, kBg, kFg);
    ASSERT_EQ(regions.count, 3);
    ASSERT_EQ(grid.mark(10, 3), 2);
    for (std::uint32_t seed = 1; seed <= 5; ++seed) {
        SCOPED_TRACE(seed);
        BackgroundGrid joined = grid;
        Random random(seed);
        connectCaveRegions(joined, random, regions, kBg, kFg);
        joined.marks.fill(0);
        markCaveRegions(joined, kBg, kFg);
        EXPECT_EQ(joined.mark(60, 16), joined.mark(2, 1));
        EXPECT_NE(joined.mark(10, 3), joined.mark(2, 1));
    }
}

TEST(CaveTest, CorridorStopsAtAForeignSymbolAndKeepsWhatItDug) {
    // A dead-end tunnel of bg in '#': the digger turns, reverses into '#'
    // and gives up without touching it.
    BackgroundGrid grid = blankGrid('#');
    for (int x = 5; x <= 9; ++x) grid.symbol(x, 5) = kBg;
    EXPECT_FALSE(digCorridor(grid, 5, 5, 12, 5, kBg, kFg));
    for (int x = 5; x <= 9; ++x) EXPECT_EQ(grid.symbol(x, 5), kFg) << x;
    EXPECT_EQ(countSymbol(grid, '#'), 79 * 21 - 5);
}

TEST(CaveTest, CorridorNeverLeavesTheInnerGrid) {
    struct Case {
        int x, y, tx, ty;
    };
    const Case cases[] = {
        {0, 5, 10, 5},  {5, 0, 10, 5},  {5, 5, 80, 5},
        {5, 5, 10, 21}, {70, 5, 79, 5},  // the target column itself is off limits
        {5, 15, 5, 20}, {5, 5, 5, 0},   {5, 5, 1, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y << " -> " << c.tx << "," << c.ty);
        BackgroundGrid grid = blankGrid();
        const bool reached = digCorridor(grid, c.x, c.y, c.tx, c.ty, kBg, kFg);
        EXPECT_EQ(reached, c.tx == 1);  // only the last one is reachable
        for (int x = 0; x < kMapWidth; ++x) {
            for (int y = 0; y < kMapHeight; ++y) {
                if (x >= 1 && x <= 78 && y >= 1 && y <= 19) continue;
                EXPECT_NE(grid.symbol(x, y), kFg) << x << "," << y;
            }
        }
    }
}

TEST(CaveTest, WallsGrowOnlyOnBlanksBesideOtherSymbols) {
    struct Case {
        std::vector<std::pair<int, int>> floor;
        std::pair<int, int> probe;
        std::uint8_t expected;
    };
    const Case cases[] = {
        {{{10, 5}}, {11, 5}, '|'},           // right of floor, same row
        {{{10, 5}}, {10, 6}, '-'},           // below
        {{{10, 5}}, {9, 4}, '-'},            // diagonal
        {{{10, 5}, {12, 6}}, {11, 5}, '-'},  // the last neighbour in scan order wins
        {{{10, 5}, {12, 4}}, {11, 5}, '|'},
        {{{10, 5}}, {12, 5}, ' '},  // two away: untouched
        {{}, {1, 5}, ' '},          // column 0 does not count
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.probe.first << "," << c.probe.second);
        BackgroundGrid grid = blankGrid();
        for (const auto& [x, y] : c.floor) grid.symbol(x, y) = kFg;
        addCaveWalls(grid);
        EXPECT_EQ(grid.symbol(c.probe.first, c.probe.second), c.expected);
    }

    BackgroundGrid trees = blankGrid('T');
    trees.symbol(10, 5) = kFg;
    addCaveWalls(trees);
    EXPECT_EQ(countSymbol(trees, 'T'), 79 * 21 - 1);  // only blanks become walls
}

TEST(CaveTest, SameSeedSameCave) {
    const BackgroundGrid a = cave(2024, true, true, true);
    const BackgroundGrid b = cave(2024, true, true, true);
    EXPECT_EQ(a.symbols, b.symbols);
    EXPECT_EQ(a.marks, b.marks);
    EXPECT_NE(a.symbols, cave(2025, true, true, true).symbols);
}

TEST(CaveTest, EachOptionChangesOnlyWhatItShould) {
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        const BackgroundGrid plain = cave(seed, false, false, false);
        const BackgroundGrid smoothed = cave(seed, true, false, false);
        const BackgroundGrid joined = cave(seed, false, true, false);
        const BackgroundGrid walled = cave(seed, false, false, true);
        for (int x = 1; x < kMapWidth; ++x) {
            for (int y = 0; y < kMapHeight; ++y) {
                const std::uint8_t p = plain.symbol(x, y);
                if (!inBand(x, y)) {
                    EXPECT_EQ(p, kBg);
                }
                // Smoothing only erodes.
                if (smoothed.symbol(x, y) == kFg) {
                    EXPECT_EQ(p, kFg);
                }
                // Walls only replace blanks.
                if (walled.symbol(x, y) != p) {
                    EXPECT_EQ(p, ' ');
                    EXPECT_TRUE(walled.symbol(x, y) == '|' || walled.symbol(x, y) == '-');
                }
                if (!inBand(x, y)) {
                    EXPECT_EQ(joined.symbol(x, y), kBg);
                }
            }
        }
        ASSERT_GT(pieceCount(plain), 1);
        ASSERT_LE(pieceCount(plain), kMaxCaveRegions);
        EXPECT_EQ(pieceCount(joined), 1);
    }
}

}  // namespace
}  // namespace mapedit
