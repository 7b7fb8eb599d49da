#pragma once

#include <string>

#include "model/level.h"

namespace mapedit {

// What the status line says of cell (x, y): where it lies in the file's
// terms (the map part that holds it and the coordinates its statements
// use there), its terrain, and what is placed on it, with names.
std::string cellReadout(const Level& level, int x, int y);

}  // namespace mapedit
