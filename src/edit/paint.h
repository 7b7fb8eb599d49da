#pragma once

#include "edit/paint_state.h"
#include "view/view_context.h"

namespace mapedit {

// What the cell painter and the shapes work with. The paint state decides
// whether a call stores, previews or wipes; the view state how the cells
// it draws are shown.
struct PaintContext {
    Canvas& canvas;
    Level& level;
    PaintState& paint;
    const ViewState& viewState;
    const Templates& templates;

    ViewContext view() const { return ViewContext{canvas, level, viewState, templates}; }
};

// Sets the defer bit of paintMode for stone and the two wall kinds.
void markDeferredDraw(PaintState& paint, int kind);
// Puts one terrain kind or placement into a cell and/or draws it.
void paintCell(PaintContext& p, int x, int y, int kind);

}  // namespace mapedit
