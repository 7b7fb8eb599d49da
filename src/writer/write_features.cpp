#include <array>
#include <cstddef>

#include "model/format_words.h"
#include "model/terrain.h"
#include "writer/sections.h"

namespace mapedit::writer {

namespace {

struct StairWord {
    StairSpot LevelSettings::*spot;
    std::string_view keyword;
    std::size_t down;  // index into words::kUpDown
};

constexpr std::array<StairWord, 4> kStairWords = {{
    {&LevelSettings::stairUp, "STAIR: ", 0},
    {&LevelSettings::stairDown, "STAIR: ", 1},
    {&LevelSettings::ladderUp, "LADDER: ", 0},
    {&LevelSettings::ladderDown, "LADDER: ", 1},
}};

// How a stair spot's state is written: fixed, random, or a random place.
int placementOfStair(int state) {
    switch (state) {
        case kStairAtPosition:
            return kAtPosition;
        case kStairPlacedRandom:
            return kPlacedRandom;
        default:
            return kAtRandomPlace;
    }
}

// A closed secret door reads back from its 'S' in the map.
bool isWrittenDoor(const MapCell& cell) {
    return cell.terrain == kDoorway || (cell.terrain == kSecretDoor && cell.detail != 1);
}

}  // namespace

void writeMarkers(WriteContext& ctx) {
    ctx.scanHomeCells([&ctx](int x, int y, const MapCell& cell) {
        if (cell.overlay == 0) return;
        const bool bridge = markerType(cell.overlay) == 1;
        ctx.line.append(bridge ? "DRAWBRIDGE: " : "MAZEWALK: ");
        ctx.addCellPosition(x, y);
        ctx.line.push_back(',');
        ctx.line.append(
            words::kDirections[static_cast<std::size_t>(markerDirection(cell.overlay))]);
        if (bridge) {
            const bool closed = (cell.overlay & kDrawbridgeClosed) != 0;
            ctx.line.push_back(',');
            ctx.line.append(words::kBridgeStates[closed ? 1 : 0]);
        }
        ctx.endLine();
    });
}

bool writeStairs(WriteContext& ctx) {
    bool wrote = false;
    for (const StairWord& w : kStairWords) {
        const StairSpot& spot = ctx.settings.*w.spot;
        if (spot.state == kNoStair || !isOnGrid(spot.x, spot.y)) continue;
        const int placement = placementOfStair(spot.state);
        if (!ctx.writesRecord(spot.x, spot.y, placement, spot.readPart)) continue;
        ctx.line.append(w.keyword);
        ctx.addPosition(spot.x, spot.y, placement);
        ctx.line.push_back(',');
        ctx.line.append(words::kUpDown[w.down]);
        ctx.endLine();
        wrote = true;
    }
    return wrote;
}

bool writeFountainsAndSinks(WriteContext& ctx) {
    bool wrote = false;
    ctx.scanHomeCells([&](int x, int y, const MapCell& cell) {
        if (cell.terrain != kFountain && cell.terrain != kKitchenSink) return;
        ctx.line.append(cell.terrain == kFountain ? "FOUNTAIN: " : "SINK: ");
        ctx.addCellPosition(x, y);
        ctx.endLine();
        wrote = true;
    });
    return wrote;
}

bool writeAltars(WriteContext& ctx) {
    bool wrote = false;
    ctx.scanHomeCells([&](int x, int y, const MapCell& cell) {
        if (cell.terrain != kAltar) return;
        ctx.line.append("ALTAR: ");
        ctx.addCellPosition(x, y);
        ctx.line.push_back(',');
        ctx.line.append(words::wordAt(words::kAlignments, cell.detail & 15, "random"));
        ctx.line.push_back(',');
        ctx.line.append(words::wordAt(words::kAltarTypes, cell.detail >> 4, "altar"));
        ctx.endLine();
        wrote = true;
    });
    return wrote;
}

bool writeDoors(WriteContext& ctx) {
    bool wrote = false;
    ctx.scanHomeCells([&](int x, int y, const MapCell& cell) {
        // Outside the map parts a door is background, which is not saved.
        if (!isWrittenDoor(cell) || ctx.holdingPart(x, y) != ctx.writePart) return;
        ctx.line.append("DOOR: ");
        ctx.line.append(words::wordAt(words::kDoorStates, cell.detail, "random"));
        ctx.line.push_back(',');
        ctx.addCellPosition(x, y);
        ctx.endLine();
        wrote = true;
    });
    return wrote;
}

}  // namespace mapedit::writer
