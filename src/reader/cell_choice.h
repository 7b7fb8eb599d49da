#pragma once

#include "reader/scanner.h"

namespace mapedit {

// Conditions of pickRandomCell.
enum CellCondition : int {
    kNoMonster = 1,
    kNoObject = 2,
    kNoTrap = 4,
    kNotFeature = 8,
    kOnGround = 16,  // floor, corridor, ice, open air or cloud
    kInWater = 32,   // moat, pool, bog, lava, or a kept 'W' (water)
};

// A random qualifying cell of the current map part (walkable, or water for
// kInWater, plus the condition bits); false when none qualifies or the
// part is empty.
bool pickRandomCell(ReaderState& s, int& x, int& y, int conditions);
// Entry n of the random places as the level holds it now (bytes taken as signed).
void randomPlaceCell(const ReaderState& s, int n, int& x, int& y);
// Fails with "Invalid location" unless (x, y) lies on the grid.
bool checkOnGrid(ReaderState& s, int x, int y);

}  // namespace mapedit
