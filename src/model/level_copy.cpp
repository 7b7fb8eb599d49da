// Deep copy and value equality of a level, for the edit history.
//
// Both take every member of a level and of a cell apart with structured
// bindings, so that a member added to either stops the build here until it
// is copied and compared too.
#include <algorithm>

#include "model/level.h"

namespace mapedit {

namespace {

template <typename Record>
std::unique_ptr<Record> copyOf(const std::unique_ptr<Record>& record) {
    return record ? std::make_unique<Record>(*record) : nullptr;
}

template <typename Record>
bool sameRecord(const std::unique_ptr<Record>& a, const std::unique_ptr<Record>& b) {
    return a && b ? *a == *b : a == b;
}

void copyCell(const MapCell& from, MapCell& to) {
    const auto& [terrain, detail, overlay, glyph, keptSymbol, readSymbol, objects, monster, trap] =
        from;
    to.terrain = terrain;
    to.detail = detail;
    to.overlay = overlay;
    to.glyph = glyph;
    to.keptSymbol = keptSymbol;
    to.readSymbol = readSymbol;
    to.objects.clear();
    to.objects.reserve(objects.size());
    for (const auto& object : objects) to.objects.push_back(copyOf(object));
    to.monster = copyOf(monster);
    to.trap = copyOf(trap);
}

bool sameCell(const MapCell& a, const MapCell& b) {
    const auto& [terrain, detail, overlay, glyph, keptSymbol, readSymbol, objects, monster, trap] =
        a;
    return terrain == b.terrain && detail == b.detail && overlay == b.overlay && glyph == b.glyph &&
           keptSymbol == b.keptSymbol && readSymbol == b.readSymbol &&
           sameRecord(monster, b.monster) && sameRecord(trap, b.trap) &&
           std::equal(objects.begin(), objects.end(), b.objects.begin(), b.objects.end(),
                      sameRecord<ObjectSpec>);
}

}  // namespace

Level Level::clone() const {
    const auto& [levelSettings, parts, levelMessages, levelEngravings, statements, cells, areas] =
        *this;
    Level copy;
    copy.settings = levelSettings;
    copy.mapParts = parts;
    copy.messages = levelMessages;
    copy.engravings = levelEngravings;
    copy.cellStatements = statements;
    for (std::size_t i = 0; i < cells.size(); ++i) copyCell(cells[i], copy.cells_[i]);
    copy.areas_.reserve(areas.size());
    for (const auto& area : areas) copy.areas_.push_back(copyOf(area));
    return copy;
}

bool operator==(const Level& a, const Level& b) {
    const auto& [levelSettings, parts, levelMessages, levelEngravings, statements, cells, areas] =
        a;
    return levelSettings == b.settings && parts == b.mapParts && levelMessages == b.messages &&
           levelEngravings == b.engravings && statements == b.cellStatements &&
           std::equal(cells.begin(), cells.end(), b.cells_.begin(), sameCell) &&
           std::equal(areas.begin(), areas.end(), b.areas_.begin(), b.areas_.end(),
                      sameRecord<AreaRecord>);
}

}  // namespace mapedit
