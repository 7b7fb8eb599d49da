#include "generate/background.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "generate/cave.h"
#include "generate/mazewalk.h"
#include "level_terrains.h"
#include "model/terrain.h"

namespace mapedit {
namespace {

using test::terrains;

void addPart(Level& level, int x1, int y1, int x2, int y2) {
    MapPart& part = level.mapParts[static_cast<std::size_t>(level.settings.partCount++)];
    part.x1 = x1;
    part.y1 = y1;
    part.x2 = x2;
    part.y2 = y2;
    part.width = x2 - x1 + 1;
    part.height = y2 - y1 + 1;
}

void fillRect(Level& level, int x1, int y1, int x2, int y2, int kind) {
    for (int x = x1; x <= x2; ++x) {
        for (int y = y1; y <= y2; ++y) level.setTerrain(x, y, kind);
    }
}

void usePlainFill(Level& level, char filling) {
    level.settings.fillMode = kPlainFill;
    level.settings.filling = static_cast<std::int8_t>(filling);
}

TEST(BackgroundTest, PlainFillMapsTheSymbolToItsKind) {
    struct Case {
        char filling;
        int kind;
    };
    const Case cases[] = {{'T', 14},    {'.', kFloor},      {' ', kStone}, {'-', kHorizontalWall},
                          {'z', kNone}, {'a', kMonsterKind}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.filling);
        Level level;
        level.clearLevel(kCorridor);
        usePlainFill(level, c.filling);
        Random random(1);
        applyBackground(level, random, false);
        for (int x = 0; x < kMapWidth; ++x) {
            for (int y = 0; y < kMapHeight; ++y) {
                const int expected = x == 0 ? kCorridor : c.kind;  // column 0 is no map
                ASSERT_EQ(level.cell(x, y).terrain, expected) << x << "," << y;
                ASSERT_EQ(level.cell(x, y).glyph, terrainKind(expected).glyph);
            }
        }
    }
}

TEST(BackgroundTest, RefreshWithTreesSparesTheMapParts) {
    Level level;
    level.clearLevel(kStone);
    usePlainFill(level, 'T');
    addPart(level, 10, 5, 20, 10);
    addPart(level, 60, 12, 70, 20);
    fillRect(level, 10, 5, 20, 10, kFloor);
    fillRect(level, 60, 12, 70, 20, kStone);
    Random random(1);
    regenerateBackground(level, random);
    for (int x = 1; x < kMapWidth; ++x) {
        for (int y = 0; y < kMapHeight; ++y) {
            const bool first = level.mapParts[0].contains(x, y);
            const bool second = level.mapParts[1].contains(x, y);
            const int expected = first ? kFloor : second ? kStone : 14;
            ASSERT_EQ(level.cell(x, y).terrain, expected) << x << "," << y;
        }
    }
}

TEST(BackgroundTest, MazeGridLayout) {
    Level level;  // fillMode 0
    Random random(1);
    applyBackground(level, random, false);
    for (int x = 1; x < kMapWidth; ++x) {
        for (int y = 0; y < kMapHeight; ++y) {
            const bool inGrid = x >= 2 && x <= 78 && y >= 2;
            const bool cell = x % 2 == 1 && y % 2 == 1;
            const int expected = inGrid && !cell ? kHorizontalWall : kStone;
            ASSERT_EQ(level.cell(x, y).terrain, expected) << x << "," << y;
        }
    }
}

TEST(BackgroundTest, BackgroundLeavesDetailMarkersAndPlacements) {
    Level level;
    level.cell(30, 9).detail = 2;
    level.cell(30, 9).overlay = drawbridgeOverlay(1, false);
    level.cell(30, 9).monster.emplace();
    usePlainFill(level, ' ');
    Random random(1);
    applyBackground(level, random, false);
    EXPECT_EQ(level.cell(30, 9).terrain, kStone);
    EXPECT_EQ(level.cell(30, 9).detail, 2);
    EXPECT_EQ(level.cell(30, 9).overlay, drawbridgeOverlay(1, false));
    EXPECT_TRUE(level.cell(30, 9).monster.has_value());
}

TEST(BackgroundTest, CaveTakesItsOptionsFromTheLevelFlags) {
    const std::uint8_t flagSets[] = {0, kSmoothed | kWalled, kJoined | kLit, 0xFF};
    for (const std::uint8_t flags : flagSets) {
        SCOPED_TRACE(static_cast<int>(flags));
        Level level;
        level.settings.fillMode = kCaveFill;
        level.settings.initForeground = '.';
        level.settings.initBackground = ' ';
        level.settings.levelFlags = flags;
        Random random(31);
        applyBackground(level, random, false);

        BackgroundGrid grid;
        Random same(31);
        generateCave(grid, same, ' ', '.', flags & kSmoothed, flags & kJoined, flags & kWalled);
        for (int x = 1; x < kMapWidth; ++x) {
            for (int y = 0; y < kMapHeight; ++y) {
                ASSERT_EQ(level.cell(x, y).terrain, kindOfSymbol(grid.symbol(x, y)))
                    << x << "," << y;
            }
        }
    }
}

TEST(BackgroundTest, MazewalksCarveIntoTheStoneOfAMapPart) {
    // Walls all around; the part holds stone, and a marker just outside it
    // faces into it.
    Level level;
    usePlainFill(level, '-');
    addPart(level, 5, 3, 15, 9);
    fillRect(level, 5, 3, 15, 9, kStone);
    level.cell(4, 6).overlay = mazewalkOverlay(1);
    Random random(17);
    regenerateBackground(level, random);
    for (int x = 1; x < kMapWidth; ++x) {
        for (int y = 0; y < kMapHeight; ++y) {
            if (level.mapParts[0].contains(x, y)) continue;
            ASSERT_EQ(level.cell(x, y).terrain, kHorizontalWall) << x << "," << y;
        }
    }
    const std::pair<int, int> carved[] = {{5, 6}, {6, 5}, {7, 5}};
    for (const auto& [x, y] : carved) {
        EXPECT_EQ(level.cell(x, y).terrain, kFloor) << x << "," << y;
    }
}

TEST(BackgroundTest, MarkersAreWalkedRowByRow) {
    // Two separate stone parts in a wall background. The marker at (21, 5)
    // comes first by rows, the one at (7, 13) first by columns.
    const auto build = [](Level& level) {
        usePlainFill(level, '-');
        addPart(level, 20, 3, 40, 9);
        addPart(level, 5, 11, 15, 19);
        fillRect(level, 20, 3, 40, 9, kStone);
        fillRect(level, 5, 11, 15, 19, kStone);
        level.cell(21, 5).overlay = mazewalkOverlay(1);
        level.cell(7, 13).overlay = mazewalkOverlay(2);
    };
    Level refreshed, byRows, byColumns;
    build(refreshed);
    build(byRows);
    build(byColumns);
    Random r1(5), r2(5), r3(5);
    regenerateBackground(refreshed, r1);

    applyBackground(byRows, r2, true);
    startMazewalk(byRows, r2, 21, 5, 1);
    startMazewalk(byRows, r2, 7, 13, 2);
    applyBackground(byColumns, r3, true);
    startMazewalk(byColumns, r3, 7, 13, 2);
    startMazewalk(byColumns, r3, 21, 5, 1);

    EXPECT_EQ(terrains(refreshed), terrains(byRows));
    EXPECT_NE(terrains(refreshed), terrains(byColumns));  // the order matters
}

}  // namespace
}  // namespace mapedit
