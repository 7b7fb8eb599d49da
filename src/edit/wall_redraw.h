#pragma once

#include "edit/paint.h"
#include "model/grid.h"

namespace mapedit {

// Settles stone and wall cells of the rectangle grown by one cell into
// their kinds and join characters, and draws the cells it went over.
void wallRedraw(PaintContext& p, const CellRect& rect);

}  // namespace mapedit
