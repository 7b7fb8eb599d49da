#pragma once

#include "model/level.h"

namespace mapedit::test {

// The levels whose written text is kept in tests/data/writer/<name>.des.
void buildMinimal(Level& level);
void buildTwoParts(Level& level);
void buildAreas(Level& level);
void buildFeatures(Level& level);
void buildPlacements(Level& level);
void buildTavrel(Level& level);

}  // namespace mapedit::test
