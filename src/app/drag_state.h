#pragma once

#include <cstdint>
#include <memory>

#include "model/level.h"
#include "view/view_state.h"

namespace mapedit {

// What a press started. The numbers are those of the handles: 1 top-left,
// 2 top, 3 top-right, 4 left, 5 the whole area, 6 right, 7 bottom-left,
// 8 bottom, 9 bottom-right.
enum DragMode : int {
    kNoDrag = 0,
    kStroke = 1,  // pen and shape tools: the button is held
    kFirstHandle = 1,
    kMoveArea = 5,
    kLastHandle = 9,
    kDragMonster = 100,
    kDragObject = 101,
    kDragTrap = 102,
    kDragFeature = 103,
    kDragDrawbridge = 104,
    kDragMazewalk = 105,
    kDragRandomPlace = 106,
};

constexpr bool isAreaDrag(int mode) {
    return mode >= kFirstHandle && mode <= kLastHandle;
}
constexpr bool isItemDrag(int mode) {
    return mode >= kDragMonster && mode <= kDragRandomPlace;
}

// The mouse drag in progress and what the mouse protocol remembers between
// messages.
struct DragState {
    int mode = kNoDrag;
    // Item drags: where the item came from. Shape tools: the end of the
    // preview on screen, (-1, -1) when none. Area moves: the grabbed cell's
    // offset from the area's top-left corner.
    CellPos origin{-1, -1};
    // Item drags: where the item is drawn. Area drags: the last cell handled.
    // Shape tools: the anchor.
    CellPos cell;
    // The dragged record, owned by the drag while it belongs to no cell.
    std::unique_ptr<MonsterSpec> monster;
    std::unique_ptr<ObjectSpec> object;
    std::unique_ptr<TrapSpec> trap;
    std::uint8_t glyph = ' ';
    int color = 15;
    int value = 0;  // feature kind, marker byte or random place index
    std::uint8_t detail = 0;
    bool savedShowRegions = true;

    CellPos lastMouseCell;
    CellPos previousSelection;
    bool doubleClickGuard = false;
};

}  // namespace mapedit
