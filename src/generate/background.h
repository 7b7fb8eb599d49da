#pragma once

#include "generate/random.h"
#include "model/level.h"

namespace mapedit {

// Builds the background grid for the level's fill mode (maze grid, plain
// filling or cave) and turns it into terrain of columns 1..79, sparing the
// rectangles of the map parts' map texts when keepParts is set. detail, overlay and
// placements are left alone.
void applyBackground(Level& level, Random& random, bool keepParts);

// The model half of "Refresh background": applyBackground with the map
// parts kept, then every mazewalk marker walked again. The caller redraws.
void regenerateBackground(Level& level, Random& random);

}  // namespace mapedit
