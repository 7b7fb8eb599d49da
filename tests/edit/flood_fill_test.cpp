#include <gtest/gtest.h>

#include "edit/shapes.h"
#include "edit/span_fill.h"
#include "edit_fixture.h"
#include "model/grid.h"
#include "model/terrain.h"

namespace mapedit::test {
namespace {

using FloodFillTest = EditFixture;
using Cells = std::vector<CellPos>;

TEST_F(FloodFillTest, FillsTheWalledRoomButNotCellsReachedDiagonally) {
    // A room (11..19, 6..9) inside a wall box; its corner (19, 9) is cut off
    // by walls at (18, 9) and (19, 8) and touches the room only diagonally.
    drawRectOutline(ctx, 10, 5, 20, 10, kHorizontalWall);
    level.setTerrain(18, 9, kVerticalWall);
    level.setTerrain(19, 8, kVerticalWall);
    floodFill(ctx, 12, 7, kFountain);
    for (int x = 1; x < kMapWidth; ++x) {
        for (int y = 0; y < kMapHeight; ++y) {
            const int t = level.cell(x, y).terrain;
            const bool room = x >= 11 && x <= 19 && y >= 6 && y <= 9;
            if (t == kFountain) {
                EXPECT_TRUE(room) << x << "," << y;
            }
            if (t == kFloor) {
                EXPECT_TRUE(!room || (x == 19 && y == 9)) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(level.cell(11, 6).terrain, kFountain);
}

// The rectangle the fill reports bounds the cells it painted, so that only
// they and their neighbours need settling afterwards.
TEST_F(FloodFillTest, ReportsTheRectangleOfTheCellsItPainted) {
    struct Case {
        const char* what;
        void (*build)(PaintContext&);
        CellPos start;
        CellRect painted;
    };
    const Case cases[] = {
        {"one floor cell in rock",
         [](PaintContext& p) {
             p.level.clearLevel(kStone);
             p.level.setTerrain(40, 10, kFloor);
         },
         {40, 10},
         {40, 10, 40, 10}},
        {"an L of floor, from its far end",
         [](PaintContext& p) {
             p.level.clearLevel(kStone);
             drawLine(p, 5, 5, 9, 5, kFloor);
             drawLine(p, 9, 5, 9, 12, kFloor);
         },
         {9, 12},
         {5, 5, 9, 12}},
        {"a room whose corner is cut off",
         [](PaintContext& p) {
             p.level.clearLevel(kFloor);
             drawRectOutline(p, 10, 5, 20, 10, kHorizontalWall);
             p.level.setTerrain(18, 9, kVerticalWall);
             p.level.setTerrain(19, 8, kVerticalWall);
         },
         {12, 7},
         {11, 6, 19, 9}},
        {"the whole map",
         [](PaintContext& p) { p.level.clearLevel(kFloor); },
         {40, 10},
         {1, 0, kMapWidth - 1, kMapHeight - 1}},
    };
    for (const Case& c : cases) {
        c.build(ctx);
        const CellRect r = floodFill(ctx, c.start.x, c.start.y, kFountain);
        EXPECT_EQ(r.x1, c.painted.x1) << c.what;
        EXPECT_EQ(r.y1, c.painted.y1) << c.what;
        EXPECT_EQ(r.x2, c.painted.x2) << c.what;
        EXPECT_EQ(r.y2, c.painted.y2) << c.what;
    }
}

TEST_F(FloodFillTest, PaintsSpansInStackOrder) {
    level.clearLevel(kStone);
    for (auto [x, y] :
         Cells{{2, 5}, {3, 5}, {4, 5}, {5, 5}, {2, 4}, {3, 4}, {5, 4}, {3, 6}, {3, 7}, {4, 7}}) {
        level.setTerrain(x, y, kFloor);
    }
    floodFill(ctx, 2, 5, kRandomPlaceKind);
    EXPECT_EQ(
        randomPlaces(),
        (Cells{{2, 5}, {3, 5}, {4, 5}, {5, 5}, {3, 6}, {3, 7}, {4, 7}, {5, 4}, {2, 4}, {3, 4}}));
}

// Floor everywhere, with walls on even columns of odd rows: full rows joined by
// combs of single cells, which push the most spans.
void buildComb(Level& level) {
    level.clearLevel(kFloor);
    for (int y = 1; y < kMapHeight; y += 2) {
        for (int x = 2; x < kMapWidth; x += 2) level.setTerrain(x, y, kHorizontalWall);
    }
}

TEST_F(FloodFillTest, DeepCombStillFitsTheStack) {
    buildComb(level);
    floodFill(ctx, 1, 0, kFountain);
    for (int x = 1; x < kMapWidth; ++x) {
        for (int y = 0; y < kMapHeight; ++y) EXPECT_NE(level.cell(x, y).terrain, kFloor);
    }
    EXPECT_EQ(level.cell(0, 0).terrain, kFloor);  // column 0 is never filled
}

TEST_F(FloodFillTest, FullStackStopsTheWholeFill) {
    buildComb(level);
    SpanFill<4> fill(ctx, kFloor, kFountain);
    fill.run(1, 0);  // row 0 is painted, the fourth comb cell fills the stack
    for (int x = 1; x < kMapWidth; ++x) {
        EXPECT_EQ(level.cell(x, 0).terrain, kFountain);
        for (int y = 1; y < kMapHeight; ++y) EXPECT_NE(level.cell(x, y).terrain, kFountain);
    }
}

// Stone with a floor row 0 and `teeth` floor cells on the odd columns of row
// 1: once row 0 is painted the fill holds exactly `teeth` spans at a time.
void buildTeeth(Level& level, int teeth) {
    level.clearLevel(kStone);
    for (int x = 1; x < kMapWidth; ++x) level.setTerrain(x, 0, kFloor);
    for (int i = 0; i < teeth; ++i) level.setTerrain(1 + 2 * i, 1, kFloor);
}

struct TeethFilled {
    int row0 = 0, teeth = 0;  // cells of each row that got the kind
};

template <std::size_t Capacity>
TeethFilled fillTeeth(PaintContext& ctx, int teeth) {
    buildTeeth(ctx.level, teeth);
    SpanFill<Capacity>(ctx, kFloor, kFountain).run(1, 0);
    TeethFilled filled;
    for (int x = 1; x < kMapWidth; ++x) {
        filled.row0 += ctx.level.cell(x, 0).terrain == kFountain;
        filled.teeth += ctx.level.cell(x, 1).terrain == kFountain;
    }
    return filled;
}

// A stack of Capacity spans never holds Capacity of them: pushing the last
// one stops the fill before anything could go past the array.
TEST_F(FloodFillTest, StackStopsAtExactlyItsCapacity) {
    struct Case {
        const char* what;
        TeethFilled (*fill)(PaintContext&, int);
        int teeth;
        TeethFilled expected;
    };
    const Case cases[] = {
        {"one slot: even the first span fills it", &fillTeeth<1>, 0, {0, 0}},
        {"two slots, one tooth", &fillTeeth<2>, 1, {79, 1}},
        {"two slots, two teeth", &fillTeeth<2>, 2, {79, 0}},
        {"three slots, two teeth", &fillTeeth<3>, 2, {79, 2}},
        {"forty slots, thirty-nine teeth", &fillTeeth<40>, 39, {79, 39}},
        {"forty slots, forty teeth", &fillTeeth<40>, 40, {79, 0}},
    };
    for (const Case& c : cases) {
        const TeethFilled filled = c.fill(ctx, c.teeth);
        EXPECT_EQ(filled.row0, c.expected.row0) << c.what;
        EXPECT_EQ(filled.teeth, c.expected.teeth) << c.what;
    }
}

// Kinds that leave the region's terrain as it was must still end, painting
// every cell once: the markers and the objects tell how often.
TEST_F(FloodFillTest, KindsThatKeepTheTerrainPaintEachCellOnce) {
    level.clearLevel(kStone);
    drawRectFilled(ctx, 10, 5, 30, 6, kFloor);  // two rows
    floodFill(ctx, 15, 5, kMazewalkKind);
    EXPECT_EQ(mazewalkMarkerCount(level), 42);
    floodFill(ctx, 15, 6, kObjectKind);
    floodFill(ctx, 30, 6, kFloor);
    for (int x = 1; x < kMapWidth; ++x) {
        for (int y = 0; y < kMapHeight; ++y) {
            const bool region = x >= 10 && x <= 30 && y >= 5 && y <= 6;
            EXPECT_EQ(objectsAt(x, y), region ? 1u : 0u) << x << "," << y;
        }
    }
    level.clearLevel(kFloor);
    floodFill(ctx, 40, 10, kMazewalkKind);
    EXPECT_EQ(mazewalkMarkerCount(level), 79 * 21);
}

TEST_F(FloodFillTest, MazewalkStoneOverStoneMarksOnlyOddOddCells) {
    level.clearLevel(kStone);
    floodFill(ctx, 1, 0, kMazewalkStone);
    EXPECT_EQ(level.cell(3, 3).terrain, kMazewalkStone);
    EXPECT_EQ(level.cell(4, 3).terrain, kStone);
    EXPECT_EQ(level.cell(79, 19).terrain, kMazewalkStone);
}

TEST(MarkMazeStones, TurnsIsolatedOddOddStonesOfMapPartsIntoMazeStones) {
    Level level;
    level.settings.partCount = 2;
    level.mapParts[0] = MapPart{.x1 = 2, .y1 = 2, .x2 = 8, .y2 = 8};
    level.mapParts[1] = MapPart{.x1 = 1, .y1 = 12, .x2 = 3, .y2 = 14};
    struct Case {
        int x, y, expected;
    };
    const Case cases[] = {
        {3, 3, kMazewalkStone},  {5, 5, kMazewalkStone},  // isolated
        {3, 7, kStone},          {4, 7, kStone},          // side by side
        {7, 3, kStone},          {8, 2, kStone},          // a diagonal stone neighbour
        {9, 9, kStone},                                   // outside every part
        {1, 13, kMazewalkStone},                          // column 0 does not count
    };
    for (const Case& c : cases) level.setTerrain(c.x, c.y, kStone);
    for (int y = 12; y <= 14; ++y) level.setTerrain(0, y, kStone);
    markMazeStones(level);
    for (const Case& c : cases)
        EXPECT_EQ(level.cell(c.x, c.y).terrain, c.expected) << c.x << "," << c.y;
    level.settings.partCount = 0;
    level.setTerrain(5, 5, kStone);
    markMazeStones(level);
    EXPECT_EQ(level.cell(5, 5).terrain, kStone);
}

}  // namespace
}  // namespace mapedit::test
