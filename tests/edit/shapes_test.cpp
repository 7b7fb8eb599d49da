#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <utility>
#include <vector>

#include "edit/shapes.h"
#include "edit_fixture.h"
#include "model/terrain.h"

namespace mapedit::test {
namespace {

using ShapeTest = EditFixture;
using Cells = std::vector<CellPos>;

struct LineCase {
    int xa, ya, xb, yb;
    Cells order;
};

TEST_F(ShapeTest, LinesPaintFromBothEndsInOrder) {
    const LineCase cases[] = {
        {2, 2, 10, 4, {{2, 2}, {10, 4}, {3, 2}, {9, 4}, {4, 2}, {8, 4}, {5, 3}, {7, 3}, {6, 3}}},
        {10, 4, 2, 2, {{2, 2}, {10, 4}, {3, 2}, {9, 4}, {4, 2}, {8, 4}, {5, 3}, {7, 3}, {6, 3}}},
        {2, 2, 4, 10, {{2, 2}, {4, 10}, {2, 3}, {4, 9}, {2, 4}, {4, 8}, {3, 5}, {3, 7}, {3, 6}}},
        {2, 10, 4, 2, {{2, 10}, {4, 2}, {2, 9}, {4, 3}, {2, 8}, {4, 4}, {3, 7}, {3, 5}, {3, 6}}},
        {1, 0, 6, 1, {{1, 0}, {6, 1}, {2, 0}, {5, 1}, {3, 0}, {4, 1}}},
        {5, 9, 5, 2, {{5, 2}, {5, 3}, {5, 4}, {5, 5}, {5, 6}, {5, 7}, {5, 8}, {5, 9}}},
        {8, 3, 4, 3, {{4, 3}, {5, 3}, {6, 3}, {7, 3}, {8, 3}}},
        {7, 4, 3, 8, {{3, 8}, {4, 7}, {5, 6}, {6, 5}, {7, 4}}},
    };
    for (const LineCase& c : cases) {
        level.settings.randomPlaceCount = 0;
        drawLine(ctx, c.xa, c.ya, c.xb, c.yb, kRandomPlaceKind);
        EXPECT_EQ(randomPlaces(), c.order) << c.xa << "," << c.ya << " " << c.xb << "," << c.yb;
    }
}

// The cells a line paints, each with how often it was painted.
std::set<std::pair<int, int>> lineCells(EditFixture& f, int xa, int ya, int xb, int yb) {
    f.level.freePlacements();
    drawLine(f.ctx, xa, ya, xb, yb, kObjectKind);
    std::set<std::pair<int, int>> cells;
    for (int x = 1; x < kMapWidth; ++x) {
        for (int y = 0; y < kMapHeight; ++y) {
            if (f.objectsAt(x, y) == 0) continue;
            EXPECT_EQ(f.objectsAt(x, y), 1u) << "painted twice: " << x << "," << y;
            cells.insert({x, y});
        }
    }
    return cells;
}

TEST_F(ShapeTest, LineAndItsReverseCoverTheSameGaplessCells) {
    const int ends[][4] = {{10, 5, 20, 8},   {1, 0, 79, 20}, {3, 17, 9, 1},
                           {40, 10, 41, 20}, {12, 3, 30, 4}, {60, 20, 1, 19}};
    for (const auto& e : ends) {
        const auto forward = lineCells(*this, e[0], e[1], e[2], e[3]);
        EXPECT_EQ(forward, lineCells(*this, e[2], e[3], e[0], e[1])) << e[0] << "," << e[1];
        EXPECT_TRUE(forward.count({e[0], e[1]}) && forward.count({e[2], e[3]}));
        // One cell per step along the longer axis: no gaps, no doubles.
        const bool steep = std::abs(e[3] - e[1]) > std::abs(e[2] - e[0]);
        std::set<int> major;
        for (auto [x, y] : forward) major.insert(steep ? y : x);
        const int span = std::max(std::abs(e[2] - e[0]), std::abs(e[3] - e[1])) + 1;
        EXPECT_EQ(forward.size(), static_cast<std::size_t>(span));
        EXPECT_EQ(major.size(), static_cast<std::size_t>(span));
    }
    EXPECT_EQ(lineCells(*this, 10, 5, 20, 8).size(), 11u);
}

TEST_F(ShapeTest, RectanglesPaintRowsTopToBottomFromAnyCorners) {
    drawRectOutline(ctx, 4, 4, 2, 2, kRandomPlaceKind);
    EXPECT_EQ(randomPlaces(),
              (Cells{{2, 2}, {3, 2}, {4, 2}, {2, 3}, {4, 3}, {2, 4}, {3, 4}, {4, 4}}));
    level.settings.randomPlaceCount = 0;
    drawRectFilled(ctx, 5, 3, 3, 2, kRandomPlaceKind);
    EXPECT_EQ(randomPlaces(), (Cells{{3, 2}, {4, 2}, {5, 2}, {3, 3}, {4, 3}, {5, 3}}));
}

TEST_F(ShapeTest, OutlineOfOneCellPaintsItOnce) {
    drawRectOutline(ctx, 9, 9, 9, 9, kObjectKind);
    EXPECT_EQ(objectsAt(9, 9), 1u);
}

TEST_F(ShapeTest, MazeRectangleLaysStonesOnOddOddCells) {
    level.clearLevel(kStone);
    drawMazeRect(ctx, 6, 6, 2, 2, kFloor);
    for (int x = 1; x <= 7; ++x) {
        for (int y = 1; y <= 7; ++y) {
            const bool inside = x >= 2 && x <= 6 && y >= 2 && y <= 6;
            const int expected = !inside ? kStone : (x % 2 && y % 2) ? kMazewalkStone : kFloor;
            EXPECT_EQ(level.cell(x, y).terrain, expected) << x << "," << y;
        }
    }
}

}  // namespace
}  // namespace mapedit::test
