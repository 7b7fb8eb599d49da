#pragma once

#include "model/grid.h"
#include "view/view_context.h"

namespace mapedit {

// Draws the cells that a wall settling went over: stone and walls plain,
// without dimming or highlights (the next full redraw adds them), every
// other cell as redrawCell draws it. Cells off the editable grid are skipped.
void drawSettledCells(ViewContext& v, const CellRect& settled);

}  // namespace mapedit
