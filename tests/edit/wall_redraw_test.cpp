#include "edit/wall_redraw.h"

#include <string_view>

#include "edit/settle_walls.h"
#include "model/terrain.h"
#include "view/view_fixture.h"

namespace mapedit::testing {
namespace {

// Settling on a level the view then draws from: the painter's context over
// the view fixture's canvas, level and view state.
class WallRedrawTest : public ViewTest {
  protected:
    PaintContext ctx{canvas, level, state, templates};
};

// Lays rows of terrain with the top-left character at (x, y):
// '#' stone, '.' floor, '-' horizontal wall, '|' vertical wall.
void layOut(Level& level, int x, int y, std::initializer_list<std::string_view> rows) {
    for (std::string_view row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            const int kind = row[i] == '#'   ? kStone
                             : row[i] == '-' ? kHorizontalWall
                             : row[i] == '|' ? kVerticalWall
                                             : kFloor;
            level.setTerrain(x + static_cast<int>(i), y, kind);
        }
        ++y;
    }
}

TEST_F(WallRedrawTest, SettlesTheCentreCellByItsNeighbourhood) {
    struct Case {
        const char* what;
        std::initializer_list<std::string_view> rows;  // 3 x 3, centre at (11, 6)
        int kind;
        std::uint8_t ch;
    };
    const Case cases[] = {
        {"stone above floor", {"###", "###", "..."}, kHorizontalWall, 0xC4},
        {"stone left of floor", {"##.", "##.", "##."}, kVerticalWall, 0xB3},
        {"lone vertical wall", {"...", ".|.", "..."}, kVerticalWall, 0xB3},
        {"lone horizontal wall", {"...", ".-.", "..."}, kHorizontalWall, 0xC4},
        {"stone in stone", {"###", "###", "###"}, kStone, ' '},
        {"wall in a solid block", {"---", "---", "---"}, kStone, ' '},
        {"vertical wall in a solid block", {"|#|", "#|#", "|#|"}, kStone, ' '},
        {"corner of a room below right", {"...", ".##", ".#."}, kHorizontalWall, 0xDA},
        {"stone inside a room's corner", {"###", "##.", "#.."}, kHorizontalWall, 0xD9},
        {"horizontal wall between rooms", {"...", "---", "..."}, kHorizontalWall, 0xC4},
        {"tee of walls", {"...", "---", ".|."}, kHorizontalWall, 0xC2},
        {"cross of walls", {".|.", "---", ".|."}, kHorizontalWall, 0xC5},
        {"vertical run", {".|.", ".-.", ".|."}, kVerticalWall, 0xB3},
    };
    for (const Case& c : cases) {
        level.clearLevel(kFloor);
        layOut(level, 10, 5, c.rows);
        wallRedraw(ctx, {11, 6, 11, 6}, Settle::Kinds);
        const MapCell& cell = level.cell(11, 6);
        EXPECT_EQ(cell.terrain, c.kind) << c.what;
        EXPECT_EQ(cell.glyph, c.ch) << c.what;
        EXPECT_EQ(lookAt(11, 6).ch, c.ch) << c.what;
    }
}

TEST_F(WallRedrawTest, SettledBoxShowsCornersAndSides) {
    layOut(level, 10, 5, {"####", "#..#", "####"});
    wallRedraw(ctx, {10, 5, 13, 7}, Settle::Kinds);
    const std::uint8_t top[] = {0xDA, 0xC4, 0xC4, 0xBF};
    const std::uint8_t bottom[] = {0xC0, 0xC4, 0xC4, 0xD9};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(level.cell(10 + i, 5).glyph, top[i]) << i;
        EXPECT_EQ(level.cell(10 + i, 7).glyph, bottom[i]) << i;
    }
    EXPECT_EQ(level.cell(10, 6).terrain, kVerticalWall);
    EXPECT_EQ(level.cell(10, 6).glyph, 0xB3);
    EXPECT_EQ(level.cell(11, 5).terrain, kHorizontalWall);
}

TEST_F(WallRedrawTest, SettlesAndDrawsTheRectangleGrownInsideTheEditableRange) {
    struct Case {
        int x1, y1, x2, y2;
        std::vector<CellPos> visited;
    };
    const Case cases[] = {
        {5, 5, 5, 5, cellsOf(4, 4, 6, 6)},
        {7, 9, 5, 5, cellsOf(4, 4, 8, 10)},
        {1, 0, 79, 20, cellsOf(1, 0, 79, 20)},
        {2, 1, 78, 19, cellsOf(1, 0, 79, 20)},
        {1, 0, 1, 0, cellsOf(1, 0, 2, 1)},
        // Corners off the grid: only the editable cells are touched.
        {-5, -5, 120, 40, cellsOf(1, 0, 79, 20)},
        {0, 3, 0, 3, cellsOf(1, 2, 1, 4)},
        {90, 30, 95, 35, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.x1 << "," << c.y1 << " " << c.x2 << "," << c.y2);
        const CellRect rect{c.x1, c.y1, c.x2, c.y2};
        const CellRect settled = settleWalls(level, rect, Settle::Kinds);
        std::vector<CellPos> reported;
        for (int y = settled.y1; y <= settled.y2; ++y) {
            for (int x = settled.x1; x <= settled.x2; ++x) reported.push_back({x, y});
        }
        EXPECT_EQ(reported, c.visited);
        fillCanvas(kUntouched);
        wallRedraw(ctx, rect, Settle::Kinds);
        EXPECT_EQ(drawnCells(), c.visited);
    }
}

TEST_F(WallRedrawTest, GlyphsOnlyKeepsTheKindsOfMapTextAndSettlesTheBackground) {
    struct Case {
        const char* what;
        std::initializer_list<std::string_view> rows;  // 3 x 3, centre at (11, 6)
        bool inMapText;
        int kind;
        std::uint8_t ch;
    };
    const Case cases[] = {
        {"rock above floor", {"###", "###", "..."}, true, kStone, ' '},
        {"rock left of floor", {"##.", "##.", "##."}, true, kStone, ' '},
        {"rock at a room's corner", {"...", ".##", ".#."}, true, kStone, ' '},
        {"'-' between two '|'", {".|.", ".-.", ".|."}, true, kHorizontalWall, 0xB3},
        {"'|' at a corner", {"...", ".|-", ".|."}, true, kVerticalWall, 0xDA},
        {"tee of walls", {"...", "---", ".|."}, true, kHorizontalWall, 0xC2},
        {"wall in a solid block", {"---", "---", "---"}, true, kHorizontalWall, 0xC4},
        {"'|' in a solid block", {"|#|", "#|#", "|#|"}, true, kVerticalWall, 0xB3},
        {"lone '|'", {"...", ".|.", "..."}, true, kVerticalWall, 0xB3},
        // The background is never saved: it settles as a painted cell does.
        {"background rock above floor", {"###", "###", "..."}, false, kHorizontalWall, 0xC4},
        {"background '-' between '|'", {".|.", ".-.", ".|."}, false, kVerticalWall, 0xB3},
    };
    for (const Case& c : cases) {
        level.clearLevel(kFloor);
        level.settings.partCount = 0;
        if (c.inMapText) addMapPart(5, 3, 20, 9);
        layOut(level, 10, 5, c.rows);
        wallRedraw(ctx, {11, 6, 11, 6}, Settle::GlyphsOnly);
        const MapCell& cell = level.cell(11, 6);
        EXPECT_EQ(cell.terrain, c.kind) << c.what;
        EXPECT_EQ(cell.glyph, c.ch) << c.what;
        EXPECT_EQ(lookAt(11, 6).ch, c.ch) << c.what;
    }
}

TEST_F(WallRedrawTest, PaintingBesideReadRockSettlesOnlyThePaintedNeighbourhood) {
    // A map part of floor with two read columns of rock, x = 15 and x = 25.
    level.clearLevel(kFloor);
    addMapPart(10, 3, 30, 10);
    for (int y = 3; y <= 10; ++y) {
        level.setTerrain(15, y, kStone);
        level.setTerrain(25, y, kStone);
    }
    wallRedraw(ctx, kEditableCells, Settle::GlyphsOnly);
    for (int y = 3; y <= 10; ++y) ASSERT_EQ(level.cell(15, y).terrain, kStone) << y;

    paintCell(ctx, 16, 7, kHorizontalWall);
    wallRedraw(ctx, {16, 7, 16, 7}, Settle::Kinds);
    for (int y = 3; y <= 10; ++y) {
        const bool nextToPainted = y >= 6 && y <= 8;
        EXPECT_EQ(level.cell(15, y).terrain, nextToPainted ? kVerticalWall : kStone) << y;
        EXPECT_EQ(level.cell(25, y).terrain, kStone) << y;
    }
    EXPECT_EQ(level.cell(15, 7).glyph, 0xC3);  // joins north, south and the painted wall
}

TEST_F(WallRedrawTest, LeavesColumnZeroAlone) {
    level.setTerrain(0, 5, kHorizontalWall);
    level.setTerrain(1, 5, kHorizontalWall);
    wallRedraw(ctx, {0, 0, kMapWidth - 1, kMapHeight - 1}, Settle::Kinds);
    EXPECT_EQ(level.cell(0, 5).terrain, kHorizontalWall);
    EXPECT_EQ(level.cell(0, 5).glyph, terrainKinds[kHorizontalWall].glyph);
    // Column 0 does not count as a joining neighbour either.
    EXPECT_EQ(level.cell(1, 5).glyph, 0xC4);
}

}  // namespace
}  // namespace mapedit::testing
