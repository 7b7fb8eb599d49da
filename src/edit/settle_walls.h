#pragma once

#include "model/grid.h"
#include "model/level.h"

namespace mapedit {

// Settles the stone and wall cells of the rectangle grown by one cell into
// the kind and join character their neighbours give them. Returns the cells
// it went over (the grown rectangle within the editable cells, possibly
// empty): every cell it changed lies there.
CellRect settleWalls(Level& level, CellRect rect);

}  // namespace mapedit
