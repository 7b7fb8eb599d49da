// Presses, moves and releases of the pen, the shape tools, fill and pick,
// palette clicks and the right button. The select tool's branches are in
// select_tool.cpp.
#include "app/editor.h"
#include "edit/shapes.h"
#include "edit/wall_redraw.h"
#include "model/grid.h"
#include "model/terrain.h"
#include "view/map_view.h"
#include "view/overlays.h"
#include "view/panel.h"

namespace mapedit {

namespace {

bool isShapeTool(Tool tool) {
    return tool == Tool::Line || tool == Tool::Rectangle || tool == Tool::FilledRectangle ||
           tool == Tool::MazeRectangle;
}

CellRect rectOf(CellPos a, CellPos b) {
    return {a.x, a.y, b.x, b.y};
}

// Only the filled cells and their neighbours settle; the rest of the map is
// drawn again without a cell changing kind, however far the fill reached.
void fill(PaintContext& p, int x, int y, int kind) {
    const CellRect filled = floodFill(p, x, y, kind);
    settleWalls(p.level, filled, Settle::Kinds);
    wallRedraw(p, kEditableCells, Settle::GlyphsOnly);
}

}  // namespace

void Editor::onLeftDown(int px, int py) {
    DragState& d = state.drag;
    const CellPos c = cellAt(px, py);
    d.doubleClickGuard = false;
    abandonDrag();
    int handle = 0;
    if (state.currentTool == Tool::Select && state.showRegions &&
        (handle = handleAt(px, py)) != 0) {
        beginAreaDrag(handle, c);
    } else if (isEditableCell(c.x, c.y)) {
        pressOnCell(c.x, c.y);
    } else if (const int k = paletteKindAt(state, px, py); k != 0) {
        // The palette answers with every tool.
        state.currentKind = k;
        drawPalette();
    }
    finishMessage();
}

void Editor::pressOnCell(int cx, int cy) {
    DragState& d = state.drag;
    const int kind = state.currentKind;
    d.previousSelection = state.selectedCell;
    state.selectCell(0, 0);
    PaintContext p = paintContext();
    switch (state.currentTool) {
        case Tool::Select:
            pickUp(cx, cy);
            break;
        case Tool::Area:
            break;
        case Tool::Pen: {
            redrawPreviousSelection();
            PaintContext store = p.withMode(deferredFor(kPaintStore, kind));
            paintCell(store, cx, cy, kind);
            wallRedraw(p, rectOf({cx, cy}, d.lastMouseCell), Settle::Kinds);
            d.mode = kStroke;
            break;
        }
        case Tool::Fill: {
            if (kind == kMonsterKind) break;
            redrawPreviousSelection();
            PaintContext store = p.withMode(deferredFor(kPaintStore, kind));
            fill(store, cx, cy, kind);
            break;
        }
        case Tool::Pick:
            state.currentKind = level.cell(cx, cy).terrain;
            drawPalette();
            break;
        default: {  // the shapes: the anchor is previewed, not stored
            d.cell = {cx, cy};
            d.origin = {-1, -1};
            PaintContext preview = p.withMode(0);
            paintCell(preview, cx, cy, kind);
            d.mode = kStroke;
            redrawPreviousSelection();
            break;
        }
    }
    d.lastMouseCell = {cx, cy};
}

void Editor::onMouseMove(int px, int py, bool leftHeld) {
    DragState& d = state.drag;
    if (!leftHeld) abandonDrag();
    const CellPos c = cellAt(px, py);
    const CellPos last = d.lastMouseCell;
    const bool stayed = c == last || !isEditableCell(c.x, c.y);
    // The pen keeps its cell until the pointer has clearly left it; the box
    // is measured from the row's top at 18 y, not from the drawn top.
    const int rowTop = kCellHeight * last.y;
    const bool penNear = state.currentTool == Tool::Pen && px >= cellLeft(last.x) - 2 &&
                         px < cellLeft(last.x) + kCellWidth + 2 && py >= rowTop - 2 &&
                         py < rowTop + kCellHeight + 2;
    if (stayed || penNear) {
        finishMessage();
        return;
    }
    if (leftHeld) {
        if (state.currentTool == Tool::Select) {
            dragSelect(c.x, c.y);
        } else if (state.currentTool == Tool::Pen) {
            strokeTo(c.x, c.y);
        } else if (isShapeTool(state.currentTool)) {
            previewShape(c.x, c.y);
        }
    }
    ViewContext v = view();
    drawCoordinates(v, c.x, c.y);
    d.lastMouseCell = c;
    finishMessage();
}

// A fast pen joins successive cells with a straight line.
void Editor::strokeTo(int cx, int cy) {
    const int kind = state.currentKind;
    if (state.drag.mode == kNoDrag || kind == kMonsterKind) return;
    const CellPos last = state.drag.lastMouseCell;
    PaintContext p = paintContext(deferredFor(kPaintStore, kind));
    const int dx = cx - last.x, dy = cy - last.y;
    if (dx * dx + dy * dy < 3) {
        paintCell(p, cx, cy, kind);
    } else {
        drawLine(p, cx, cy, last.x, last.y, kind);
    }
    wallRedraw(p, rectOf({cx, cy}, last), Settle::Kinds);
}

// Wipes the preview on screen (kind 0 shows the cells as they are), then
// previews the shape to the new end.
void Editor::previewShape(int cx, int cy) {
    DragState& d = state.drag;
    if (d.mode == kNoDrag) return;
    PaintContext p = paintContext();
    if (d.origin.x >= 0) {
        runShape(d.cell, d.origin, 0, kPaintShowCell);
        // Nothing is stored while previewing: the cells are only drawn.
        wallRedraw(p, rectOf(d.cell, {cx, cy}), Settle::GlyphsOnly);
    }
    d.origin = {cx, cy};
    runShape(d.cell, {cx, cy}, state.currentKind, 0);
}

void Editor::runShape(CellPos from, CellPos to, int kind, int mode) {
    PaintContext p = paintContext(mode);
    switch (state.currentTool) {
        case Tool::Line:
            drawLine(p, from.x, from.y, to.x, to.y, kind);
            break;
        case Tool::Rectangle:
            drawRectOutline(p, from.x, from.y, to.x, to.y, kind);
            break;
        case Tool::FilledRectangle:
            drawRectFilled(p, from.x, from.y, to.x, to.y, kind);
            break;
        case Tool::MazeRectangle:
            drawMazeRect(p, from.x, from.y, to.x, to.y, kind);
            break;
        default:
            break;
    }
}

void Editor::onLeftUp(int px, int py) {
    const CellPos c = cellAt(px, py);
    // A release off the map leaves the drag pending until the next press
    // or a move without the button.
    if (state.drag.doubleClickGuard || !isEditableCell(c.x, c.y)) {
        finishMessage();
        return;
    }
    if (state.currentTool == Tool::Select) {
        dropSelect(c.x, c.y);
    } else if (state.currentTool == Tool::Pen) {
        state.drag.mode = kNoDrag;
        drawAreasIfShown();
    } else if (isShapeTool(state.currentTool)) {
        releaseShape(c.x, c.y);
    }
    state.drag.lastMouseCell = c;
    finishMessage();
}

// The shape ends at the release cell, whatever the last preview showed.
void Editor::releaseShape(int cx, int cy) {
    DragState& d = state.drag;
    if (d.mode == kNoDrag) return;
    if (d.origin.x >= 0) runShape(d.cell, d.origin, 0, kPaintShowCell);
    runShape(d.cell, {cx, cy}, state.currentKind, deferredFor(kPaintStore, state.currentKind));
    PaintContext p = paintContext();
    wallRedraw(p, rectOf(d.cell, {cx, cy}), Settle::Kinds);
    drawAreasIfShown();
    d.mode = kNoDrag;
}

// A drag whose release was lost. A shape is committed at its last preview;
// one that never had a preview end is dropped, since nothing tells where
// it would end. The action ends here, as one step of its own. Without a
// drag, nothing happens.
void Editor::abandonDrag() {
    DragState& d = state.drag;
    if (d.mode == kNoDrag) return;
    if (state.currentTool == Tool::Select) {
        abandonSelect();
    } else if (isShapeTool(state.currentTool)) {
        PaintContext p = paintContext();
        if (d.origin.x >= 0) {
            runShape(d.cell, d.origin, state.currentKind,
                     deferredFor(kPaintStore, state.currentKind));
            wallRedraw(p, rectOf(d.cell, d.origin), Settle::Kinds);
        } else {
            ViewContext v = view();
            redrawCell(v, d.cell.x, d.cell.y);
        }
    }
    d.mode = kNoDrag;
    history_.record(level);
}

void Editor::onDoubleClick(int px, int py) {
    state.drag.doubleClickGuard = true;
    if (state.currentTool == Tool::Select) {
        const CellPos c = cellAt(px, py);
        editAt(c.x, c.y);
    }
    finishMessage();
}

// Copies the cell's monster into the brush (and takes the pen), or else
// its terrain into the current kind.
void Editor::onRightDown(int px, int py) {
    const CellPos c = cellAt(px, py);
    if (isEditableCell(c.x, c.y)) {
        const MapCell& cell = level.cell(c.x, c.y);
        if (cell.monster) {
            templates.monsterTemplate = *cell.monster;
            selectTool(Tool::Pen);
        } else {
            state.currentKind = cell.terrain;
        }
        drawPalette();
    }
    finishMessage();
}

void Editor::redrawPreviousSelection() {
    ViewContext v = view();
    redrawCell(v, state.drag.previousSelection.x, state.drag.previousSelection.y);
}

void Editor::drawAreasIfShown() {
    if (!state.showRegions) return;
    ViewContext v = view();
    drawAreas(v);
}

}  // namespace mapedit
