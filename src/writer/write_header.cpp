#include <array>
#include <cstdint>

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
        ctx.addQuotedChar(s.filling);
    }
    ctx.endLine();
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
    ctx.endLine();
}

void writeInitMap(WriteContext& ctx) {
    const LevelSettings& s = ctx.settings;
    auto bit = [&s](int n) { return (s.levelFlags >> n) & 1; };
    ctx.line.append("INIT_MAP: ");
    ctx.addQuotedChar(s.initForeground);
    ctx.line.append(", ");
    ctx.addQuotedChar(s.initBackground);
    ctx.line.append(", ");
    ctx.line.append(booleanWord(bit(0)));
    ctx.line.append(", ");
    ctx.line.append(booleanWord(bit(1)));
    ctx.line.append(", ");
    ctx.line.append(lightingWord(bit(2)));
    ctx.line.append(", ");
    ctx.line.append(booleanWord(bit(3)));
    ctx.endLine();
}

}  // namespace

void writeHeader(WriteContext& ctx) {
    writeMaze(ctx);
    writeFlags(ctx);
    if (ctx.settings.fillMode == kCaveFill) writeInitMap(ctx);
}

}  // namespace mapedit::writer
