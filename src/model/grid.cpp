#include "model/grid.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

#include "model/terrain.h"

namespace mapedit {

namespace {

const TerrainKind& kindOfCell(const Level& level, int x, int y) {
    return terrainKind(level.cell(x, y).terrain);
}

constexpr std::array<int, 5> kGroundKinds = {kFloor, kCorridor, kIce, kOpenAir, kCloudyAir};
constexpr std::uint8_t kWaterSymbol = 'W';

}  // namespace

CellRect ordered(CellRect r) {
    if (r.x1 > r.x2) std::swap(r.x1, r.x2);
    if (r.y1 > r.y2) std::swap(r.y1, r.y2);
    return r;
}

CellRect editablePart(const CellRect& r) {
    const CellRect& e = kEditableCells;
    return CellRect{std::max(r.x1, e.x1), std::max(r.y1, e.y1), std::min(r.x2, e.x2),
                    std::min(r.y2, e.y2)};
}

bool isEditableCell(int x, int y) {
    return x >= kEditableCells.x1 && x <= kEditableCells.x2 && y >= kEditableCells.y1 &&
           y <= kEditableCells.y2;
}

bool joinsWalls(const Level& level, int x, int y) {
    return (kindOfCell(level, x, y).flags & (kWall | kRockLike)) != 0;
}

bool canHoldPlacement(const Level& level, int x, int y) {
    return (kindOfCell(level, x, y).flags & kWalkable) != 0;
}

bool isRandomGround(const MapCell& cell) {
    return std::find(kGroundKinds.begin(), kGroundKinds.end(), cell.terrain) != kGroundKinds.end();
}

bool isRandomWater(const MapCell& cell) {
    if (cell.terrain == kNone) return cell.keptSymbol == kWaterSymbol;
    return cell.terrain == kLava || (terrainKind(cell.terrain).flags & kLiquid) != 0;
}

bool isWaterOrAir(const MapCell& cell) {
    return isRandomWater(cell) || cell.terrain == kOpenAir || cell.terrain == kCloudyAir;
}

bool inMapPart(const Level& level, int x, int y) {
    return std::ranges::any_of(level.usedParts(),
                               [x, y](const MapPart& part) { return part.contains(x, y); });
}

bool inMapText(const Level& level, int x, int y) {
    return std::ranges::any_of(level.usedParts(), [x, y](const MapPart& part) {
        return part.hasMapText() && part.contains(x, y);
    });
}

int randomPlaceAt(const Level& level, int x, int y) {
    const LevelSettings& s = level.settings;
    const int count = std::clamp(s.randomPlaceCount, 0, kMaxListEntries);
    for (int i = 0; i < count; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (s.randomPlaces[at].isAt(x, y)) return i;
    }
    return -1;
}

int mazewalkMarkerCount(const Level& level) {
    int count = 0;
    for (int x = 0; x < kMapWidth; ++x) {
        for (int y = 0; y < kMapHeight; ++y) {
            if (markerType(level.cell(x, y).overlay) == MarkerType::Mazewalk) ++count;
        }
    }
    return count;
}

StairSpot* stairSpotOf(LevelSettings& settings, int kind) {
    for (const StairSpotKind& k : kStairSpots) {
        if (k.terrain == kind) return &(settings.*k.spot);
    }
    return nullptr;
}

}  // namespace mapedit
