// Deep copy and value equality of a level, for the edit history.
#include <algorithm>

#include "model/level.h"

namespace mapedit {

namespace {

// The members clone() and operator== handle, in declaration order. A
// member added to MapCell or Level changes its size and stops the build
// here until both functions take it too.
struct CellMembers {
    std::int8_t terrain;
    std::uint8_t detail, overlay, glyph;
    std::vector<std::unique_ptr<ObjectSpec>> objects;
    std::unique_ptr<MonsterSpec> monster;
    std::unique_ptr<TrapSpec> trap;
};
static_assert(sizeof(MapCell) == sizeof(CellMembers), "copy and compare the new MapCell member");

struct LevelMembers {
    LevelSettings settings;
    std::array<MapPart, kMaxMapParts> mapParts;
    std::array<MapCell, kMapWidth * kMapHeight> cells;
    Level::AreaList areas;
};
static_assert(sizeof(Level) == sizeof(LevelMembers), "copy and compare the new Level member");

template <typename Record>
std::unique_ptr<Record> copyOf(const std::unique_ptr<Record>& record) {
    return record ? std::make_unique<Record>(*record) : nullptr;
}

template <typename Record>
bool sameRecord(const std::unique_ptr<Record>& a, const std::unique_ptr<Record>& b) {
    return a && b ? *a == *b : a == b;
}

void copyCell(const MapCell& from, MapCell& to) {
    to.terrain = from.terrain;
    to.detail = from.detail;
    to.overlay = from.overlay;
    to.glyph = from.glyph;
    to.objects.clear();
    to.objects.reserve(from.objects.size());
    for (const auto& object : from.objects) to.objects.push_back(copyOf(object));
    to.monster = copyOf(from.monster);
    to.trap = copyOf(from.trap);
}

bool sameCell(const MapCell& a, const MapCell& b) {
    return a.terrain == b.terrain && a.detail == b.detail && a.overlay == b.overlay &&
           a.glyph == b.glyph && sameRecord(a.monster, b.monster) && sameRecord(a.trap, b.trap) &&
           std::equal(a.objects.begin(), a.objects.end(), b.objects.begin(), b.objects.end(),
                      sameRecord<ObjectSpec>);
}

}  // namespace

Level Level::clone() const {
    Level copy;
    copy.settings = settings;
    copy.mapParts = mapParts;
    for (std::size_t i = 0; i < cells_.size(); ++i) copyCell(cells_[i], copy.cells_[i]);
    copy.areas_.reserve(areas_.size());
    for (const auto& area : areas_) copy.areas_.push_back(copyOf(area));
    return copy;
}

bool operator==(const Level& a, const Level& b) {
    return a.settings == b.settings && a.mapParts == b.mapParts &&
           std::equal(a.cells_.begin(), a.cells_.end(), b.cells_.begin(), sameCell) &&
           std::equal(a.areas_.begin(), a.areas_.end(), b.areas_.begin(), b.areas_.end(),
                      sameRecord<AreaRecord>);
}

}  // namespace mapedit
