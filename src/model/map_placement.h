#pragma once

namespace mapedit {

struct PartOrigin {
    int x = 0;
    int y = 0;
};

// The top-left cell of a map of width x height text placed by its
// alignments: both coordinates are made odd, and a map that would leave the
// grid vertically is moved back by two rows once. The result may still lie
// off the grid; the caller checks.
PartOrigin mapPartOrigin(int halign, int valign, int width, int height);

// Whether the rectangle of that size at the origin lies on the grid.
bool mapPartFits(PartOrigin origin, int width, int height);

}  // namespace mapedit
