// Presses, moves, releases and double clicks go to the current tool; the
// palette and the right button answer alike with every tool.
#include "app/editor.h"
#include "model/grid.h"
#include "model/terrain.h"
#include "view/map_view.h"
#include "view/panel.h"

namespace mapedit {

void Editor::onLeftDown(int px, int py) {
    state_.mouse.doubleClickGuard = false;
    abandonGesture();
    const CellPos c = cellAt(px, py);
    ToolContext ctx = toolContext();
    if (tool().pressOnPixel(ctx, px, py, c)) return;
    if (isEditableCell(c.x, c.y)) {
        pressOnCell(c);
    } else if (const int k = paletteKindAt(state_, px, py); k != 0) {
        state_.currentKind = k;
        drawPalette();
    }
}

// A press on the map takes the selected cell's highlight away first.
void Editor::pressOnCell(CellPos cell) {
    state_.mouse.previousSelection = state_.selectedCell;
    state_.selectCell(0, 0);
    ToolContext ctx = toolContext();
    tool().press(ctx, cell);
    state_.mouse.lastCell = cell;
}

void Editor::onMouseMove(int px, int py, bool leftHeld) {
    if (!leftHeld) abandonGesture();
    const CellPos c = cellAt(px, py);
    const CellPos last = state_.mouse.lastCell;
    if (c == last || !isEditableCell(c.x, c.y) || tool().keepsCell(px, py, last)) return;
    if (leftHeld) {
        ToolContext ctx = toolContext();
        tool().drag(ctx, c);
    }
    ViewContext v = view();
    drawCoordinates(v, c.x, c.y);
    state_.mouse.lastCell = c;
}

// A release off the map leaves the gesture pending until the next press
// or a move without the button.
void Editor::onLeftUp(int px, int py) {
    const CellPos c = cellAt(px, py);
    if (state_.mouse.doubleClickGuard || !isEditableCell(c.x, c.y)) return;
    ToolContext ctx = toolContext();
    tool().release(ctx, c);
    state_.mouse.lastCell = c;
}

void Editor::onDoubleClick(int px, int py) {
    state_.mouse.doubleClickGuard = true;
    ToolContext ctx = toolContext();
    tool().doubleClick(ctx, cellAt(px, py));
}

void Editor::abandonGesture() {
    if (tool().gesture() == kNoGesture) return;
    ToolContext ctx = toolContext();
    tool().abandon(ctx);
}

// Copies the cell's monster into the brush (and takes the pen), or else
// its terrain into the current kind.
void Editor::onRightDown(int px, int py) {
    const CellPos c = cellAt(px, py);
    if (!isEditableCell(c.x, c.y)) return;
    const MapCell& cell = level().cell(c.x, c.y);
    if (cell.monster) {
        templates_.monsterTemplate = *cell.monster;
        selectTool(Tool::Pen);
    } else {
        state_.currentKind = cell.terrain;
    }
    drawPalette();
}

}  // namespace mapedit
