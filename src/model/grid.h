#pragma once

#include <array>

#include "model/level.h"
#include "model/terrain.h"

namespace mapedit {

// A rectangle of cells, corners inclusive; empty when a corner passes the other.
struct CellRect {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// Column 0 belongs to no map: the editable cells are columns 1..79 of every row.
constexpr CellRect kEditableCells{1, 0, kMapWidth - 1, kMapHeight - 1};

// The rectangle with its corners in order: x1 <= x2 and y1 <= y2.
CellRect ordered(CellRect r);
// The part of an ordered rectangle that lies on the editable cells.
CellRect editablePart(const CellRect& r);

// Queries on the grid that the generator, the painter and the view share.
bool isEditableCell(int x, int y);
bool joinsWalls(const Level& level, int x, int y);
bool canHoldPlacement(const Level& level, int x, int y);
// Where the game puts a random object, trap or monster: floor, corridor,
// ice, open air or cloud.
bool isRandomGround(const MapCell& cell);
// Where it puts a random sea monster: the liquid kinds, lava, and water
// (a map's 'W', which no terrain kind has and the map keeps).
bool isRandomWater(const MapCell& cell);
// Water, open air or cloud: the planes made of nothing else take a random
// placement on any cell.
bool isWaterOrAir(const MapCell& cell);
bool inMapPart(const Level& level, int x, int y);
// In the rectangle of a part given by map text: a part without map text
// (NOMAP) is background, whatever its rectangle.
bool inMapText(const Level& level, int x, int y);
int randomPlaceAt(const Level& level, int x, int y);  // index or -1
// The mazewalk markers on the map, counted where they are, so that no
// edit can leave the count behind.
int mazewalkMarkerCount(const Level& level);
// The four stair and ladder spots of a level in the order they are written,
// with the terrain kind each stands for.
struct StairSpotKind {
    StairSpot LevelSettings::*spot;
    int terrain;
    bool ladder;
    bool down;
};
inline constexpr std::array<StairSpotKind, 4> kStairSpots = {{
    {&LevelSettings::stairUp, kUpstairs, false, false},
    {&LevelSettings::stairDown, kDownstairs, false, true},
    {&LevelSettings::ladderUp, kLadderUp, true, false},
    {&LevelSettings::ladderDown, kLadderDown, true, true},
}};

// Where the level keeps the one stair or ladder of that kind; null for
// every other kind.
StairSpot* stairSpotOf(LevelSettings& settings, int kind);

}  // namespace mapedit
