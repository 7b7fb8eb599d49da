#pragma once

#include "view/view_context.h"

namespace mapedit {

// What the cell painter and the shapes work with. paintMode of the editor
// state decides whether a call stores, previews or wipes.
struct PaintContext {
    Canvas& canvas;
    Level& level;
    EditorState& editor;
    const Templates& templates;

    ViewContext view() { return ViewContext{canvas, level, editor, templates}; }
};

// Sets the defer bit of paintMode for stone and the two wall kinds.
void markDeferredDraw(EditorState& editor, int kind);
// Puts one terrain kind or placement into a cell and/or draws it.
void paintCell(PaintContext& p, int x, int y, int kind);

}  // namespace mapedit
