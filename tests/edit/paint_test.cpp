#include <gtest/gtest.h>

#include "edit/paint.h"
#include "edit_fixture.h"
#include "model/grid.h"
#include "model/terrain.h"
#include "support/cell_probe.h"

namespace mapedit::test {
namespace {

using PaintCellTest = EditFixture;

TEST_F(PaintCellTest, MazewalkStoneStaysOnlyOnOddOddCells) {
    struct Case {
        int x, y, stored;
    };
    for (Case c :
         {Case{4, 5, kStone}, Case{5, 4, kStone}, Case{6, 6, kStone}, Case{5, 5, kMazewalkStone}}) {
        paint(c.x, c.y, kMazewalkStone);
        EXPECT_EQ(level.cell(c.x, c.y).terrain, c.stored) << c.x << "," << c.y;
        EXPECT_EQ(level.cell(c.x, c.y).glyph, terrainKind(c.stored).glyph);
    }
}

TEST_F(PaintCellTest, MonsterAndTrapNeedAFreeCellThatHoldsThem) {
    struct Case {
        int terrain, kind;
        bool placed;
    };
    const Case cases[] = {{kFloor, kMonsterKind, true},
                          {kFountain, kMonsterKind, true},
                          {kHorizontalWall, kMonsterKind, false},
                          {kStone, kMonsterKind, false},
                          {kFloor, kTrapKind, true},
                          {kHorizontalWall, kTrapKind, false}};
    int x = 2;
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << terrainKind(c.kind).name << " on " << terrainKind(c.terrain).name);
        level.setTerrain(++x, 5, c.terrain);
        templates = Templates{};
        paint(x, 5, c.kind);
        templates.monsterTemplate.symbol = 'D';  // a second paint must not replace the first
        templates.trapTemplate.trapType = 18;
        paint(x, 5, c.kind);
        const MapCell& cell = level.cell(x, 5);
        const bool monster = c.kind == kMonsterKind;
        EXPECT_EQ(cell.monster.has_value(), monster && c.placed);
        EXPECT_EQ(cell.trap.has_value(), !monster && c.placed);
        if (cell.monster) {
            EXPECT_EQ(cell.monster->symbol, 'a');
        }
        if (cell.trap) {
            EXPECT_EQ(cell.trap->trapType, 0);
        }
        EXPECT_EQ(cell.terrain, c.terrain);
    }
}

TEST_F(PaintCellTest, ObjectsPileUpNewestFirstOnAnyTerrain) {
    level.setTerrain(7, 7, kHorizontalWall);
    templates.objectTemplate.symbol = '(';
    paint(7, 7, kObjectKind);
    templates.objectTemplate.symbol = '[';
    paint(7, 7, kObjectKind);
    const MapCell& cell = level.cell(7, 7);
    ASSERT_EQ(cell.objects.size(), 2u);
    EXPECT_EQ(cell.objects[0].symbol, '[');
    EXPECT_EQ(cell.objects[1].symbol, '(');
    EXPECT_EQ(cell.terrain, kHorizontalWall);
}

TEST_F(PaintCellTest, StairsAndLaddersMoveAndRedrawTheOldCellAtOnce) {
    struct Case {
        int kind;
        StairSpot LevelSettings::*spot;
    };
    for (Case c :
         {Case{kUpstairs, &LevelSettings::stairUp}, Case{kDownstairs, &LevelSettings::stairDown},
          Case{kLadderUp, &LevelSettings::ladderUp},
          Case{kLadderDown, &LevelSettings::ladderDown}}) {
        SCOPED_TRACE(terrainKind(c.kind).name);
        level.clearLevel(kFloor);
        ctx.mode = kPaintStore;
        paint(10, 5, c.kind);
        level.cell(20, 5).detail = 3;
        markCanvas();
        ctx.mode = kPaintStore | kPaintDefer;  // the old cell is drawn even so
        paint(20, 5, c.kind);
        EXPECT_EQ(level.cell(10, 5).terrain, kFloor);
        EXPECT_EQ(level.cell(20, 5).terrain, c.kind);
        EXPECT_EQ(level.cell(20, 5).detail, 0);
        const StairSpot& s = level.settings.*c.spot;
        EXPECT_EQ((std::array{s.state, s.x, s.y}), (std::array{1, 20, 5}));
        EXPECT_TRUE(mapCellShows(canvas, 10, 5, {250, colorOf(7), colorOf(0)}));
        EXPECT_FALSE(drawnOver(20, 5));
    }
}

TEST_F(PaintCellTest, OldStairCellPaintedOverIsLeftAlone) {
    paint(10, 5, kUpstairs);
    paint(12, 5, kDownstairs);
    paint(10, 5, kFountain);
    paint(20, 5, kUpstairs);
    EXPECT_EQ(level.cell(10, 5).terrain, kFountain);
    EXPECT_EQ(level.cell(12, 5).terrain, kDownstairs);
}

TEST_F(PaintCellTest, DoorsCloseAndOtherKindsClearTheDetail) {
    for (int door : {kDoorway, kSecretDoor}) {
        paint(4, 4, door);
        EXPECT_EQ(level.cell(4, 4).detail, 1);
        paint(4, 4, kAltar);
        EXPECT_EQ(level.cell(4, 4).detail, 0);
    }
}

// A marker painted on a marker replaces it: the level holds one.
TEST_F(PaintCellTest, MarkersLeaveTerrainAndReplaceEachOther) {
    paint(6, 6, kDrawbridgeKind);
    EXPECT_EQ(level.cell(6, 6).overlay, 0x14);
    paint(6, 6, kMazewalkKind);
    paint(6, 6, kMazewalkKind);
    EXPECT_EQ(level.cell(6, 6).overlay, 0x20);
    EXPECT_EQ(mazewalkMarkerCount(level), 1);
    EXPECT_EQ(level.cell(6, 6).terrain, kFloor);
}

TEST_F(PaintCellTest, RandomPlacesAreStoredOnceAndAtMostTen) {
    paint(3, 3, kRandomPlaceKind);
    EXPECT_EQ(readMapCell(canvas, 3, 3)->bg, colorOf(17));
    markCanvas();
    paint(3, 3, kRandomPlaceKind);
    EXPECT_FALSE(drawnOver(3, 3));
    for (int x = 4; x <= 13; ++x) paint(x, 3, kRandomPlaceKind);
    EXPECT_EQ(level.settings.randomPlaceCount, 10);
    EXPECT_EQ(randomPlaces().back(), (CellPos{12, 3}));
    EXPECT_TRUE(drawnOver(13, 3));  // redrawn unchanged
}

TEST_F(PaintCellTest, PaintModeDecidesStoringAndDrawing) {
    struct Case {
        const char* what;
        int mode;
        bool stored, drawn;
        unsigned char ch;
        int bg;
    };
    const Case cases[] = {
        {"preview", 0, false, true, '-', 0},
        {"store", kPaintStore, true, true, '-', 0},
        {"highlighted preview", kPaintHighlight, false, true, '-', 15},
        {"highlighted store", kPaintStore | kPaintHighlight, true, true, '-', 15},
        {"wipe back to the cell", kPaintShowCell, false, true, 250, 0},
        {"deferred preview", kPaintDefer, false, false, 0, 0},
        {"deferred store", kPaintStore | kPaintDefer, true, false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        level.setTerrain(5, 5, kFloor);
        markCanvas();
        ctx.mode = c.mode;
        paint(5, 5, kHorizontalWall);
        EXPECT_EQ(level.cell(5, 5).terrain, c.stored ? kHorizontalWall : kFloor);
        EXPECT_EQ(drawnOver(5, 5), c.drawn);
        if (c.drawn) {
            EXPECT_TRUE(mapCellShows(canvas, 5, 5, {c.ch, colorOf(7), colorOf(c.bg)}));
        }
    }
}

TEST_F(PaintCellTest, StoredPlacementsShowTheCellNotThePaletteGlyph) {
    struct Case {
        int terrain, kind;
        unsigned char ch;
        int fg;
    };
    const Case cases[] = {{kFloor, kMonsterKind, 'a', 18},
                          {kFloor, kObjectKind, ')', 18},
                          {kFloor, kTrapKind, '^', 18},
                          {kFloor, kMazewalkKind, 0x18, 15},
                          {kHorizontalWall, kMonsterKind, '-', 7}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << terrainKind(c.kind).name << " on " << terrainKind(c.terrain).name);
        level.clearLevel(c.terrain);
        paint(8, 8, c.kind);
        EXPECT_TRUE(mapCellShows(canvas, 8, 8, {c.ch, colorOf(c.fg), colorOf(0)}));
    }
}

TEST(DeferredFor, OnlyStoneAndWallsDefer) {
    for (int kind = 0; kind < kTerrainKindCount; ++kind) {
        const bool defer = kind == kStone || kind == kHorizontalWall || kind == kVerticalWall;
        EXPECT_EQ(deferredFor(kPaintStore | kPaintHighlight, kind), 3 | (defer ? 8 : 0))
            << terrainKind(kind).name;
    }
}

}  // namespace
}  // namespace mapedit::test
