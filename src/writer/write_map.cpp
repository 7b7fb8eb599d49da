#include <array>
#include <cstdint>

#include "model/format_words.h"
#include "model/terrain.h"
#include "writer/sections.h"

namespace mapedit::writer {

namespace {

// The character of a cell in a MAP row.
char mapChar(const WriteContext& ctx, int x, int y) {
    if (!isOnGrid(x, y)) return ' ';
    const int terrain = ctx.level.cell(x, y).terrain;
    if (terrain == kStone && ctx.stoneAsWall) {
        return static_cast<char>(terrainKind(kHorizontalWall).mapSymbol);
    }
    const std::uint8_t symbol = terrainKind(terrain).mapSymbol;
    return symbol == 0 ? '.' : static_cast<char>(symbol);
}

// A part opened by GEOMETRY and closed by NOMAP has neither size nor place.
bool isNomapPart(const MapPart& p) {
    return p.width == 0 && p.height == 0 && p.x1 == 0 && p.y1 == 0 && p.x2 == 0 && p.y2 == 0;
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
    ctx.line.append("\nGEOMETRY: ");
    ctx.line.append(words::wordAt(words::kHorizontalPlacements, p.halign, "right"));
    ctx.line.append(", ");
    ctx.line.append(words::wordAt(words::kVerticalPlacements, p.valign, "bottom"));
    if (isNomapPart(p)) {
        // A map of one cell taken from column 0 would not read back as this part.
        ctx.line.append("\nNOMAP\n\n");
        ctx.emitLine();
        return;
    }
    ctx.line.append("\nMAP\n");
    ctx.emitLine();
    for (int y = p.y1; y <= p.y2; ++y) {
        for (int x = p.x1; x <= p.x2; ++x) ctx.line.push_back(mapChar(ctx, x, y));
        ctx.endLine();
    }
    ctx.emit("ENDMAP\n\n");
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
            const auto n = static_cast<std::size_t>(i);
            if (i > 0) ctx.line.push_back(',');
            ctx.addCellPosition(s.randomPlaceX[n], s.randomPlaceY[n]);
        }
        ctx.endLine();
        wrote = true;
    }
    return wrote;
}

}  // namespace mapedit::writer
