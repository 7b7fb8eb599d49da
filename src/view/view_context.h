#pragma once

#include "model/level.h"
#include "platform/canvas.h"
#include "view/view_state.h"

namespace mapedit {

// What every drawing operation of the map view works with. The view only
// reads the level; whatever changes it reports the cells to draw.
struct ViewContext {
    Canvas& canvas;
    const Level& level;
    const ViewState& state;
    const Templates& templates;
};

}  // namespace mapedit
