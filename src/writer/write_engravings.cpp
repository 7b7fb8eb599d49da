#include "model/format_words.h"
#include "writer/sections.h"

namespace mapedit::writer {

namespace {

void writeEngraving(WriteContext& ctx, const Engraving& e) {
    ctx.line.append("ENGRAVING: ");
    // "contained" names the last object written, which need not be the one
    // the engraving was read onto: its cell is written instead.
    ctx.addPosition(e.x, e.y, e.placement == kContained ? kAtPosition : e.placement, e.place);
    ctx.line.push_back(',');
    ctx.line.append(words::wordAt(words::kEngraveTypes, e.type, words::kEngraveTypes[0]));
    ctx.line.push_back(',');
    ctx.addQuotedOrRandom(e.text.view());
    ctx.endLine();
}

}  // namespace

bool writeEngravings(WriteContext& ctx) {
    bool wrote = false;
    for (const Engraving& e : ctx.level.engravings) {
        if (ctx.partOfEngraving(e) != ctx.writePart) continue;
        writeEngraving(ctx, e);
        wrote = true;
    }
    return wrote;
}

}  // namespace mapedit::writer
