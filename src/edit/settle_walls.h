#pragma once

#include "model/grid.h"
#include "model/level.h"

namespace mapedit {

// What a settling may change. Kinds is for what the designer paints: the
// stone and wall cells take the kind and join character their neighbours
// give them. GlyphsOnly is for cells merely opened, refreshed or redrawn:
// inside the map text they keep the kind they were read with (a rock cell
// beside a path stays rock in the saved map) and only their join character
// follows the neighbours; the background, which is never saved, settles as
// painted cells do so that its picture stays the same.
enum class Settle { Kinds, GlyphsOnly };

// Settles the stone and wall cells of the rectangle grown by one cell, as
// `how` allows. Returns the cells it went over (the grown rectangle within
// the editable cells, possibly empty): every cell it changed lies there.
CellRect settleWalls(Level& level, CellRect rect, Settle how);

}  // namespace mapedit
