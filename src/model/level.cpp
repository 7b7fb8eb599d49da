#include "model/level.h"

#include <algorithm>
#include <initializer_list>
#include <memory>

#include "model/grid.h"
#include "model/terrain.h"

namespace mapedit {

Templates::Templates() {
    monsterTemplate.symbol = 'a';
    monsterTemplate.chance = 100;
    monsterTemplate.color = kDefaultColor;
    objectTemplate.symbol = ')';
    objectTemplate.chance = 100;
    objectTemplate.color = kDefaultColor;
    trapTemplate.trapType = 0;
    trapTemplate.chance = 100;
    trapTemplate.color = kDefaultColor;
}

bool isOnGrid(int x, int y) {
    return x >= 0 && x < kMapWidth && y >= 0 && y < kMapHeight;
}

Level::Level() : Level(kFloor) {}

Level::Level(int kind) {
    clearLevel(kind);
}

std::span<const MapPart> Level::usedParts() const {
    const int count = std::clamp(settings.partCount, 0, kMaxMapParts);
    return std::span<const MapPart>(mapParts).first(static_cast<std::size_t>(count));
}

void Level::clearLevel(int kind) {
    const auto glyph = terrainKind(kind).glyph;
    for (MapCell& c : cells_) {
        c.terrain = static_cast<std::int8_t>(kind);
        c.detail = 0;
        c.overlay = 0;
        c.glyph = glyph;
        c.keptSymbol = 0;
        c.readSymbol = 0;
        // Placements are freed by freePlacements; clearing drops what is left.
        c.objects.clear();
        c.monster.reset();
        c.trap.reset();
    }
    settings = LevelSettings{};
    mapParts = {};
    messages.clear();
    engravings.clear();
    cellStatements.clear();
}

void Level::freePlacements() {
    for (MapCell& c : cells_) {
        c.objects.clear();
        c.monster.reset();
        c.trap.reset();
    }
}

void Level::freeAreas() {
    areas_.clear();
    settings.partCount = 0;
}

AreaRecord* Level::newArea(int x1, int y1, int x2, int y2) {
    auto area = std::make_unique<AreaRecord>();
    area->x1 = x1;
    area->y1 = y1;
    area->x2 = x2;
    area->y2 = y2;
    AreaRecord* raw = area.get();
    areas_.insert(areas_.begin(), std::move(area));
    return raw;
}

AreaRecord* Level::findAreaOfKind(const AreaRecord* after, int kind) const {
    auto it = areas_.begin();
    if (after != nullptr) {
        it = std::find_if(areas_.begin(), areas_.end(),
                          [after](const auto& a) { return a.get() == after; });
        if (it == areas_.end()) return nullptr;
        ++it;
    }
    for (; it != areas_.end(); ++it) {
        if ((*it)->kind == kind) return it->get();
    }
    return nullptr;
}

AreaRecord* Level::areaAt(int x, int y) const {
    for (const auto& a : areas_) {
        if (a->contains(x, y)) return a.get();
    }
    return nullptr;
}

void Level::removeArea(AreaRecord* area) {
    auto it = std::find_if(areas_.begin(), areas_.end(),
                           [area](const auto& a) { return a.get() == area; });
    if (it == areas_.end()) return;
    if (area->kind == kMapPartArea) removeMapPart(area->param);
    areas_.erase(it);
}

void Level::removeMapPart(int index) {
    // An index outside the parts in use names no part: dropping one anyway
    // would lose the last real part.
    if (index < 0 || index >= settings.partCount || settings.partCount > kMaxMapParts) return;
    settings.partCount -= 1;
    const int last = settings.partCount;
    renumberReadPart(index, kNoReadPart);
    if (last == 0 || index == last) return;
    mapParts[static_cast<std::size_t>(index)] = mapParts[static_cast<std::size_t>(last)];
    for (const auto& a : areas_) {
        if (a->kind == kMapPartArea && a->param == last) {
            a->param = index;
            break;
        }
    }
    renumberReadPart(last, index);
}

void Level::renumberReadPart(int from, int to) {
    auto move = [from, to](std::int32_t& part) {
        if (part == from) part = to;
    };
    for (MapCell& c : cells_) {
        if (c.monster) move(c.monster->readPart);
        if (c.trap) move(c.trap->readPart);
        for (ObjectSpec& object : c.objects) move(object.readPart);
    }
    for (const StairSpotKind& k : kStairSpots) move((settings.*k.spot).readPart);
    for (auto list : {&LevelSettings::randomObjectsPart, &LevelSettings::randomMonstersPart,
                      &LevelSettings::randomPlacesPart}) {
        move(settings.*list);
    }
    for (Engraving& e : engravings) move(e.readPart);
    for (CellStatement& c : cellStatements) move(c.readPart);
    for (const auto& a : areas_) move(a->readPart);
}

void Level::sortAreasAscending() {
    std::stable_sort(areas_.begin(), areas_.end(),
                     [](const auto& a, const auto& b) { return a->size() < b->size(); });
}

void Level::sortAreasDescending() {
    std::stable_sort(areas_.begin(), areas_.end(),
                     [](const auto& a, const auto& b) { return a->size() > b->size(); });
}

void Level::setTerrain(int x, int y, int kind) {
    putFeature(x, y, kind);
    cell(x, y).readSymbol = 0;
}

void Level::putFeature(int x, int y, int kind) {
    MapCell& c = cell(x, y);
    c.terrain = static_cast<std::int8_t>(kind);
    c.glyph = terrainKind(kind).glyph;
    c.keptSymbol = 0;
}

void Level::keepMapSymbol(int x, int y, std::uint8_t symbol) {
    setTerrain(x, y, kNone);
    MapCell& c = cell(x, y);
    c.keptSymbol = symbol;
    c.glyph = symbol;
}

}  // namespace mapedit
