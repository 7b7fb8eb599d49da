#pragma once

#include "model/level.h"

namespace mapedit {

// Sets color and label of an area from its kind and param. Map-part
// outlines (kind 22) and the unused kind 21 keep the colour their creator set.
void styleArea(AreaRecord& area);

}  // namespace mapedit
