#pragma once

#include "edit/paint_state.h"
#include "resources/toolbar.h"
#include "view/view_state.h"

namespace mapedit {

// The editor's own state: what the view shows (kind, variant, view
// switches, selection, drag), how the painter treats the next cells, and the
// tool. Later layers (mouse protocol, file commands, dialogs) extend it.
struct EditorState : ViewState, PaintState {
    Tool currentTool = Tool::Pen;
};

}  // namespace mapedit
