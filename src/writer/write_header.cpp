#include <array>
#include <cstdint>

#include "model/terrain.h"
#include "writer/sections.h"
#include "writer/writer_words.h"

namespace mapedit::writer {

namespace {

struct FlagWord {
    bool second;  // in levelFlags2 rather than levelFlags
    std::uint8_t bit;
    std::string_view word;
};

// The FLAGS words in the order they are written.
constexpr std::array<FlagWord, 6> kFlagWords = {{
    {false, kNoTeleport, "noteleport"},
    {false, kHardFloor, "hardfloor"},
    {false, kNoMMap, "nommap"},
    {false, kArboreal, "arboreal"},
    {true, kShortSighted, "shortsighted"},
    {true, kNoMonGen, "nomongen"},
}};

void addQuotedChar(std::string& line, int ch) {
    line.push_back('\'');
    line.push_back(static_cast<char>(ch));
    line.push_back('\'');
}

void writeMaze(WriteContext& ctx) {
    const LevelSettings& s = ctx.settings;
    ctx.line.append("MAZE: ");
    // The reader takes no empty quoted text; the bare word is its empty name.
    if (s.mazeName.empty()) {
        ctx.line.append("random");
    } else {
        ctx.addQuoted(s.mazeName.view());
    }
    ctx.line.append(", ");
    if (s.fillMode == kMazeFill) {
        ctx.line.append("random");
    } else {
        addQuotedChar(ctx.line, s.filling);
    }
    ctx.line.push_back('\n');
    ctx.emitLine();
}

void writeFlags(WriteContext& ctx) {
    const LevelSettings& s = ctx.settings;
    std::string_view separator = "FLAGS: ";
    for (const FlagWord& f : kFlagWords) {
        const std::uint8_t bits = f.second ? s.levelFlags2 : s.levelFlags;
        if ((bits & f.bit) == 0) continue;
        ctx.line.append(separator);
        ctx.line.append(f.word);
        separator = ", ";
    }
    if (ctx.line.empty()) return;
    ctx.line.push_back('\n');
    ctx.emitLine();
}

void writeInitMap(WriteContext& ctx) {
    const LevelSettings& s = ctx.settings;
    auto bit = [&s](int n) { return (s.levelFlags >> n) & 1; };
    ctx.line.append("INIT_MAP: ");
    addQuotedChar(ctx.line, s.initForeground);
    ctx.line.append(", ");
    addQuotedChar(ctx.line, s.initBackground);
    ctx.line.append(", ");
    ctx.line.append(booleanWord(bit(0)));
    ctx.line.append(", ");
    ctx.line.append(booleanWord(bit(1)));
    ctx.line.append(", ");
    ctx.line.append(lightingWord(bit(2)));
    ctx.line.append(", ");
    ctx.line.append(booleanWord(bit(3)));
    ctx.line.push_back('\n');
    ctx.emitLine();
}

// The character of a cell in a MAP row.
char mapChar(const WriteContext& ctx, int x, int y) {
    if (!isOnGrid(x, y)) return ' ';
    const int terrain = ctx.level.cell(x, y).terrain;
    if (terrain == kStone && ctx.settings.mazewalkCount != 0) {
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
        addQuotedChar(ctx.line, static_cast<std::uint8_t>(symbols[static_cast<std::size_t>(i)]));
    }
    ctx.line.push_back('\n');
    ctx.emitLine();
}

int listCount(int count) {
    return count < 0 ? 0 : count > kMaxListEntries ? kMaxListEntries : count;
}

}  // namespace

void writeHeader(WriteContext& ctx) {
    writeMaze(ctx);
    writeFlags(ctx);
    if (ctx.settings.fillMode == kCaveFill) writeInitMap(ctx);
}

void writeMapText(WriteContext& ctx) {
    const MapPart& p = ctx.part();
    ctx.line.append("\nGEOMETRY: ");
    ctx.line.append(wordAt(kHorizontalWords, p.halign, "right"));
    ctx.line.append(", ");
    ctx.line.append(wordAt(kVerticalWords, p.valign, "bottom"));
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
        ctx.line.push_back('\n');
        ctx.emitLine();
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
        ctx.line.push_back('\n');
        ctx.emitLine();
        wrote = true;
    }
    return wrote;
}

}  // namespace mapedit::writer
