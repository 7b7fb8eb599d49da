#pragma once

#include "model/level.h"

namespace mapedit {

struct PartOrigin {
    int x = 0;
    int y = 0;
};

// The top-left cell of a map of width x height text placed by its
// alignments: both coordinates are made odd, and a map that would leave the
// grid vertically is moved back by two rows once. The result may still lie
// off the grid; the caller checks.
PartOrigin mapPartOrigin(PartAlignment alignment, int width, int height);

// Whether the rectangle of that size at the origin lies on the grid.
bool mapPartFits(PartOrigin origin, int width, int height);

// Gives the part its alignments, size and the rectangle they place it at.
// False, with the part unchanged, when that place would leave the grid.
bool placeMapPart(MapPart& part, PartAlignment alignment, int width, int height);

}  // namespace mapedit
