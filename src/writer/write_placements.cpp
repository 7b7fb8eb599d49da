#include <array>

#include "model/names.h"
#include "writer/sections.h"
#include "writer/writer_words.h"

namespace mapedit::writer {

namespace {

bool isWrittenChance(int chance) {
    return chance >= 1 && chance <= 99;
}

void addChance(WriteContext& ctx, int chance) {
    ctx.line.push_back('[');
    ctx.addNumber(chance);
    ctx.line.append("%]");
}

// A class symbol followed by its comma. Symbols below the list range can
// only be bytes of 128 and more, which are written as the byte itself.
void addClassSymbol(WriteContext& ctx, int symbol, std::string_view listWord) {
    if (isListSymbol(symbol)) {
        ctx.line.append(listWord);
        ctx.line.push_back('[');
        ctx.addNumber(listSymbol(0) - symbol);
        ctx.line.append("],");
    } else if (symbol == kRandomSymbol) {
        ctx.line.append("random,");
    } else {
        ctx.addQuotedChar(symbol);
        ctx.line.push_back(',');
    }
}

void addNameOrRandom(WriteContext& ctx, std::string_view prefix, std::string_view name) {
    if (name.empty()) {
        ctx.line.append("random,");
        return;
    }
    ctx.line.push_back('"');
    ctx.line.append(prefix);
    ctx.line.append(name);
    ctx.line.append("\",");
}

// The monster alignment field: 5..7 are written as align[0..2].
std::string_view monsterAlignmentWord(int alignment) {
    return wordAt(kAlignmentWords, alignment < 5 ? alignment : alignment + 2, "random");
}

void writeMonster(WriteContext& ctx, int x, int y, const MonsterSpec& m) {
    ctx.line.append("MONSTER");
    if (isWrittenChance(m.chance)) addChance(ctx, m.chance);
    ctx.line.append(": ");
    addClassSymbol(ctx, m.symbol, "monster");
    addNameOrRandom(ctx, "", m.name.view());
    ctx.addPosition(x, y, m.placement);
    if (m.attitude != kAttitudeNotGiven) {
        ctx.line.append(m.attitude == kHostile ? ",hostile" : ",peaceful");
    }
    if (m.sleep != kSleepNotGiven) ctx.line.append(m.sleep == kAsleep ? ",asleep" : ",awake");
    if (m.alignment != 0) {
        ctx.line.push_back(',');
        ctx.line.append(monsterAlignmentWord(m.alignment));
    }
    if (!m.appearName.empty()) {
        ctx.line.push_back(',');
        ctx.line.append(wordAt(kAppearanceWords, m.appearKind, " "));
        ctx.addQuoted(m.appearName.view());
    }
    ctx.endLine();
}

// Outside Tavrel a material is told by a prefix on the few names that have
// such a variant in the game.
std::string_view materialPrefix(const ObjectSpec& o) {
    const std::string_view name = o.name.view();
    if (o.material == 14 &&
        (name == "arrow" || name == "spear" || name == "dagger" || name == "saber")) {
        return "silver ";
    }
    if (o.material == 13 && name == "plate mail") return "bronze ";
    if (o.material == 19 && name == "plate mail") return "crystal ";
    return "";
}

// The optional tail: [curse state ','] [monster name ','] spe [',' material] [',' name].
void addObjectTail(WriteContext& ctx, const ObjectSpec& o) {
    const bool materialShown = o.material != 0 && ctx.isTavrel();
    const bool monsterNamed = !o.monsterName.empty();
    const bool bucWritten =
        o.buc != 0 || (!monsterNamed && (o.spe != 0 || !o.optionalName.empty() || materialShown));
    if (bucWritten) {
        ctx.line.push_back(',');
        ctx.line.append(wordAt(kBucWords, o.buc, "random"));
    }
    if (monsterNamed) {
        ctx.line.push_back(',');
        ctx.addQuoted(o.monsterName.view());
    }
    if (bucWritten || monsterNamed || o.spe != 0) {
        ctx.line.push_back(',');
        if (o.spe == -1) {
            ctx.line.append("random");
        } else {
            ctx.addNumber(o.spe);
        }
    }
    if (ctx.isTavrel() && (materialShown || !o.optionalName.empty() || o.spe == -1)) {
        ctx.line.push_back(',');
        ctx.line.append(wordAt(materialNames, o.material, "mat_normal"));
    }
    if (!o.optionalName.empty()) {
        ctx.line.push_back(',');
        ctx.addQuoted(o.optionalName.view());
    }
}

void writeObject(WriteContext& ctx, int x, int y, const ObjectSpec& o) {
    ctx.line.append(o.isContainer != 0 ? "CONTAINER" : "OBJECT");
    if (isWrittenChance(o.chance)) addChance(ctx, o.chance);
    ctx.line.append(": ");
    addClassSymbol(ctx, o.symbol, "object");
    addNameOrRandom(ctx, ctx.isTavrel() ? "" : materialPrefix(o), o.name.view());
    if (o.placement == kContained) {
        ctx.line.append("contained");
    } else {
        ctx.addPosition(x, y, o.placement);
    }
    addObjectTail(ctx, o);
    ctx.endLine();
}

void writeTrap(WriteContext& ctx, int x, int y, const TrapSpec& t) {
    ctx.line.append("TRAP");
    if (isWrittenChance(t.chance)) addChance(ctx, t.chance);
    ctx.line.append(": ");
    const std::string_view name = t.trapType == 0 ? "" : wordAt(trapNames, t.trapType, "");
    addNameOrRandom(ctx, "", name);
    ctx.addPosition(x, y, t.placement);
    ctx.endLine();
}

}  // namespace

bool writeMonsters(WriteContext& ctx) {
    bool wrote = false;
    ctx.scanPart([&](int x, int y, const MapCell& cell) {
        if (!cell.monster) return;
        writeMonster(ctx, x, y, *cell.monster);
        ctx.markPending(x, y);
        wrote = true;
    });
    return wrote;
}

bool writeObjects(WriteContext& ctx) {
    bool wrote = false;
    ctx.scanPart([&](int x, int y, const MapCell& cell) {
        for (const auto& object : cell.objects) {
            if (!object) continue;
            writeObject(ctx, x, y, *object);
            ctx.markPending(x, y);
            wrote = true;
        }
    });
    return wrote;
}

bool writeTraps(WriteContext& ctx) {
    bool wrote = false;
    ctx.scanPart([&](int x, int y, const MapCell& cell) {
        if (!cell.trap) return;
        writeTrap(ctx, x, y, *cell.trap);
        ctx.markPending(x, y);
        wrote = true;
    });
    return wrote;
}

}  // namespace mapedit::writer
