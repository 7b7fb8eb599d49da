#pragma once

#include "edit/paint.h"
#include "edit/settle_walls.h"
#include "model/grid.h"

namespace mapedit {

// Settles stone and wall cells of the rectangle grown by one cell, as `how`
// allows, and draws the cells it went over.
void wallRedraw(PaintContext& p, const CellRect& rect, Settle how);

}  // namespace mapedit
