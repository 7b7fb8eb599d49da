#pragma once

#include "model/level.h"
#include "platform/canvas.h"
#include "view/editor_state.h"

namespace mapedit {

// What every drawing operation of the map view works with. The level is
// not const: the wall redraw settles stone and wall kinds as it draws.
struct ViewContext {
    Canvas& canvas;
    Level& level;
    const EditorState& editor;
    const Templates& templates;
};

}  // namespace mapedit
