#pragma once

#include "model/wall_joins.h"

namespace mapedit {

// The bits of PaintContext::mode: what the cell painter does with a cell.
enum PaintMode : int {
    kPaintStore = 1,      // change the cell
    kPaintHighlight = 2,  // draw on colour 15 instead of 0
    kPaintShowCell = 4,   // draw the cell's appearance, not the kind's glyph
    kPaintDefer = 8,      // do not draw; a wall redraw follows
};

// The mode of storing `kind`: stone and walls are not drawn, since the
// wall redraw that follows settles and draws them.
constexpr int deferredFor(int mode, int kind) {
    return isStoneOrWall(kind) ? mode | kPaintDefer : mode;
}

}  // namespace mapedit
