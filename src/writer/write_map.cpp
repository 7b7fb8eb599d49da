#include <array>
#include <cstdint>

#include "model/format_words.h"
#include "model/grid.h"
#include "model/terrain.h"
#include "writer/sections.h"

namespace mapedit::writer {

namespace {

// The terrain under a stair or ladder placed at random on the cell, or 0.
int terrainUnderRandomStair(const WriteContext& ctx, int x, int y) {
    for (const StairSpotKind& k : kStairSpots) {
        const StairSpot& spot = ctx.settings.*k.spot;
        if (spot.state == kStairPlacedRandom && spot.x == x && spot.y == y &&
            ctx.level.cell(x, y).terrain == k.terrain) {
            return spot.underTerrain;
        }
    }
    return 0;
}

// The character of a cell in a MAP row.
char mapChar(const WriteContext& ctx, int x, int y) {
    if (!isOnGrid(x, y)) return ' ';
    // A later map lays the cell's final state; this part's statements must
    // find what its own map said.
    if (const std::uint8_t own = ctx.ownReadChar(ctx.writePart, x, y); own != 0) {
        return static_cast<char>(own);
    }
    const MapCell& cell = ctx.level.cell(x, y);
    // What the file said, while it still says what the cell holds or lies
    // under a feature that a kept statement puts there.
    if (cell.readSymbol != 0 && (ctx.mapSays(x, y) || ctx.featureStatedAt(x, y))) {
        return static_cast<char>(cell.readSymbol);
    }
    const int terrain = cell.terrain;
    if (terrain == kNone && cell.keptSymbol != 0) return static_cast<char>(cell.keptSymbol);
    if (terrain == kStone && ctx.stoneAsWall) {
        return static_cast<char>(terrainKind(kHorizontalWall).mapSymbol);
    }
    const std::uint8_t symbol = terrainKind(terrain).mapSymbol;
    if (symbol != 0) return static_cast<char>(symbol);
    const int under = terrainUnderRandomStair(ctx, x, y);
    const std::uint8_t underSymbol = terrainKind(under).mapSymbol;
    return under != kNone && underSymbol != 0 ? static_cast<char>(underSymbol) : '.';
}

// The reader drops a row's leading digit and takes a row starting with
// 'E' for the end of the map; a kept character there is shielded by a digit.
bool needsShield(char first) {
    return (first >= '0' && first <= '9') || first == 'E';
}

void writeRows(WriteContext& ctx, const MapPart& p) {
    for (int y = p.y1; y <= p.y2; ++y) {
        for (int x = p.x1; x <= p.x2; ++x) ctx.line.push_back(mapChar(ctx, x, y));
        if (!ctx.line.empty() && needsShield(ctx.line.front())) ctx.line.insert(0, 1, '0');
        ctx.endLine();
    }
}

bool writesGeometry(const WriteContext& ctx, const MapPart& p) {
    if (p.form != kNoMapWithoutGeometry) return true;
    // NOMAP alone opens the next part after another one, and the first on
    // a cave, where it is the whole level.
    return ctx.writePart == 0 && ctx.settings.fillMode != kCaveFill;
}

void addListSymbols(WriteContext& ctx, std::string_view keyword, int count,
                    const std::array<std::int8_t, kMaxListEntries>& symbols) {
    ctx.line.append(keyword);
    for (int i = 0; i < count; ++i) {
        if (i > 0) ctx.line.push_back(',');
        ctx.addQuotedChar(static_cast<std::uint8_t>(symbols[static_cast<std::size_t>(i)]));
    }
    ctx.endLine();
}

int listCount(int count) {
    return count < 0 ? 0 : count > kMaxListEntries ? kMaxListEntries : count;
}

}  // namespace

void writeMapText(WriteContext& ctx) {
    const MapPart& p = ctx.part();
    ctx.line.push_back('\n');
    if (writesGeometry(ctx, p)) {
        ctx.line.append("GEOMETRY: ");
        ctx.line.append(words::wordAt(words::kHorizontalPlacements,
                                      static_cast<int>(p.alignment.horizontal), "right"));
        ctx.line.append(", ");
        ctx.line.append(words::wordAt(words::kVerticalPlacements,
                                      static_cast<int>(p.alignment.vertical), "bottom"));
        ctx.line.push_back('\n');
    }
    if (p.hasMapText()) {
        ctx.line.append("MAP\n");
        ctx.emitLine();
        writeRows(ctx, p);
        ctx.line.append("ENDMAP\n");
    } else {
        // A map of one cell taken from column 0 would not read back as this
        // part, nor would the cave's cells as the whole level.
        ctx.line.append("NOMAP\n");
    }
    if (p.wallified != 0) ctx.line.append("WALLIFY\n");
    ctx.line.push_back('\n');
    ctx.emitLine();
}

bool writeLists(WriteContext& ctx) {
    const LevelSettings& s = ctx.settings;
    bool wrote = false;
    if (ctx.writePart == ctx.monsterListPart) {
        addListSymbols(ctx, "RANDOM_MONSTERS: ", listCount(s.randomMonsterCount), s.randomMonsters);
        wrote = true;
    }
    if (ctx.writePart == ctx.objectListPart) {
        addListSymbols(ctx, "RANDOM_OBJECTS: ", listCount(s.randomObjectCount), s.randomObjects);
        wrote = true;
    }
    if (ctx.writePart == ctx.placeListPart) {
        ctx.line.append("RANDOM_PLACES: ");
        for (int i = 0; i < listCount(s.randomPlaceCount); ++i) {
            const RandomPlace& place = s.randomPlaces[static_cast<std::size_t>(i)];
            if (i > 0) ctx.line.push_back(',');
            ctx.addCellPosition(place.x, place.y);
        }
        ctx.endLine();
        wrote = true;
    }
    return wrote;
}

}  // namespace mapedit::writer
