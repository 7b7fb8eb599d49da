#include "reader/location_rules.h"

#include "model/level.h"
#include "reader/cell_choice.h"
#include "reader/messages.h"

namespace mapedit {

namespace {

bool rejectLocation(ReaderState& s) {
    s.message = msg::kInvalidLocation;
    return false;
}

}  // namespace

bool readStatementLocation(ReaderState& s, StatementLocation& out) {
    skipBlanks(s);
    out.isCoordinate = peekChar(s) == '(';
    return readLocation(s, out.x, out.y);
}

bool placeEntryCell(ReaderState& s, int n, int& x, int& y) {
    // The list may come after the statements that use it: an entry not set
    // yet reads as it stands, (0, 0). Only an index outside the list fails.
    if (n < 0 || n >= kMaxListEntries) return rejectLocation(s);
    randomPlaceCell(s, n, x, y);
    return checkOnGrid(s, x, y);
}

bool readPlacementHead(ReaderState& s, const char* listWord, PlacementHead& head) {
    if (!readChance(s, head.chance)) return false;
    s.message = msg::kMissingColon;
    if (!expect(s, ':') || !readSymbol(s, head.symbol, listWord)) return false;
    s.message = msg::kMissingComma;
    if (!expect(s, ',') || !readString(s, head.name, 64)) return false;
    s.message = msg::kMissingComma;
    return expect(s, ',') && readStatementLocation(s, head.where);
}

bool resolvePlacement(ReaderState& s, const StatementLocation& where, const PlacementRule& rule,
                      int& x, int& y, int& placement) {
    if (where.isCoordinate) {
        x = where.x;
        y = where.y;
        placement = kAtPosition;
        return checkOnGrid(s, x, y);
    }
    switch (where.x) {
        case kLocationRandom:
            placement = kPlacedRandom;
            s.message = rule.noCellMessage;
            return pickRandomCell(s, x, y, rule.randomConditions) && checkOnGrid(s, x, y);
        case kLocationPlace:
            placement = kAtRandomPlace;
            return placeEntryCell(s, where.y, x, y);
        case kLocationContained:
            if (!rule.allowContained) return rejectLocation(s);
            placement = kContained;
            x = s.lastObjectX;
            y = s.lastObjectY;
            return checkOnGrid(s, x, y);
        default:
            return rejectLocation(s);
    }
}

FeatureCell resolveFeatureCell(ReaderState& s, const StatementLocation& where, int randomConditions,
                               int& x, int& y, int& state) {
    bool onGrid = false;
    if (where.isCoordinate) {
        x = where.x;
        y = where.y;
        state = kStairAtPosition;
        onGrid = checkOnGrid(s, x, y);
    } else if (where.x == kLocationRandom) {
        if (!pickRandomCell(s, x, y, randomConditions)) return FeatureCell::NoneQualifies;
        state = kStairPlacedRandom;
        onGrid = checkOnGrid(s, x, y);
    } else if (where.x == kLocationPlace) {
        state = kStairAtRandomPlace;
        onGrid = placeEntryCell(s, where.y, x, y);
    } else {
        rejectLocation(s);
    }
    return onGrid ? FeatureCell::Found : FeatureCell::Rejected;
}

bool placeStairSpot(ReaderState& s, const StatementLocation& where, StairSpot& spot, int kind) {
    int x = 0, y = 0, state = 0;
    const FeatureCell found = resolveFeatureCell(s, where, kNotFeature, x, y, state);
    if (found != FeatureCell::Found) return found == FeatureCell::NoneQualifies;
    const bool random = state == kStairPlacedRandom;
    const int under = random ? s.level.cell(x, y).terrain : 0;
    spot = StairSpot{state, x, y, random ? s.currentPart : kNoReadPart, under};
    s.level.putFeature(x, y, kind);
    noteCellStatement(s, kind, where, x, y);
    return true;
}

void noteCellStatement(ReaderState& s, int kind, const StatementLocation& where, int x, int y) {
    CellStatement statement;
    statement.kind = kind;
    statement.x = x;
    statement.y = y;
    if (!where.isCoordinate && where.x == kLocationRandom) {
        statement.placement = kPlacedRandom;
    } else if (!where.isCoordinate && where.x == kLocationPlace) {
        statement.placement = kAtRandomPlace;
        statement.place = where.y;
    }
    statement.readPart = s.currentPart;
    statement.readOrder = s.statementOrder;
    s.level.cellStatements.push_back(statement);
}

}  // namespace mapedit
