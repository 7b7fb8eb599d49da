// Statements that put a feature on a cell or mark it. Those read from the
// file and still standing come first, in the order they were read, as they
// were given (at a cell, at random, at a random place); then every other
// cell of the part that holds such a feature and whose map character does
// not already say it.
#include <algorithm>
#include <cstddef>
#include <initializer_list>

#include "model/format_words.h"
#include "model/grid.h"
#include "model/terrain.h"
#include "writer/sections.h"

namespace mapedit::writer {

namespace {

bool isOneOf(int kind, std::initializer_list<int> kinds) {
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

// Writes the kept statements of the part being written whose kind is one
// of `kinds`: `write` builds the line of one.
template <class Write>
bool writeKept(WriteContext& ctx, std::initializer_list<int> kinds, Write write) {
    bool wrote = false;
    for (const WriteContext::KeptStatement& k : ctx.keptStatements()) {
        if (k.part != ctx.writePart || !isOneOf(k.statement->kind, kinds)) continue;
        write(*k.statement);
        ctx.endLine();
        wrote = true;
    }
    return wrote;
}

// A cell whose feature no kept statement and no map character states.
bool needsStatement(const WriteContext& ctx, int x, int y, int kind) {
    return !ctx.statementCovers(x, y, kind) && !ctx.mapSays(x, y);
}

// A closed secret door reads back from its 'S' in the map.
bool isWrittenDoor(const MapCell& cell) {
    return cell.terrain == kDoorway || (cell.terrain == kSecretDoor && cell.detail != 1);
}

void addMarker(WriteContext& ctx, int x, int y, int placement, int place = -1) {
    const std::uint8_t overlay = ctx.level.cell(x, y).overlay;
    const bool bridge = markerType(overlay) == MarkerType::Drawbridge;
    ctx.line.append(bridge ? "DRAWBRIDGE: " : "MAZEWALK: ");
    ctx.addPosition(x, y, placement, place);
    ctx.line.push_back(',');
    ctx.line.append(words::kDirections[static_cast<std::size_t>(markerDirection(overlay))]);
    if (bridge) {
        const bool closed = isDrawbridgeClosed(overlay);
        ctx.line.push_back(',');
        ctx.line.append(words::kBridgeStates[closed ? 1 : 0]);
    }
}

void addStair(WriteContext& ctx, const StairSpotKind& k, int x, int y, int placement,
              int place = -1) {
    ctx.line.append(k.ladder ? "LADDER: " : "STAIR: ");
    ctx.addPosition(x, y, placement, place);
    ctx.line.push_back(',');
    ctx.line.append(words::kUpDown[k.down ? 1 : 0]);
}

const StairSpotKind& stairSpotKind(int terrain) {
    const auto* k =
        std::find_if(kStairSpots.begin(), kStairSpots.end(),
                     [terrain](const StairSpotKind& s) { return s.terrain == terrain; });
    return k != kStairSpots.end() ? *k : kStairSpots[0];
}

void addFountainOrSink(WriteContext& ctx, int x, int y, int placement, int place = -1) {
    const bool fountain = ctx.level.cell(x, y).terrain == kFountain;
    ctx.line.append(fountain ? "FOUNTAIN: " : "SINK: ");
    ctx.addPosition(x, y, placement, place);
}

void addAltar(WriteContext& ctx, int x, int y, int placement, int place = -1) {
    const int detail = ctx.level.cell(x, y).detail;
    ctx.line.append("ALTAR: ");
    ctx.addPosition(x, y, placement, place);
    ctx.line.push_back(',');
    ctx.line.append(words::wordAt(words::kAlignments, detail & 15, "random"));
    ctx.line.push_back(',');
    ctx.line.append(words::wordAt(words::kAltarTypes, detail >> 4, "altar"));
}

void addDoor(WriteContext& ctx, int x, int y) {
    ctx.line.append("DOOR: ");
    ctx.line.append(words::wordAt(words::kDoorStates, ctx.level.cell(x, y).detail, "random"));
    ctx.line.push_back(',');
    ctx.addCellPosition(x, y);
}

}  // namespace

void writeMarkers(WriteContext& ctx) {
    writeKept(ctx, {kDrawbridgeKind, kMazewalkKind},
              [&ctx](const CellStatement& c) { addMarker(ctx, c.x, c.y, c.placement, c.place); });
    ctx.scanHomeCells([&ctx](int x, int y, const MapCell& cell) {
        if (cell.overlay == 0) return;
        const bool bridge = markerType(cell.overlay) == MarkerType::Drawbridge;
        if (ctx.statementCovers(x, y, bridge ? kDrawbridgeKind : kMazewalkKind)) return;
        addMarker(ctx, x, y, kAtPosition);
        ctx.endLine();
    });
}

bool writeStairs(WriteContext& ctx) {
    bool wrote = writeKept(ctx, {kUpstairs, kDownstairs, kLadderUp, kLadderDown},
                           [&ctx](const CellStatement& c) {
                               addStair(ctx, stairSpotKind(c.kind), c.x, c.y, c.placement, c.place);
                           });
    for (const StairSpotKind& k : kStairSpots) {
        const StairSpot& spot = ctx.settings.*k.spot;
        if (!ctx.writesStairSpot(spot, k.terrain)) continue;
        addStair(ctx, k, spot.x, spot.y, spot.placement());
        ctx.endLine();
        wrote = true;
    }
    return wrote;
}

bool writeFountainsAndSinks(WriteContext& ctx) {
    bool wrote = writeKept(ctx, {kFountain, kKitchenSink}, [&ctx](const CellStatement& c) {
        addFountainOrSink(ctx, c.x, c.y, c.placement, c.place);
    });
    ctx.scanFeatureCells([&](int x, int y, const MapCell& cell) {
        if (cell.terrain != kFountain && cell.terrain != kKitchenSink) return;
        if (!needsStatement(ctx, x, y, cell.terrain)) return;
        addFountainOrSink(ctx, x, y, kAtPosition);
        ctx.endLine();
        wrote = true;
    });
    return wrote;
}

bool writeAltars(WriteContext& ctx) {
    bool wrote = writeKept(ctx, {kAltar}, [&ctx](const CellStatement& c) {
        addAltar(ctx, c.x, c.y, c.placement, c.place);
    });
    ctx.scanFeatureCells([&](int x, int y, const MapCell& cell) {
        if (cell.terrain != kAltar || !needsStatement(ctx, x, y, kAltar)) return;
        addAltar(ctx, x, y, kAtPosition);
        ctx.endLine();
        wrote = true;
    });
    return wrote;
}

// Every DOOR the file stated comes back in its order: the game lists each
// with the rooms it borders, and a room's first door counts.
bool writeDoors(WriteContext& ctx) {
    bool wrote =
        writeKept(ctx, {kDoorway}, [&ctx](const CellStatement& c) { addDoor(ctx, c.x, c.y); });
    ctx.scanFeatureCells([&](int x, int y, const MapCell& cell) {
        if (!isWrittenDoor(cell) || !needsStatement(ctx, x, y, kDoorway)) return;
        addDoor(ctx, x, y);
        ctx.endLine();
        wrote = true;
    });
    return wrote;
}

}  // namespace mapedit::writer
