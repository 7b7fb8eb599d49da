#include <utility>

#include "model/grid.h"
#include "model/terrain.h"
#include "model/wall_joins.h"
#include "view/cell_look.h"
#include "view/colors.h"
#include "view/map_view.h"
#include "view/text_out.h"

namespace mapedit {

namespace {

constexpr int kNoFallback = -1;

// Grows one side by a cell while it stays inside the editable range.
void growRect(int& x1, int& y1, int& x2, int& y2) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    if (x1 > 1) --x1;
    if (y1 > 0) --y1;
    if (x2 < kMapWidth - 1) ++x2;
    if (y2 < kMapHeight - 1) ++y2;
}

struct Settled {
    int kind;
    std::uint8_t ch;
};

// The kind and character a stone or wall cell settles into.
Settled settleCell(const Level& level, int x, int y, int terrain) {
    int kind = kStone;
    int fallback = kNoFallback;
    const WallShape shape = wallJoinShape(level, x, y);
    if (terrain != kStone) {
        kind = shape.kind != 0 ? shape.kind : terrain;
        // A lone wall keeps a straight line of its own direction.
        if (shape.kind == 0) fallback = wallJoinChars[terrain == kVerticalWall ? 1 : 2];
    }
    const VisibleJoins joins = visibleWallJoins(level, x, y);
    if (joins.any) return {shape.kind, joins.ch};
    if (fallback != kNoFallback) return {kind, static_cast<std::uint8_t>(fallback)};
    return {kStone, terrainKinds[kStone].glyph};
}

void settleAndDraw(ViewContext& v, int x, int y) {
    MapCell& cell = v.level.cell(x, y);
    const int terrain = cell.terrain;
    if (terrain != kStone && terrain != kHorizontalWall && terrain != kVerticalWall) {
        redrawCell(v, x, y);
        return;
    }
    const Settled s = settleCell(v.level, x, y, terrain);
    cell.terrain = static_cast<std::int8_t>(s.kind);
    cell.glyph = s.ch;
    // Drawn plain, without dimming or highlights: the next full redraw adds them.
    const Appearance look = cellAppearance(v.level, v.editor, x, y);
    drawMapChar(v.canvas, cellLeft(x), cellTop(y), look.ch, colorOf(look.color), colorOf(0));
}

}  // namespace

void wallRedraw(ViewContext& v, int x1, int y1, int x2, int y2) {
    growRect(x1, y1, x2, y2);
    for (int y = y1; y <= y2; ++y) {
        for (int x = x1; x <= x2; ++x) {
            // Cells off the editable grid (column 0, or corners passed from
            // outside the map) are neither settled nor drawn.
            if (isEditableCell(x, y)) settleAndDraw(v, x, y);
        }
    }
}

}  // namespace mapedit
