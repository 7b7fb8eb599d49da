#include <cstdint>

#include "model/format_words.h"
#include "writer/sections.h"

namespace mapedit::writer {

namespace {

void writeMaze(WriteContext& ctx) {
    const LevelSettings& s = ctx.settings;
    ctx.line.append("MAZE: ");
    ctx.addQuotedOrRandom(s.mazeName.view());
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
    for (const words::FlagWord& f : words::kFlags) {
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
    // Each bit is 0 or 1, a word of either list.
    auto bit = [&s](int n) { return (s.levelFlags >> n) & 1; };
    auto boolean = [&bit](int n) { return words::wordAt(words::kBooleans, bit(n), ""); };
    ctx.line.append("INIT_MAP: ");
    ctx.addQuotedChar(s.initForeground);
    ctx.line.append(", ");
    ctx.addQuotedChar(s.initBackground);
    ctx.line.append(", ");
    ctx.line.append(boolean(0));
    ctx.line.append(", ");
    ctx.line.append(boolean(1));
    ctx.line.append(", ");
    const bool randomLighting = (s.levelFlags2 & kRandomLighting) != 0;
    ctx.line.append(words::wordOf(words::kLighting, randomLighting ? -1 : bit(2), ""));
    ctx.line.append(", ");
    ctx.line.append(boolean(3));
    ctx.endLine();
}

// Messages are shown when the level is entered.
void writeMessages(WriteContext& ctx) {
    for (const MessageText& message : ctx.level.messages) {
        ctx.line.append("MESSAGE: ");
        ctx.addQuotedOrRandom(message.view());
        ctx.endLine();
    }
}

}  // namespace

void writeHeader(WriteContext& ctx) {
    writeMaze(ctx);
    writeFlags(ctx);
    if (ctx.settings.fillMode == kCaveFill) writeInitMap(ctx);
    writeMessages(ctx);
}

}  // namespace mapedit::writer
