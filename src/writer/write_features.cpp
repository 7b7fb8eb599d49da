#include <cstddef>

#include "model/format_words.h"
#include "model/grid.h"
#include "model/terrain.h"
#include "writer/sections.h"

namespace mapedit::writer {

namespace {

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
    for (const StairSpotKind& k : kStairSpots) {
        const StairSpot& spot = ctx.settings.*k.spot;
        if (spot.state == kNoStair || !isOnGrid(spot.x, spot.y)) continue;
        const int placement = spot.placement();
        if (!ctx.writesRecord(spot.x, spot.y, placement, spot.readPart)) continue;
        ctx.line.append(k.ladder ? "LADDER: " : "STAIR: ");
        ctx.addPosition(spot.x, spot.y, placement);
        ctx.line.push_back(',');
        ctx.line.append(words::kUpDown[k.down ? 1 : 0]);
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
