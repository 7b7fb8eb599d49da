#pragma once

#include "model/level.h"
#include "model/terrain.h"
#include "model/variant.h"

namespace mapedit {

struct CellPos {
    int x = 0, y = 0;
    friend bool operator==(CellPos, CellPos) = default;
};

// What the map view shows besides the level: the palette's current kind and
// variant, the View menu's switches, the selection and whether the selected
// area is being dragged (its XOR outline then stands for it).
struct ViewState {
    int currentKind = kStone;
    Variant variant = Variant::Vanilla;
    bool showRegions = true;
    bool showMonsters = true;
    bool showObjects = true;
    CellPos selectedCell;                // (0, 0): none
    AreaRecord* selectedArea = nullptr;  // non-owning; always points into the area list
    bool areaDragActive = false;

    bool isSelectedCell(int x, int y) const { return selectedCell == CellPos{x, y}; }
    void selectCell(int x, int y) {
        selectedCell = {x, y};
        if (x != 0 || y != 0) selectedArea = nullptr;
    }
    void selectArea(AreaRecord* area) {
        selectedArea = area;
        if (area != nullptr) selectedCell = {};
    }
};

}  // namespace mapedit
