#pragma once

// What the game builds from a level, as far as the model shows it: the
// facts a saved file must keep for the game to make the same level of it.
// Text that says the same thing another way (blanks, number forms, the
// order of statements of different kinds within a part) leaves the facts
// alike; a changed map cell, a lost door, regions in another order or an
// exclusion paired with the wrong area does not.

#include <string>
#include <vector>

#include "model/level.h"

namespace mapedit::test {

// One line per fact, in an order that only what the game is sensitive to
// decides: the parts in order, each part's cells row by row, and per part
// the statements of each kind in reading order.
std::vector<std::string> gameMeaning(const Level& level);

// The two lists of facts as a short diff ("- " only in before, "+ " only
// in after) with a little context; empty when they are equal.
std::string meaningDiff(const std::vector<std::string>& before,
                        const std::vector<std::string>& after);

}  // namespace mapedit::test
