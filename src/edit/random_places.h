#pragma once

#include "model/level.h"

namespace mapedit {

// The level's random places: up to ten cells listed in the settings, each
// at most once.

// Lists the cell when the list has room.
void appendRandomPlace(LevelSettings& s, int x, int y);
// Moves entry `index` to the cell; an index past the list's slots changes
// nothing.
void moveRandomPlace(LevelSettings& s, int index, int x, int y);
// Removes entry `index`; the last entry takes its slot.
void removeRandomPlace(LevelSettings& s, int index);

}  // namespace mapedit
