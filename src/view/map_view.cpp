#include "view/map_view.h"

#include "model/grid.h"
#include "view/cell_look.h"
#include "view/colors.h"
#include "view/overlays.h"
#include "view/panel.h"
#include "view/text_out.h"

namespace mapedit {

namespace {

constexpr int kSelectionBackground = 16;
constexpr int kRandomPlaceBackground = 17;
constexpr int kFrameColor = 7;
constexpr int kFrameLeft = 9, kFrameTop = 8, kFrameRight = 801, kFrameBottom = 388;
constexpr int kPanelTop = kMapAreaHeight;

}  // namespace

void drawGlyph(ViewContext& v, int x, int y, std::uint8_t ch, int fg, int bg) {
    drawMapChar(v.canvas, cellLeft(x), cellTop(y), ch, colorOf(fg), colorOf(bg));
}

void redrawCell(ViewContext& v, int x, int y) {
    if (!isEditableCell(x, y)) return;
    const Appearance look = cellAppearance(v.level, v.state, x, y);
    Rgb fg = colorOf(look.color);
    // Everything outside the map parts is background the level does not fix.
    if (!inMapPart(v.level, x, y)) fg = dimmed(fg);
    int bg = 0;
    if (randomPlaceAt(v.level, x, y) >= 0) bg = kRandomPlaceBackground;
    if (v.state.isSelectedCell(x, y)) bg = kSelectionBackground;
    drawMapChar(v.canvas, cellLeft(x), cellTop(y), look.ch, fg, colorOf(bg));
}

void redrawCells(ViewContext& v, int x1, int y1, int x2, int y2) {
    const CellRect r = editablePart(ordered(CellRect{x1, y1, x2, y2}));
    for (int y = r.y1; y <= r.y2; ++y) {
        for (int x = r.x1; x <= r.x2; ++x) redrawCell(v, x, y);
    }
}

void redrawAllCells(ViewContext& v) {
    redrawCells(v, 0, 0, kMapWidth - 1, kMapHeight - 1);
}

void redrawMapArea(ViewContext& v) {
    v.canvas.fillRect(0, 0, Canvas::kClientWidth, kMapAreaHeight, kMapBackground);
    redrawAllCells(v);
    v.canvas.frameRect(kFrameLeft, kFrameTop, kFrameRight, kFrameBottom, colorOf(kFrameColor));
    if (v.state.showRegions) drawAreas(v);
}

void paintClientArea(ViewContext& v) {
    redrawMapArea(v);
    v.canvas.fillRect(0, kPanelTop, Canvas::kClientWidth, Canvas::kClientHeight, Rgb{});
    drawPalettePanel(v);
    drawCoordinates(v, 0, 0);
}

}  // namespace mapedit
