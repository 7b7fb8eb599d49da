#pragma once

#include "generate/random.h"
#include "model/level.h"

namespace mapedit {

// Carves a maze of floor into the stone around (x, y), depth first.
void walkFrom(Level& level, Random& random, int x, int y);
// Moves a marker's start to odd coordinates and carves from it, heading
// first in direction d (0 north, 1 east, 2 south, 3 west).
void startMazewalk(Level& level, Random& random, int x, int y, int d);

}  // namespace mapedit
