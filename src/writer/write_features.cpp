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
    ctx.scanPart([&ctx](int x, int y, const MapCell& cell) {
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
        ctx.endCellLine(x, y);
    });
}

bool writeStairs(WriteContext& ctx) {
    bool wrote = false;
    for (const StairWord& w : kStairWords) {
        const StairSpot& spot = ctx.settings.*w.spot;
        if (spot.state == kNoStair || !ctx.part().contains(spot.x, spot.y)) continue;
        if (!isOnGrid(spot.x, spot.y) || ctx.isWrittenCell(spot.x, spot.y)) continue;
        ctx.line.append(w.keyword);
        ctx.addPosition(spot.x, spot.y, placementOfStair(spot.state));
        ctx.line.push_back(',');
        ctx.line.append(words::kUpDown[w.down]);
        ctx.endLine();
        ctx.markPending(spot.x, spot.y);
        wrote = true;
    }
    return wrote;
}

bool writeFountainsAndSinks(WriteContext& ctx) {
    bool wrote = false;
    ctx.scanPart([&](int x, int y, const MapCell& cell) {
        if (cell.terrain != kFountain && cell.terrain != kKitchenSink) return;
        ctx.line.append(cell.terrain == kFountain ? "FOUNTAIN: " : "SINK: ");
        ctx.addCellPosition(x, y);
        ctx.endCellLine(x, y);
        wrote = true;
    });
    return wrote;
}

bool writeAltars(WriteContext& ctx) {
    bool wrote = false;
    ctx.scanPart([&](int x, int y, const MapCell& cell) {
        if (cell.terrain != kAltar) return;
        ctx.line.append("ALTAR: ");
        ctx.addCellPosition(x, y);
        ctx.line.push_back(',');
        ctx.line.append(words::wordAt(words::kAlignments, cell.detail & 15, "random"));
        ctx.line.push_back(',');
        ctx.line.append(words::wordAt(words::kAltarTypes, cell.detail >> 4, "altar"));
        ctx.endCellLine(x, y);
        wrote = true;
    });
    return wrote;
}

bool writeDoors(WriteContext& ctx) {
    bool wrote = false;
    ctx.scanPart([&](int x, int y, const MapCell& cell) {
        if (!isWrittenDoor(cell)) return;
        ctx.line.append("DOOR: ");
        ctx.line.append(words::wordAt(words::kDoorStates, cell.detail, "random"));
        ctx.line.push_back(',');
        ctx.addCellPosition(x, y);
        ctx.endCellLine(x, y);
        wrote = true;
    });
    return wrote;
}

}  // namespace mapedit::writer
