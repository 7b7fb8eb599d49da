#pragma once

#include "model/level.h"
#include "model/variant.h"

namespace mapedit {

struct CellPos {
    int x = 0, y = 0;
    friend bool operator==(CellPos, CellPos) = default;
};

// paintMode bits of the cell painter.
enum PaintMode : int {
    kPaintStore = 1,      // change the cell
    kPaintHighlight = 2,  // draw on colour 15 instead of 0
    kPaintShowCell = 4,   // draw the cell's appearance, not the kind's glyph
    kPaintDefer = 8,      // do not draw; a wall redraw follows
};

// The editor's own state: tool, kind, view switches, variant, selection.
// Later layers (mouse protocol, file commands, dialogs) extend it.
struct EditorState {
    int currentTool = 2002;  // pen
    int currentKind = 1;     // stone
    bool showRegions = true;
    bool showMonsters = true;
    bool showObjects = true;
    Variant variant = Variant::Vanilla;
    CellPos selectedCell;                 // (0, 0): none
    AreaRecord* selectedArea = nullptr;   // non-owning; always points into the area list
    bool areaDragActive = false;
    int paintMode = kPaintStore;

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
