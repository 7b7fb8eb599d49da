#include "writer/writer.h"

#include <algorithm>
#include <span>
#include <utility>

#include "model/grid.h"
#include "writer/sections.h"

namespace mapedit {

namespace writer {
namespace {

// In the model's order, before the parts are put in writing order.
int largestPart(const WriteContext& ctx) {
    const std::span<const MapPart> parts = ctx.level.usedParts();
    std::size_t largest = 0;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        if (parts[i].size() > parts[largest].size()) largest = i;
    }
    return static_cast<int>(largest);
}

// The part written first: the largest, unless parts were read from a file.
// The game lays the maps in the order they are written, and a later map
// and its statements win over an earlier one's: read parts keep their order.
int firstPart(const WriteContext& ctx) {
    const std::span<const MapPart> parts = ctx.level.usedParts();
    const bool read = std::ranges::any_of(parts, [](const MapPart& p) { return p.read != 0; });
    return read ? 0 : largestPart(ctx);
}

// A random list goes with a part that writes a record naming it; a list
// that nothing names goes with the first part.
int listPartOr(int part) {
    return part == kNoPart ? 0 : part;
}

// Whether a statement written for the cell names a random place: a
// placement, a stair spot or an engraving standing on it at a place.
bool cellNamesPlace(const WriteContext& ctx, int x, int y) {
    const MapCell& cell = ctx.level.cell(x, y);
    if (cell.monster && cell.monster->placement == kAtRandomPlace) return true;
    if (cell.trap && cell.trap->placement == kAtRandomPlace) return true;
    for (const ObjectSpec& object : cell.objects) {
        if (object.placement == kAtRandomPlace) return true;
    }
    for (const StairSpotKind& k : kStairSpots) {
        const StairSpot& spot = ctx.settings.*k.spot;
        const bool atPlace = spot.state != kNoStair && spot.placement() == kAtRandomPlace;
        if (atPlace && spot.x == x && spot.y == y) return true;
    }
    for (const Engraving& e : ctx.level.engravings) {
        if (e.placement == kAtRandomPlace && e.x == x && e.y == y) return true;
    }
    return false;
}

// The first part that writes a place[n]: such a statement reads the list as
// it stands at its line, so the list must not come later.
int firstPartNamingPlace(const WriteContext& ctx) {
    const LevelSettings& s = ctx.settings;
    int first = kNoListPart;
    for (int i = 0; i < std::clamp(s.randomPlaceCount, 0, kMaxListEntries); ++i) {
        const RandomPlace& place = s.randomPlaces[static_cast<std::size_t>(i)];
        const int x = place.x;
        const int y = place.y;
        const int home = ctx.homeOf(x, y);
        if (isOnGrid(x, y) && home != kNoPart && cellNamesPlace(ctx, x, y)) {
            first = std::min(first, home);
        }
    }
    return first;
}

// The part that writes a record of the cell naming a list entry, or kNoPart.
int partNamingMonsterList(const WriteContext& ctx, int x, int y, const MapCell& cell) {
    const MonsterSpec* m = recordIn(cell.monster);
    if (m == nullptr || !isListSymbol(m->symbol)) return kNoPart;
    return ctx.partOf(x, y, *m);
}

int partNamingObjectList(const WriteContext& ctx, int x, int y, const MapCell& cell) {
    for (const ObjectSpec& o : cell.objects) {
        if (!isListSymbol(o.symbol)) continue;
        const int part = ctx.partOf(x, y, o);
        if (part != kNoPart) return part;
    }
    return kNoPart;
}

// The part of the first record, row by row, that names a list entry.
int firstPartNamingList(const WriteContext& ctx,
                        int (*partNaming)(const WriteContext&, int, int, const MapCell&)) {
    for (int y = 0; y < kMapHeight; ++y) {
        for (int x = 1; x < kMapWidth; ++x) {
            const int part = partNaming(ctx, x, y, ctx.level.cell(x, y));
            if (part != kNoPart) return part;
        }
    }
    return kNoPart;
}

// The place list goes with the part of its first entry, or earlier when an
// earlier part names a place; the other lists with the first record that
// names them.
void chooseListParts(WriteContext& ctx) {
    const LevelSettings& s = ctx.settings;
    // A list read from the file stays with the part it was read into, where
    // the game keeps it for that part's statements.
    auto readOr = [&ctx](int readPart, auto choose) {
        const int read = ctx.writingIndexOf(readPart);
        return read != kNoPart ? read : choose();
    };
    if (s.randomPlaceCount > 0) {
        ctx.placeListPart = readOr(s.randomPlacesPart, [&] {
            return std::min(listPartOr(ctx.homeOf(s.randomPlaces[0].x, s.randomPlaces[0].y)),
                            firstPartNamingPlace(ctx));
        });
    }
    if (s.randomMonsterCount > 0) {
        ctx.monsterListPart = readOr(s.randomMonstersPart, [&] {
            return listPartOr(firstPartNamingList(ctx, partNamingMonsterList));
        });
    }
    if (s.randomObjectCount > 0) {
        ctx.objectListPart = readOr(s.randomObjectsPart, [&] {
            return listPartOr(firstPartNamingList(ctx, partNamingObjectList));
        });
    }
}

void prepare(WriteContext& ctx, const Level& level) {
    // The list holds the newest area first; taken oldest first, areas of
    // equal size are written in the order they were read and come back in
    // that order, instead of trading places at every save.
    for (auto it = level.areas().rbegin(); it != level.areas().rend(); ++it) {
        ctx.areas.push_back(AreaEntry{it->get()});
    }
    std::stable_sort(ctx.areas.begin(), ctx.areas.end(),
                     [](const auto& a, const auto& b) { return a.area->size() > b.area->size(); });
    ctx.orderParts(firstPart(ctx));
    pinRandomWithoutRoom(ctx);
    chooseListParts(ctx);
}

void blankLineIf(WriteContext& ctx, bool wrote) {
    if (wrote) ctx.emit("\n");
}

void writePart(WriteContext& ctx) {
    writeMapText(ctx);
    blankLineIf(ctx, writeLists(ctx));
    writeMarkers(ctx);
    const bool keptRegions = writeKeptLevelRegions(ctx);
    writeDirectedRegions(ctx, kTeleportArea, kTeleportExclusion);
    writeBranchOrPortal(ctx, kBranchArea, kBranchExclusion);
    writeBranchOrPortal(ctx, kPortalArea, kPortalExclusion);
    const bool stairRegions = writeDirectedRegions(ctx, kStairArea, kStairExclusion);
    const bool stairs = writeStairs(ctx);
    blankLineIf(ctx, keptRegions || stairRegions || stairs);
    writeWallAreas(ctx, kNonPasswallArea);
    writeWallAreas(ctx, kNonDiggableArea);
    blankLineIf(ctx, writeRooms(ctx));
    blankLineIf(ctx, writeFountainsAndSinks(ctx));
    blankLineIf(ctx, writeAltars(ctx));
    blankLineIf(ctx, writeDoors(ctx));
    blankLineIf(ctx, writeMonsters(ctx));
    blankLineIf(ctx, writeObjects(ctx));
    blankLineIf(ctx, writeTraps(ctx));
    blankLineIf(ctx, writeEngravings(ctx));
}

}  // namespace
}  // namespace writer

Result<WriteReport> writeLevel(const Level& level, Variant variant, ByteSink& sink) {
    using namespace writer;
    WriteContext ctx(level, variant, sink);
    ctx.partCount = static_cast<int>(level.usedParts().size());
    if (ctx.partCount == 0) return Failure{std::string(kNoGeometryReason)};
    prepare(ctx, level);
    writeHeader(ctx);
    for (ctx.writePart = 0; ctx.writePart < ctx.partCount && ctx.ok; ++ctx.writePart) {
        writePart(ctx);
    }
    if (!ctx.ok) return Failure{std::string(kWriteFailedReason)};
    return WriteReport{unreachableStatements(ctx), std::move(ctx.uncontained)};
}

Result<WrittenLevel> writeLevel(const Level& level, Variant variant) {
    std::string text;
    StringSink sink(text);
    Result<WriteReport> report = writeLevel(level, variant, sink);
    if (!report) return Failure{std::move(report).error()};
    return WrittenLevel{std::move(*report), std::move(text)};
}

}  // namespace mapedit
