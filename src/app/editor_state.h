#pragma once

#include "resources/toolbar.h"
#include "view/view_state.h"

namespace mapedit {

// What the mouse protocol remembers between messages, whatever the tool.
struct MouseState {
    CellPos lastCell;           // the cell of the last press, move or release heard
    CellPos previousSelection;  // the selected cell before the last press
    // Set by a double click: the release after it ends nothing.
    bool doubleClickGuard = false;
};

// The editor's own state: what the view shows (kind, variant, view
// switches, selection, drag flag), the tool, the mouse, and where the next
// new areas and parts go. The level and its file are the document's.
struct EditorState : ViewState {
    Tool currentTool = Tool::Pen;
    MouseState mouse;
    int newAreaCascade = 0;  // position step of the next Region-menu area, 0..7
    int currentPart = -1;    // the map part New geometry and dialogs last placed
};

}  // namespace mapedit
