// DOOR, LADDER, ALTAR, FOUNTAIN, SINK, DRAWBRIDGE, MAZEWALK and ENGRAVING:
// statements that change a cell itself or put a marker on it.

#include <string>

#include "model/format_words.h"
#include "model/level.h"
#include "model/terrain.h"
#include "reader/cell_choice.h"
#include "reader/location_rules.h"
#include "reader/messages.h"
#include "reader/statements.h"

namespace mapedit {

namespace {

constexpr const char* kIllegalDoorState = "Illegal door state";
constexpr const char* kLocationMissing = "Location missing";
constexpr const char* kInvalidLadderDirection = "Invalid ladder direction";
constexpr const char* kInvalidAlignment = "Invalid alignment";
constexpr const char* kInvalidAltarType = "Invalid altar type";
constexpr const char* kDirectionMissing = "Direction missing";
constexpr const char* kBridgeStateMissing = "Bridge state missing";
constexpr const char* kIllegalDirection = "Illegal direction";
constexpr const char* kEngraveTypeMissing = "Engrave type missing";
constexpr const char* kInvalidEngraveType = "Invalid engrave type";

constexpr int kFeatureConditions = kNotFeature;
constexpr int kDrawbridgeConditions = kNoTrap | kNotFeature;

bool failWith(ReaderState& s, const char* message) {
    s.message = message;
    return false;
}

// ':' and the location, the common head of the feature statements.
bool readColonAndLocation(ReaderState& s, StatementLocation& where) {
    s.message = msg::kMissingColon;
    return expect(s, ':') && readStatementLocation(s, where);
}

// Sets the terrain of a feature cell given by coordinates, a random cell or
// a random place; a random location that finds no cell changes nothing.
bool placeFeature(ReaderState& s, const StatementLocation& where, int conditions, int kind) {
    int x = 0, y = 0, state = 0;
    const FeatureCell found = resolveFeatureCell(s, where, conditions, x, y, state);
    if (found == FeatureCell::Rejected) return false;
    if (found == FeatureCell::Found) {
        s.level.putFeature(x, y, kind);
        noteCellStatement(s, kind, where, x, y);
    }
    return true;
}

// Where an engraving stands. It changes no cell, so a random one takes
// none and coordinates off the grid are kept as they are.
bool placeEngraving(ReaderState& s, const StatementLocation& where, Engraving& engraving) {
    if (where.isCoordinate) {
        engraving.x = where.x;
        engraving.y = where.y;
        engraving.placement = kAtPosition;
        return true;
    }
    switch (where.x) {
        case kLocationRandom:
            engraving.placement = kPlacedRandom;
            return true;
        case kLocationPlace:
            engraving.placement = kAtRandomPlace;
            engraving.place = where.y;
            return placeEntryCell(s, where.y, engraving.x, engraving.y);
        case kLocationContained:
            engraving.placement = kContained;
            engraving.x = s.lastObjectX;
            engraving.y = s.lastObjectY;
            return true;
        default:
            return failWith(s, msg::kInvalidLocation);
    }
}

bool readFountainOrSink(ReaderState& s, int kind) {
    StatementLocation where;
    if (!readColonAndLocation(s, where)) return false;
    if (!endOfStatement(s, msg::kTooManyArguments)) return false;
    return placeFeature(s, where, kFeatureConditions, kind);
}

// Altar alignment: a word of alignmentOf, with align followed by [0..2].
bool readAltarAlignment(ReaderState& s, int& alignment) {
    s.message = kInvalidAlignment;
    std::string word;
    if (!expect(s, ',') || !readWord(s, word, 16)) return false;
    alignment = alignmentOf(word);
    if (alignment < 0) return false;
    if (alignment != words::kFirstShuffledAlignment) return true;
    int n = 0;
    if (!readListIndex(s, n)) return false;
    if (n > 2) return failWith(s, kInvalidAlignment);
    alignment = words::kFirstShuffledAlignment + n;
    return true;
}

}  // namespace

bool readDoorStatement(ReaderState& s) {
    s.message = msg::kMissingColon;
    if (!expect(s, ':')) return false;
    int state = 0;
    if (!readListedWord(s, words::kDoorStates, 16, kIllegalDoorState, state)) return false;
    s.message = kLocationMissing;
    StatementLocation where;
    if (!expect(s, ',') || !readStatementLocation(s, where)) return false;
    if (!endOfStatement(s, msg::kTooManyArguments)) return false;

    // A door stands at fixed coordinates only.
    if (!where.isCoordinate) return failWith(s, msg::kInvalidLocation);
    if (!checkOnGrid(s, where.x, where.y)) return false;
    MapCell& cell = s.level.cell(where.x, where.y);
    const int kind = cell.terrain == kSecretDoor ? kSecretDoor : kDoorway;
    s.level.putFeature(where.x, where.y, kind);
    cell.detail = static_cast<std::uint8_t>(state);
    noteCellStatement(s, kDoorway, where, where.x, where.y);
    return true;
}

bool readLadderStatement(ReaderState& s) {
    StatementLocation where;
    if (!readColonAndLocation(s, where)) return false;
    s.message = kInvalidLadderDirection;
    int down = 0;
    if (!expect(s, ',') || !readUpDown(s, down)) return false;
    if (!endOfStatement(s, msg::kTooManyArguments)) return false;

    LevelSettings& settings = s.level.settings;
    return down ? placeStairSpot(s, where, settings.ladderDown, kLadderDown)
                : placeStairSpot(s, where, settings.ladderUp, kLadderUp);
}

bool readAltarStatement(ReaderState& s) {
    StatementLocation where;
    if (!readColonAndLocation(s, where)) return false;
    int alignment = 0;
    if (!readAltarAlignment(s, alignment)) return false;
    s.message = kInvalidAltarType;
    int type = 0;
    if (!expect(s, ',') || !readListedWord(s, words::kAltarTypes, 16, kInvalidAltarType, type)) {
        return false;
    }
    if (!endOfStatement(s, msg::kTooManyArguments)) return false;

    int x = 0, y = 0, state = 0;
    const FeatureCell found = resolveFeatureCell(s, where, kFeatureConditions, x, y, state);
    if (found != FeatureCell::Found) return found == FeatureCell::NoneQualifies;
    s.level.putFeature(x, y, kAltar);
    s.level.cell(x, y).detail = static_cast<std::uint8_t>(alignment + 16 * type);
    noteCellStatement(s, kAltar, where, x, y);
    return true;
}

bool readFountainStatement(ReaderState& s) {
    return readFountainOrSink(s, kFountain);
}

bool readSinkStatement(ReaderState& s) {
    return readFountainOrSink(s, kKitchenSink);
}

bool readDrawbridgeStatement(ReaderState& s) {
    StatementLocation where;
    if (!readColonAndLocation(s, where)) return false;
    s.message = kDirectionMissing;
    int direction = 0;
    if (!expect(s, ',') || !readDirection(s, direction)) return false;
    s.message = kBridgeStateMissing;
    int closed = 0;
    if (!expect(s, ',') ||
        !readListedWord(s, words::kBridgeStates, 8, kBridgeStateMissing, closed)) {
        return false;
    }
    if (!endOfStatement(s, msg::kTooManyArguments)) return false;

    int x = 0, y = 0, state = 0;
    const FeatureCell found = resolveFeatureCell(s, where, kDrawbridgeConditions, x, y, state);
    if (found != FeatureCell::Found) return found == FeatureCell::NoneQualifies;
    s.level.cell(x, y).overlay = drawbridgeOverlay(direction, closed);
    noteCellStatement(s, kDrawbridgeKind, where, x, y);
    return true;
}

bool readMazewalkStatement(ReaderState& s) {
    StatementLocation where;
    if (!readColonAndLocation(s, where)) return false;
    // A mazewalk starts at fixed coordinates; the location codes are negative.
    if (where.x < 0) return failWith(s, kIllegalDirection);
    s.message = kDirectionMissing;
    int direction = 0;
    if (!expect(s, ',') || !readDirection(s, direction)) return false;
    if (!endOfStatement(s, msg::kTooManyArguments)) return false;

    if (!checkOnGrid(s, where.x, where.y)) return false;
    s.level.cell(where.x, where.y).overlay = mazewalkOverlay(direction);
    noteCellStatement(s, kMazewalkKind, where, where.x, where.y);
    return true;
}

bool readEngravingStatement(ReaderState& s) {
    StatementLocation where;
    if (!readColonAndLocation(s, where)) return false;
    s.message = kEngraveTypeMissing;
    if (!expect(s, ',')) return false;
    Engraving engraving;
    if (!readListedWord(s, words::kEngraveTypes, 16, kInvalidEngraveType, engraving.type)) {
        return false;
    }
    if (!expect(s, ',')) return false;
    s.message = msg::kSyntaxError;
    std::string text;
    if (!readString(s, text, static_cast<int>(MessageText::capacity()) + 1)) return false;
    if (!endOfStatement(s, msg::kTooManyArguments)) return false;

    engraving.readPart = s.currentPart;
    if (!placeEngraving(s, where, engraving)) return false;
    engraving.text.assign(text);
    s.level.engravings.push_back(engraving);
    return true;
}

}  // namespace mapedit
