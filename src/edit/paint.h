#pragma once

#include "edit/paint_state.h"
#include "view/view_context.h"

namespace mapedit {

// What the cell painter and the shapes work with. The mode (PaintMode
// bits) says whether the cells are stored, previewed or wiped; the view
// state how the cells drawn are shown.
struct PaintContext {
    Canvas& canvas;
    Level& level;
    const ViewState& viewState;
    const Templates& templates;
    int mode = kPaintStore;

    ViewContext view() const { return ViewContext{canvas, level, viewState, templates}; }
    // The same context painting in another mode.
    PaintContext withMode(int otherMode) const {
        return PaintContext{canvas, level, viewState, templates, otherMode};
    }
};

// Puts one terrain kind or placement into a cell and/or draws it, as the
// context's mode says.
void paintCell(PaintContext& p, int x, int y, int kind);

}  // namespace mapedit
