#include "edit/area_commands.h"

#include <array>

#include "edit/random_places.h"
#include "model/area_style.h"
#include "model/grid.h"
#include "model/map_placement.h"
#include "model/terrain.h"

namespace mapedit {

namespace {

struct MenuArea {
    int id;
    MenuAreaKind what;
};
constexpr std::array<MenuArea, 14> kMenuAreas = {{
    {401, {kNonDiggableArea, 0}},
    {402, {kNonPasswallArea, 0}},
    {403, {kStairArea, 0}},
    {404, {kStairArea, 1}},
    {405, {kStairArea, -1}},
    {406, {kStairExclusion, 0}},
    {407, {kTeleportArea, 1}},
    {408, {kTeleportArea, 0}},
    {409, {kTeleportArea, -1}},
    {410, {kTeleportExclusion, 0}},
    {411, {kBranchArea, 0}},
    {412, {kBranchExclusion, 0}},
    {413, {kPortalArea, 0}},
    {414, {kPortalExclusion, 0}},
}};

constexpr int kCascadeSteps = 8;
constexpr int kMapPartColor = 9;

bool isFeature(const Level& level, int x, int y) {
    return isFeatureKind(level.cell(x, y).terrain);
}

}  // namespace

bool isFeatureKind(int kind) {
    return (terrainKind(kind).flags & kFeature) != 0;
}

std::optional<MenuAreaKind> menuAreaKind(int commandId) {
    for (const MenuArea& m : kMenuAreas) {
        if (m.id == commandId) return m.what;
    }
    return std::nullopt;
}

AreaRecord& addCascadedArea(Level& level, int& cascade, MenuAreaKind what) {
    const int k = cascade;
    AreaRecord& area = *level.newArea(2 * k + 20, k + 6, 2 * k + 25, k + 11);
    cascade = (k + 1) % kCascadeSteps;
    area.kind = what.kind;
    area.param = what.param;
    styleArea(area);
    return area;
}

AreaRecord provisionalRoom() {
    AreaRecord room;
    room.x1 = 15;
    room.y1 = 8;
    room.x2 = 20;
    room.y2 = 11;
    room.kind = kOrdinaryRoom;
    room.param = 1;  // lit
    return room;
}

AreaRecord& addAreaCopy(Level& level, const AreaRecord& record) {
    AreaRecord& area = *level.newArea(record.x1, record.y1, record.x2, record.y2);
    area = record;
    return area;
}

AreaRecord* addMapPart(Level& level, PartAlignment alignment) {
    const int index = level.settings.partCount;
    if (index < 0 || index >= kMaxMapParts) return nullptr;
    MapPart& part = level.mapParts[static_cast<std::size_t>(index)];
    if (!placeMapPart(part, alignment, 5, 3)) return nullptr;
    level.settings.partCount = index + 1;
    AreaRecord* area = level.newArea(part.x1, part.y1, part.x2, part.y2);
    area->kind = kMapPartArea;
    area->color = kMapPartColor;
    area->param = index;
    return area;
}

AreaRecord* mapPartArea(const Level& level, int index) {
    for (const auto& a : level.areas()) {
        if (a->kind == kMapPartArea && a->param == index) return a.get();
    }
    return nullptr;
}

MapPart* partOfArea(Level& level, const AreaRecord& area) {
    if (area.kind != kMapPartArea || area.param < 0 || area.param >= level.settings.partCount) {
        return nullptr;
    }
    return &level.mapParts[static_cast<std::size_t>(area.param)];
}

void snapMapPart(MapPart& part, AreaRecord& area, PartAlignment alignment) {
    placeMapPart(part, alignment, area.x2 - area.x1 + 1, area.y2 - area.y1 + 1);
    area.x1 = part.x1;
    area.y1 = part.y1;
    area.x2 = part.x2;
    area.y2 = part.y2;
}

Peeled peelCell(Level& level, int x, int y) {
    MapCell& cell = level.cell(x, y);
    if (cell.monster) {
        cell.monster.reset();
        return Peeled::Monster;
    }
    if (cell.overlay != 0) {
        cell.overlay = 0;
        return Peeled::Marker;
    }
    if (!cell.objects.empty()) {
        cell.objects.erase(cell.objects.begin());
        return Peeled::Object;
    }
    if (cell.trap) {
        cell.trap.reset();
        return Peeled::Trap;
    }
    if (isFeature(level, x, y)) {
        if (StairSpot* spot = stairSpotOf(level.settings, cell.terrain)) spot->state = kNoStair;
        level.setTerrain(x, y, kFloor);
        return Peeled::Feature;
    }
    const int place = randomPlaceAt(level, x, y);
    if (place < 0) return Peeled::Nothing;
    removeRandomPlace(level.settings, place);
    return Peeled::RandomPlace;
}

bool holdsItem(const Level& level, int x, int y) {
    const MapCell& cell = level.cell(x, y);
    return cell.monster || cell.overlay != 0 || !cell.objects.empty() || cell.trap ||
           isFeature(level, x, y);
}

}  // namespace mapedit
