#include <array>

#include "model/terrain.h"
#include "writer/sections.h"
#include "writer/writer_words.h"

namespace mapedit::writer {

namespace {

struct StairWord {
    StairSpot LevelSettings::*spot;
    std::string_view keyword;
    std::string_view direction;
};

constexpr std::array<StairWord, 4> kStairWords = {{
    {&LevelSettings::stairUp, "STAIR: ", ",up\n"},
    {&LevelSettings::stairDown, "STAIR: ", ",down\n"},
    {&LevelSettings::ladderUp, "LADDER: ", ",up\n"},
    {&LevelSettings::ladderDown, "LADDER: ", ",down\n"},
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
        ctx.line.append(kDirectionWords[static_cast<std::size_t>(markerDirection(cell.overlay))]);
        if (bridge) ctx.line.append((cell.overlay & kDrawbridgeClosed) != 0 ? ",closed" : ",open");
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
        ctx.line.append(w.direction);
        ctx.emitLine();
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
        ctx.line.append(wordAt(kAlignmentWords, cell.detail & 15, "random"));
        ctx.line.push_back(',');
        ctx.line.append(wordAt(kAltarTypeWords, cell.detail >> 4, "altar"));
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
        ctx.line.append(wordAt(kDoorStateWords, cell.detail, "random"));
        ctx.line.push_back(',');
        ctx.addCellPosition(x, y);
        ctx.endCellLine(x, y);
        wrote = true;
    });
    return wrote;
}

}  // namespace mapedit::writer
