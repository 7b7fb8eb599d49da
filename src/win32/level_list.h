#pragma once

#include <span>

#include "platform/level_choice.h"

namespace mapedit {

// The first level that can be edited, or -1.
int firstEditableLevel(std::span<const LevelChoice> levels);

// Where the level list's selection settles when the user moves it from
// `previous` to `wanted`: levels that cannot be edited cannot be selected.
// A click on one leaves the selection where it was; a key that lands on
// one (an arrow, Home, End, a page) goes on in its direction to the next
// level that can be edited, or comes back toward `previous`.
int settledLevel(std::span<const LevelChoice> levels, int previous, int wanted, bool clicked);

}  // namespace mapedit
