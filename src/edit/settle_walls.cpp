#include "edit/settle_walls.h"

#include "model/terrain.h"
#include "model/wall_joins.h"

namespace mapedit {

namespace {

constexpr int kNoFallback = -1;

// One cell more on each side, kept to the editable cells (corners may come
// from outside the map).
CellRect grownWithinEditable(const CellRect& rect) {
    const CellRect r = ordered(rect);
    return editablePart(CellRect{r.x1 - 1, r.y1 - 1, r.x2 + 1, r.y2 + 1});
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

// The character a cell shows while keeping its kind: a wall the joins that
// face open ground, else the straight line of its own direction; stone is
// drawn as stone even beside floor.
std::uint8_t keptKindGlyph(const Level& level, int x, int y, int terrain) {
    if (terrain == kStone) return terrainKinds[kStone].glyph;
    const VisibleJoins joins = visibleWallJoins(level, x, y);
    if (joins.any) return joins.ch;
    return wallJoinChars[terrain == kVerticalWall ? 1 : 2];
}

}  // namespace

CellRect settleWalls(Level& level, CellRect rect, Settle how) {
    const CellRect settled = grownWithinEditable(rect);
    for (int y = settled.y1; y <= settled.y2; ++y) {
        for (int x = settled.x1; x <= settled.x2; ++x) {
            MapCell& cell = level.cell(x, y);
            if (!isStoneOrWall(cell.terrain)) continue;
            if (how == Settle::GlyphsOnly && inMapText(level, x, y)) {
                cell.glyph = keptKindGlyph(level, x, y, cell.terrain);
                continue;
            }
            const Settled s = settleCell(level, x, y, cell.terrain);
            // A cell settled into another kind no longer is what the map said.
            if (s.kind != cell.terrain) cell.readSymbol = 0;
            cell.terrain = static_cast<std::int8_t>(s.kind);
            cell.glyph = s.ch;
        }
    }
    return settled;
}

}  // namespace mapedit
