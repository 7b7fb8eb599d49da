#include "model/terrain.h"
#include "view/cell_look.h"
#include "view_fixture.h"

namespace mapedit::testing {
namespace {

using MapViewTest = ViewTest;

TEST_F(MapViewTest, FullRedrawDrawsTheFrameAroundTheCellsOnDarkGrey) {
    fillCanvas(kUntouched);
    redrawMapArea(view);
    const Rgb frame = colorTable[7];
    for (int y = 8; y <= 387; ++y) {
        EXPECT_EQ(canvas.pixel(9, y), frame) << y;
        EXPECT_EQ(canvas.pixel(800, y), frame) << y;
    }
    for (int x = 9; x <= 800; ++x) {
        EXPECT_EQ(canvas.pixel(x, 8), frame) << x;
        EXPECT_EQ(canvas.pixel(x, 387), frame) << x;
    }
    for (auto [x, y] :
         {std::pair{8, 8}, {801, 8}, {9, 7}, {9, 388}, {0, 0}, {809, 395}, {5, 200}}) {
        EXPECT_EQ(canvas.pixel(x, y), kMapBackground) << x << "," << y;
    }
    // The map area ends at row 395; the panel strip is not touched.
    EXPECT_EQ(canvas.pixel(0, 396), kUntouched);
}

TEST_F(MapViewTest, GlyphFillsExactlyItsCharacterBox) {
    fillCanvas(kUntouched);
    drawGlyph(view, 3, 2, ' ', 7, 16);
    for (int y = 44; y <= 63; ++y) {
        for (int x = 29; x <= 40; ++x) {
            const bool inBox = x >= 30 && x <= 39 && y >= 45 && y <= 62;
            ASSERT_EQ(canvas.pixel(x, y), inBox ? colorTable[16] : kUntouched) << x << "," << y;
        }
    }
}

TEST_F(MapViewTest, CellsOutsideMapPartsAreDimmed) {
    level.setTerrain(10, 5, kDoorway);
    level.setTerrain(30, 5, kDoorway);
    const Rgb door = colorTable[3];
    const Rgb halfDoor{64, 48, 0};

    redrawCell(view, 10, 5);
    EXPECT_EQ(lookAt(10, 5).fg, halfDoor) << "no map part: everything dimmed";

    addMapPart(5, 3, 20, 10);
    redrawAllCells(view);
    EXPECT_EQ(lookAt(10, 5).fg, door);
    EXPECT_EQ(lookAt(30, 5).fg, halfDoor);
    EXPECT_EQ(lookAt(20, 10).fg, colorTable[7]) << "part corners are inside";
    EXPECT_EQ(lookAt(21, 10).fg, (Rgb{96, 96, 96}));
}

TEST_F(MapViewTest, RandomPlaceAndSelectionBackgrounds) {
    level.settings.randomPlaceCount = 2;
    level.settings.randomPlaces = {RandomPlace{10, 5}, RandomPlace{11, 5}};
    state.selectCell(11, 5);
    redrawCells(view, 9, 5, 12, 5);
    EXPECT_EQ(lookAt(10, 5).bg, colorTable[17]);
    EXPECT_EQ(lookAt(11, 5).bg, colorTable[16]) << "the selection wins";
    EXPECT_EQ(lookAt(9, 5).bg, colorTable[0]);

    state.selectCell(12, 5);
    redrawCells(view, 11, 5, 12, 5);
    EXPECT_EQ(lookAt(11, 5).bg, colorTable[17]);
    EXPECT_EQ(lookAt(12, 5).bg, colorTable[16]);
}

TEST_F(MapViewTest, RedrawCellsOrdersCornersAndClampsToEditableCells) {
    struct Case {
        int x1, y1, x2, y2;
        std::vector<CellPos> drawn;
    };
    const Case cases[] = {
        {5, 10, 2, 3, cellsOf(2, 3, 5, 10)},       {2, 10, 5, 3, cellsOf(2, 3, 5, 10)},
        {2, 3, 5, 10, cellsOf(2, 3, 5, 10)},       {0, 0, 79, 20, cellsOf(1, 0, 79, 20)},
        {-40, 30, 300, -7, cellsOf(1, 0, 79, 20)}, {0, 4, 0, 6, {}},
    };
    for (const Case& c : cases) {
        fillCanvas(kUntouched);
        redrawCells(view, c.x1, c.y1, c.x2, c.y2);
        EXPECT_EQ(drawnCells(), c.drawn) << c.x1 << "," << c.y1 << " " << c.x2 << "," << c.y2;
    }
    // Column 0 lies in the map background left of the frame.
    EXPECT_EQ(canvas.pixel(5, 100), kUntouched);
}

TEST_F(MapViewTest, PaintCoversTheClientAreaWithPanelAndReadout) {
    fillCanvas(kUntouched);
    paintClientArea(view);
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) ASSERT_NE(canvas.pixel(x, y), kUntouched);
    }
    EXPECT_EQ(canvas.pixel(500, 440), colorTable[0]) << "panel strip is black";
    EXPECT_EQ(lookAtPixel(40, 432).ch, '0') << "readout of (0, 0)";
}

}  // namespace
}  // namespace mapedit::testing
