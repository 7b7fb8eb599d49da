#include "view/settled_cells.h"

#include "model/terrain.h"
#include "view_fixture.h"

namespace mapedit::testing {
namespace {

using SettledCellsTest = ViewTest;

TEST_F(SettledCellsTest, WallsArePlainButOtherCellsKeepTheirHighlights) {
    // No map part: redrawn cells are dimmed, stone and walls are not.
    level.setTerrain(10, 5, kVerticalWall);
    level.setTerrain(12, 5, kStone);
    level.settings.randomPlaceCount = 2;
    level.settings.randomPlaces = {RandomPlace{10, 5}, RandomPlace{12, 5}};
    state.selectCell(11, 5);
    drawSettledCells(view, {10, 5, 12, 5});
    EXPECT_EQ(lookAt(10, 5), (CellLook{'|', colorTable[7], colorTable[0]}));
    EXPECT_EQ(lookAt(11, 5), (CellLook{0xFA, dimmed(colorTable[7]), colorTable[16]}));
    // Blank, so only its background tells: no random-place highlight.
    EXPECT_EQ(lookAt(12, 5), (CellLook{' ', colorTable[0], colorTable[0]}));
}

TEST_F(SettledCellsTest, DrawsOnlyEditableCellsOfTheRectangle) {
    struct Case {
        CellRect rect;
        std::vector<CellPos> drawn;
    };
    const Case cases[] = {
        {{4, 4, 6, 6}, cellsOf(4, 4, 6, 6)},
        {{0, 2, 1, 3}, cellsOf(1, 2, 1, 3)},
        {{-3, -3, 90, 30}, cellsOf(1, 0, 79, 20)},
        {{6, 6, 4, 4}, {}},  // an empty rectangle
    };
    for (const Case& c : cases) {
        fillCanvas(kUntouched);
        drawSettledCells(view, c.rect);
        EXPECT_EQ(drawnCells(), c.drawn) << c.rect.x1 << "," << c.rect.y1;
    }
}

}  // namespace
}  // namespace mapedit::testing
