#include "app/cell_readout.h"

#include <fmt/format.h>

#include "model/format_words.h"
#include "model/terrain.h"

namespace mapedit {

namespace {

// The part whose statements name the cell: the last one laid over it, as
// a later map covers an earlier one.
int partHolding(const Level& level, int x, int y) {
    const std::span<const MapPart> parts = level.usedParts();
    for (int i = static_cast<int>(parts.size()) - 1; i >= 0; --i) {
        if (parts[static_cast<std::size_t>(i)].contains(x, y)) return i;
    }
    return -1;
}

// A class symbol as the dialogs show it.
std::string symbolWord(int symbol) {
    if (symbol == kRandomSymbol) return "random";
    if (symbol <= listSymbol(0)) return fmt::format("list entry {}", listSymbol(0) - symbol);
    return fmt::format("'{}'", static_cast<char>(symbol));
}

// A name when it has one, its class otherwise.
std::string named(int symbol, std::string_view name) {
    return name.empty() ? symbolWord(symbol) : fmt::format("\"{}\"", name);
}

}  // namespace

std::string cellReadout(const Level& level, int x, int y) {
    std::string text = fmt::format("{}, {}", x, y);
    const int part = partHolding(level, x, y);
    if (part < 0) {
        text += " outside every map part";
    } else {
        const MapPart& p = level.usedParts()[static_cast<std::size_t>(part)];
        text += fmt::format(" in map part {} at ({},{})", part + 1, x - p.x1, y - p.y1);
    }
    const MapCell& cell = level.cell(x, y);
    text += fmt::format(" | {}", terrainKind(cell.terrain).name);
    if (const MonsterSpec* m = recordIn(cell.monster)) {
        text += " | monster " + named(m->symbol, m->name.view());
    }
    for (const ObjectSpec& o : cell.objects) text += " | object " + named(o.symbol, o.name.view());
    if (const TrapSpec* t = recordIn(cell.trap)) {
        const auto type = static_cast<std::size_t>(t->trapType);
        const std::string_view name =
            type < words::kTrapNames.size() ? words::kTrapNames[type] : t->trapName.view();
        text += fmt::format(" | trap \"{}\"", name);
    }
    return text;
}

}  // namespace mapedit
