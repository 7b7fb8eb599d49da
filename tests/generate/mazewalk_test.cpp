#include "generate/mazewalk.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "level_terrains.h"
#include "model/terrain.h"

namespace mapedit {
namespace {

using test::terrains;

// Stone on odd-odd cells of columns 3..77, rows 3..19, walls around them,
// stone in rows 0..1 and columns 0, 1 and 79: the maze background.
void makeMazeGrid(Level& level) {
    level.clearLevel(kStone);
    for (int x = 2; x <= 78; ++x) {
        for (int y = 2; y <= 20; ++y) {
            if (x % 2 == 0 || y % 2 == 0) level.setTerrain(x, y, kHorizontalWall);
        }
    }
}

// True when the next draw of `random` is the first draw of a fresh
// generator with the seed, i.e. nothing was drawn.
bool nothingDrawn(Random& random, std::uint32_t seed) {
    Random fresh(seed);
    return random.nextRandom32() == fresh.nextRandom32();
}

int floorCount(const Level& level) {
    int n = 0;
    for (int t : terrains(level)) n += t == kFloor;
    return n;
}

// The floor carved from odd cells must be a tree: each opened wall joins two
// carved cells, and there is one opening fewer than carved cells.
void expectCarvedTree(const Level& level) {
    int rooms = 0, openings = 0;
    for (int x = 2; x <= 78; ++x) {
        for (int y = 2; y <= 20; ++y) {
            if (level.cell(x, y).terrain != kFloor) continue;
            const bool oddX = x % 2 == 1, oddY = y % 2 == 1;
            if (oddX && oddY) {
                ++rooms;
                continue;
            }
            ASSERT_TRUE(oddX || oddY) << "wall corner carved at " << x << "," << y;
            ++openings;
            const int dx = oddX ? 0 : 1, dy = oddX ? 1 : 0;
            EXPECT_EQ(level.cell(x - dx, y - dy).terrain, kFloor) << x << "," << y;
            EXPECT_EQ(level.cell(x + dx, y + dy).terrain, kFloor) << x << "," << y;
        }
    }
    EXPECT_EQ(openings, rooms - 1);
}

TEST(MazewalkTest, MarkerWithoutStoneOnlyOpensItsEvenColumn) {
    struct Case {
        int x, y, d;
        int dugX;  // -1: nothing dug
    };
    const Case cases[] = {{4, 6, 3, 3}, {4, 6, 1, 5}, {5, 7, 1, -1}, {5, 8, 2, -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y << " d" << c.d);
        Level level;
        level.clearLevel(kHorizontalWall);
        Random random(7);
        startMazewalk(level, random, c.x, c.y, c.d);
        EXPECT_EQ(floorCount(level), c.dugX < 0 ? 0 : 1);
        if (c.dugX >= 0) {
            EXPECT_EQ(level.cell(c.dugX, c.y).terrain, kFloor);
        }
        EXPECT_TRUE(nothingDrawn(random, 7));
    }
}

TEST(MazewalkTest, NorthFromRowThreeFindsNothingToCarve) {
    Level level;
    level.clearLevel(kStone);
    const auto before = terrains(level);
    Random random(3);
    startMazewalk(level, random, 5, 3, 0);
    EXPECT_EQ(terrains(level), before);
    EXPECT_TRUE(nothingDrawn(random, 3));
}

TEST(MazewalkTest, EvenMarkerMovesToOddStartAndCarvesATree) {
    Level level;
    makeMazeGrid(level);
    Random random(11);
    startMazewalk(level, random, 4, 6, 1);
    EXPECT_EQ(level.cell(5, 6).terrain, kFloor);  // the column move digs
    EXPECT_EQ(level.cell(6, 5).terrain, kFloor);  // first corridor, east of (5, 5)
    EXPECT_EQ(level.cell(7, 5).terrain, kFloor);
    EXPECT_EQ(level.cell(4, 6).terrain, kHorizontalWall);  // the marker cell stays
    EXPECT_EQ(level.cell(5, 6).glyph, terrainKind(kFloor).glyph);
    // The column move and the first corridor hang off the marker's cell,
    // which the walk may reach again later; the rest is a tree.
    level.setTerrain(5, 6, kHorizontalWall);
    level.setTerrain(6, 5, kHorizontalWall);
    expectCarvedTree(level);
    EXPECT_GT(floorCount(level), 3);
}

TEST(MazewalkTest, WalkGoesOnFromTheCellItReachedNotFromItsStart) {
    // From (5, 5) two branches are open: east to (7, 5) and south to (5, 7).
    // After the first branch, the walk looks around the branch's end, finds
    // nothing there and stops, so the other branch stays stone.
    for (std::uint32_t seed = 1; seed <= 4; ++seed) {
        Level level;
        level.clearLevel(kHorizontalWall);
        const std::pair<int, int> open[] = {{5, 5}, {7, 5}, {5, 7}};
        for (const auto& [x, y] : open) level.setTerrain(x, y, kStone);
        Random random(seed);
        const int pick = Random(seed).randomBelow(2);  // list is east, south
        walkFrom(level, random, 5, 5);
        const bool east = pick == 0;
        EXPECT_EQ(level.cell(6, 5).terrain == kFloor, east);
        EXPECT_EQ(level.cell(7, 5).terrain == kFloor, east);
        EXPECT_EQ(level.cell(5, 6).terrain == kFloor, !east);
        EXPECT_EQ(level.cell(5, 7).terrain == kFloor, !east);
        EXPECT_EQ(floorCount(level), 3);
    }
}

TEST(MazewalkTest, SecondMarkerInACarvedAreaAddsAtMostOneCell) {
    Level once, twice;
    makeMazeGrid(once);
    makeMazeGrid(twice);
    Random r1(5), r2(5);
    startMazewalk(once, r1, 4, 6, 1);
    startMazewalk(twice, r2, 4, 6, 1);
    const std::uint32_t next = Random(r2).nextRandom32();
    startMazewalk(twice, r2, 10, 10, 1);
    EXPECT_EQ(r2.nextRandom32(), next);  // the second walk drew nothing
    int differences = 0;
    for (int x = 0; x < kMapWidth; ++x) {
        for (int y = 0; y < kMapHeight; ++y) {
            if (once.cell(x, y).terrain == twice.cell(x, y).terrain) continue;
            ++differences;
            EXPECT_EQ(x, 11);
            EXPECT_EQ(y, 10);
        }
    }
    EXPECT_LE(differences, 1);
}

TEST(MazewalkTest, StoneWithDetailIsWalkedAround) {
    Level level;
    makeMazeGrid(level);
    level.cell(9, 5).detail = 1;  // a former door turned into stone
    level.cell(11, 7).overlay = mazewalkOverlay(0);
    Random random(21);
    startMazewalk(level, random, 5, 5, 1);
    EXPECT_EQ(level.cell(9, 5).terrain, kStone);
    const std::pair<int, int> around[] = {{8, 5}, {10, 5}, {9, 4}, {9, 6}};
    for (const auto& [x, y] : around) {
        EXPECT_EQ(level.cell(x, y).terrain, kHorizontalWall) << x << "," << y;
    }
    EXPECT_EQ(level.cell(11, 7).overlay, mazewalkOverlay(0));  // carving keeps markers
    level.setTerrain(6, 5, kHorizontalWall);                   // the first corridor, see above
    expectCarvedTree(level);
}

TEST(MazewalkTest, MarkersAtTheEdgeStayOnTheMap) {
    Level level;
    level.clearLevel(kStone);
    Random random(1);
    startMazewalk(level, random, 0, 0, 3);  // start moves to column -1
    startMazewalk(level, random, 0, 20, 2);
    walkFrom(level, random, -5, 40);
    EXPECT_EQ(floorCount(level), 0);
}

}  // namespace
}  // namespace mapedit
