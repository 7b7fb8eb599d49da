#pragma once

#include "model/level.h"

namespace mapedit {

// Sets color and label of an area from its kind and param. Map-part
// outlines and kind 21, which nothing makes, keep the colour their creator
// set.
void styleArea(AreaRecord& area);

}  // namespace mapedit
