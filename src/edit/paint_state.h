#pragma once

namespace mapedit {

// paintMode bits of the cell painter.
enum PaintMode : int {
    kPaintStore = 1,      // change the cell
    kPaintHighlight = 2,  // draw on colour 15 instead of 0
    kPaintShowCell = 4,   // draw the cell's appearance, not the kind's glyph
    kPaintDefer = 8,      // do not draw; a wall redraw follows
};

// How the cell painter treats the next cells: stored, previewed or wiped.
// The editor puts it back to kPaintStore after every handled message.
struct PaintState {
    int paintMode = kPaintStore;
};

}  // namespace mapedit
