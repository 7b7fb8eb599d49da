#pragma once

#include "reader/scanner.h"

namespace mapedit {

// A location as a statement read it. A coordinate pair left of or above the
// grid can carry the same x as a location code, so the form is kept apart
// from the numbers.
struct StatementLocation {
    int x = 0, y = 0;
    bool isCoordinate = false;
};

// readLocation, remembering whether the location was written as coordinates.
bool readStatementLocation(ReaderState& s, StatementLocation& out);

// Entry n of the random places as a cell of the grid. An entry the level has
// not set, or one off the grid, fails with "Invalid location".
bool placeEntryCell(ReaderState& s, int n, int& x, int& y);

// The cell of a placed record (object, monster, trap) and how it was given.
struct PlacementRule {
    int randomConditions;         // pickRandomCell conditions for "random"
    const char* noCellMessage;    // reported when no cell qualifies
    bool allowContained = false;  // objects only
};
bool resolvePlacement(ReaderState& s, const StatementLocation& where, const PlacementRule& rule,
                      int& x, int& y, int& placement);

// The cell of a feature (stair, ladder, altar, fountain, sink, drawbridge).
enum class FeatureCell { Found, NoneQualifies, Rejected };
// `state` is that of a StairSpot: 1 coordinates, -1 random, 2 random place.
// "contained" is rejected; a random location that finds no cell is not an
// error, the statement then changes nothing.
FeatureCell resolveFeatureCell(ReaderState& s, const StatementLocation& where, int randomConditions,
                               int& x, int& y, int& state);

}  // namespace mapedit
