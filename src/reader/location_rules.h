#pragma once

#include <string>

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

// Entry n of the random places as a cell of the grid, as the entry stands
// now (an entry not set yet is (0, 0)); an entry off the grid fails with
// "Invalid location".
bool placeEntryCell(ReaderState& s, int n, int& x, int& y);

// The leading arguments shared by OBJECT, CONTAINER and MONSTER:
// [chance] ':' symbol ',' name ',' location.
struct PlacementHead {
    int chance = 100;
    int symbol = 0;
    std::string name;
    StatementLocation where;
};
bool readPlacementHead(ReaderState& s, const char* listWord, PlacementHead& head);

// The cell of a placed record (object, monster, trap) and how it was given.
struct PlacementRule {
    int randomConditions;         // pickRandomCell conditions for "random"
    const char* noCellMessage;    // reported when no cell qualifies
    bool allowContained = false;  // objects only
};
bool resolvePlacement(ReaderState& s, const StatementLocation& where, const PlacementRule& rule,
                      int& x, int& y, int& placement);
// Notes where a record was read: the current part, which the writer keeps
// it with, its statement's place in reading order, and the list entry of
// a random place (two entries may name one cell).
template <class Record>
void noteReadPart(ReaderState& s, Record& record, const StatementLocation& where) {
    record.readPart = s.currentPart;
    record.readOrder = s.statementOrder;
    if (record.placement == kAtRandomPlace) record.place = where.y;
}

// Keeps the statement that put a feature (or marker) of `kind` on a cell.
void noteCellStatement(ReaderState& s, int kind, const StatementLocation& where, int x, int y);

// The cell of a feature (stair, ladder, altar, fountain, sink, drawbridge).
enum class FeatureCell { Found, NoneQualifies, Rejected };
// `state` is the StairState of the location's form.
// "contained" is rejected; a random location that finds no cell is not an
// error, the statement then changes nothing.
FeatureCell resolveFeatureCell(ReaderState& s, const StatementLocation& where, int randomConditions,
                               int& x, int& y, int& state);

// Puts a stair or ladder of `kind` on its cell, records it in `spot` and
// keeps its statement.
// A random location that finds no cell succeeds and changes nothing.
bool placeStairSpot(ReaderState& s, const StatementLocation& where, StairSpot& spot, int kind);

}  // namespace mapedit
