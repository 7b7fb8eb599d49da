#pragma once

#include <optional>

#include "model/level.h"

namespace mapedit {

// The kind and parameter of the area a Region menu entry makes.
struct MenuAreaKind {
    int kind;
    int param;
};
// For the commands 401..414; nothing for another id.
std::optional<MenuAreaKind> menuAreaKind(int commandId);

// A 6 x 6 area at the cascade position, styled; the cascade steps on
// (eight places, two columns right and one row down each).
AreaRecord& addCascadedArea(Level& level, int& cascade, MenuAreaKind what);

// The room region "New region..." starts from: an ordinary lit room.
AreaRecord provisionalRoom();
// A new area holding a copy of the record.
AreaRecord& addAreaCopy(Level& level, const AreaRecord& record);

// Where New geometry offers to put a part.
constexpr PartAlignment kCenteredAlignment{HorizontalAlignment::Center, VerticalAlignment::Center};

// A new 5 x 3 map part with its area; null when ten parts are in use.
AreaRecord* addMapPart(Level& level, PartAlignment alignment);
// The map-part area of part `index`, or null.
AreaRecord* mapPartArea(const Level& level, int index);
// The map part a map-part area stands for; null for another area and for
// one whose part is not in use.
MapPart* partOfArea(Level& level, const AreaRecord& area);
// A map part's area always shows its part's placed rectangle: the part
// takes the area's size and the alignments (when they still fit the grid;
// else it keeps its own) and the area snaps back to where the part is.
void snapMapPart(MapPart& part, AreaRecord& area, PartAlignment alignment);

// Whether the terrain kind is a dungeon feature: what Delete peels as one
// and the select tool drags as one.
bool isFeatureKind(int kind);

// What Delete took off a cell.
enum class Peeled { Nothing, Monster, Marker, Object, Trap, Feature, RandomPlace };
// Removes the first thing the cell holds, in the order monster, marker,
// newest object, trap, feature, random place.
Peeled peelCell(Level& level, int x, int y);
// Whether the cell holds something that keeps it selected (a random place
// alone does not).
bool holdsItem(const Level& level, int x, int y);

}  // namespace mapedit
