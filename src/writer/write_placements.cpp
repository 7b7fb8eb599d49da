#include <span>
#include <string_view>

#include "model/format_words.h"
#include "writer/placement_lines.h"

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
    ctx.addQuotedOrRandom(name, prefix);
    ctx.line.push_back(',');
}

std::string_view monsterAlignmentWord(int alignment) {
    return words::wordAt(words::kAlignments, words::alignmentOfMonster(alignment), "random");
}

// Attitude, sleep and appearance of a monster: values outside their lists
// are written as the last word.
std::string_view optionWord(std::span<const std::string_view> list, int value) {
    return words::wordAt(list, value, list.back());
}

}  // namespace

void writeMonster(WriteContext& ctx, int x, int y, const MonsterSpec& m) {
    ctx.line.append("MONSTER");
    if (isWrittenChance(m.chance)) addChance(ctx, m.chance);
    ctx.line.append(": ");
    addClassSymbol(ctx, m.symbol, "monster");
    addNameOrRandom(ctx, "", m.name.view());
    ctx.addPosition(x, y, ctx.placementOf(m), m.place);
    if (m.attitude != kAttitudeNotGiven) {
        ctx.line.push_back(',');
        ctx.line.append(optionWord(words::kAttitudes, m.attitude));
    }
    if (m.sleep != kSleepNotGiven) {
        ctx.line.push_back(',');
        ctx.line.append(optionWord(words::kSleepStates, m.sleep));
    }
    if (m.alignment != 0) {
        ctx.line.push_back(',');
        ctx.line.append(monsterAlignmentWord(m.alignment));
    }
    if (!m.appearName.empty()) {
        ctx.line.push_back(',');
        // The blanks around the appearance word are part of the statement.
        const std::string_view appearance = words::wordAt(words::kAppearances, m.appearKind, "");
        ctx.line.push_back(' ');
        if (!appearance.empty()) {
            ctx.line.append(appearance);
            ctx.line.push_back(' ');
        }
        ctx.addQuoted(m.appearName.view());
    }
    ctx.endLine();
}

namespace {

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
        const std::string_view curse = words::wordAt(words::kCurseStates, o.buc, "");
        ctx.line.append(curse.empty() ? words::kCurseStateNotGiven : curse);
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
        ctx.line.append(words::wordAt(words::kMaterials, o.material, words::kMaterials[0]));
    }
    if (!o.optionalName.empty()) {
        ctx.line.push_back(',');
        ctx.addQuoted(o.optionalName.view());
    }
}

}  // namespace

void writeObject(WriteContext& ctx, int x, int y, const ObjectSpec& o, bool first) {
    ctx.line.append(o.isContainer != 0 ? "CONTAINER" : "OBJECT");
    if (isWrittenChance(o.chance)) addChance(ctx, o.chance);
    ctx.line.append(": ");
    addClassSymbol(ctx, o.symbol, "object");
    addNameOrRandom(ctx, ctx.isTavrel() ? "" : materialPrefix(o), o.name.view());
    // Written "contained", it would go into whatever object the file names
    // before it, on another cell, or be lost.
    if (o.placement == kContained && first) {
        ctx.uncontained.push_back(
            noteOf(o.isContainer != 0 ? "CONTAINER" : "OBJECT", o.name.view(), x, y));
        ctx.addCellPosition(x, y);
    } else if (o.placement == kContained) {
        ctx.line.append("contained");
    } else {
        ctx.addPosition(x, y, ctx.placementOf(o), o.place);
    }
    addObjectTail(ctx, o);
    ctx.endLine();
}

void writeTrap(WriteContext& ctx, int x, int y, const TrapSpec& t) {
    ctx.line.append("TRAP");
    if (isWrittenChance(t.chance)) addChance(ctx, t.chance);
    ctx.line.append(": ");
    // Type 0 (random) and an unknown type are written as the bare word.
    const std::string_view name =
        t.trapType == 0 ? "" : words::wordAt(words::kTrapNames, t.trapType, "");
    addNameOrRandom(ctx, "", name);
    ctx.addPosition(x, y, ctx.placementOf(t), t.place);
    ctx.endLine();
}

}  // namespace mapedit::writer
