#include "view/settled_cells.h"

#include "model/wall_joins.h"
#include "view/cell_look.h"
#include "view/colors.h"
#include "view/map_view.h"
#include "view/text_out.h"

namespace mapedit {

namespace {

void drawSettledCell(ViewContext& v, int x, int y) {
    if (!isStoneOrWall(v.level.cell(x, y).terrain)) {
        redrawCell(v, x, y);
        return;
    }
    const Appearance look = cellAppearance(v.level, v.state, x, y);
    drawMapChar(v.canvas, cellLeft(x), cellTop(y), look.ch, colorOf(look.color), colorOf(0));
}

}  // namespace

void drawSettledCells(ViewContext& v, const CellRect& settled) {
    for (int y = settled.y1; y <= settled.y2; ++y) {
        for (int x = settled.x1; x <= settled.x2; ++x) {
            if (isEditableCell(x, y)) drawSettledCell(v, x, y);
        }
    }
}

}  // namespace mapedit
