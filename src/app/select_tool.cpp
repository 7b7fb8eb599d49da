// The select tool: pick up and drop items, move and resize areas, open the
// property dialog of what a double click hits.
#include <algorithm>
#include <utility>

#include "app/editor.h"
#include "edit/area_commands.h"
#include "edit/random_places.h"
#include "model/grid.h"
#include "model/terrain.h"
#include "view/cell_look.h"
#include "view/map_view.h"
#include "view/overlays.h"

namespace mapedit {

int Editor::handleAt(int px, int py) const {
    if (state.selectedArea == nullptr) return 0;
    const HandleCentres h = handleCentres(*state.selectedArea);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            if (row == 1 && column == 1) continue;
            const int hx = h.xs[static_cast<std::size_t>(column)];
            const int hy = h.ys[static_cast<std::size_t>(row)];
            if (hx - 3 <= px && px <= hx + 4 && hy - 3 <= py && py <= hy + 4) {
                return column + 3 * row + 1;
            }
        }
    }
    return 0;
}

void Editor::pickUp(int cx, int cy) {
    if (pickUpItem(cx, cy)) {
        DragState& d = state.drag;
        d.cell = d.origin = {cx, cy};
        d.savedShowRegions = state.showRegions;
        ViewContext v = view();
        drawGlyph(v, cx, cy, d.glyph, d.color, 0);
        return;
    }
    const int terrain = level.cell(cx, cy).terrain;
    if (terrain == kDoorway || terrain == kSecretDoor) return;
    if (state.showRegions) grabArea(cx, cy);
}

// Takes the topmost item off the cell into the drag; false when the cell
// holds none. The item is drawn as the cell shows it, but for a random
// place, which the cell shows as its terrain.
bool Editor::pickUpItem(int cx, int cy) {
    DragState& d = state.drag;
    MapCell& cell = level.cell(cx, cy);
    const Appearance look = cellAppearance(level, state, cx, cy);
    d.glyph = look.ch;
    d.color = look.color;
    if (state.showMonsters && cell.monster) {
        d.monster = std::move(cell.monster);
        d.mode = kDragMonster;
    } else if (cell.overlay != 0) {
        d.value = cell.overlay;
        d.mode = markerType(cell.overlay) == 1 ? kDragDrawbridge : kDragMazewalk;
        cell.overlay = 0;
    } else if (state.showObjects && !cell.objects.empty()) {
        d.object = std::move(cell.objects.front());
        cell.objects.erase(cell.objects.begin());
        d.mode = kDragObject;
    } else if (cell.trap) {
        d.trap = std::move(cell.trap);
        d.mode = kDragTrap;
    } else if (const int place = randomPlaceAt(level, cx, cy); place >= 0) {
        d.value = place;
        d.glyph = terrainKind(kRandomPlaceKind).glyph;
        d.color = terrainKind(kRandomPlaceKind).color;
        moveRandomPlace(level.settings, place, 0, 0);  // no cell matches (0, 0)
        d.mode = kDragRandomPlace;
    } else if (isFeatureKind(cell.terrain)) {
        d.value = cell.terrain;
        d.detail = cell.detail;
        level.setTerrain(cx, cy, kFloor);
        cell.detail = 0;
        d.mode = kDragFeature;
    } else {
        return false;
    }
    return true;
}

// A press on an area body grabs the smallest area there for moving.
void Editor::grabArea(int cx, int cy) {
    AreaRecord* area = level.areaAt(cx, cy);
    if (area == nullptr) return;
    state.selectArea(area);
    beginAreaDrag(kMoveArea, {cx, cy});
    state.drag.origin = {cx - area->x1, cy - area->y1};
}

// The selected area stops being drawn as itself: its XOR outline follows
// the drag until the release.
void Editor::beginAreaDrag(int mode, CellPos at) {
    state.drag.mode = mode;
    state.areaDragActive = true;
    ViewContext v = view();
    redrawMapArea(v);
    xorOutline(v, *state.selectedArea);
    state.drag.cell = at;
}

void Editor::dragSelect(int cx, int cy) {
    DragState& d = state.drag;
    if (d.mode == kNoDrag || CellPos{cx, cy} == d.cell) return;
    if (isAreaDrag(d.mode)) {
        dragArea(cx, cy);
        return;
    }
    // Mazewalk markers live on odd/odd cells only.
    if (d.mode == kDragMazewalk && (cx % 2 == 0 || cy % 2 == 0)) return;
    ViewContext v = view();
    if (state.showRegions) {
        // Areas stay hidden while an item is dragged; the menu keeps its mark.
        state.showRegions = false;
        redrawMapArea(v);
    } else {
        redrawCell(v, d.cell.x, d.cell.y);
    }
    drawGlyph(v, cx, cy, d.glyph, d.color, 0);
    d.cell = {cx, cy};
}

namespace {

// A corner follows the pointer while it does not pass the opposite side.
void resizeArea(AreaRecord& a, int handle, int cx, int cy) {
    const int column = (handle - 1) % 3, row = (handle - 1) / 3;
    if (column == 0 && cx <= a.x2) a.x1 = cx;
    if (column == 2 && cx >= a.x1) a.x2 = cx;
    if (row == 0 && cy <= a.y2) a.y1 = cy;
    if (row == 2 && cy >= a.y1) a.y2 = cy;
}

// The area moves with the pointer, pushed back inside columns 1..79 and
// rows 0..20 with its size kept; it stays put when even that cannot fit.
void moveArea(AreaRecord& a, CellPos offset, int cx, int cy) {
    int nx1 = cx - offset.x, nx2 = a.x2 + cx - a.x1 - offset.x;
    int ny1 = cy - offset.y, ny2 = a.y2 + cy - a.y1 - offset.y;
    if (nx1 < 1) {
        nx2 = nx2 - nx1 + 1;
        nx1 = 1;
    }
    if (ny1 < 0) {
        ny2 = ny2 - ny1;
        ny1 = 0;
    }
    if (nx2 >= kMapWidth - 1) {
        nx1 -= nx2 - (kMapWidth - 1);
        nx2 = kMapWidth - 1;
    }
    if (ny2 >= kMapHeight - 1) {
        ny1 -= ny2 - (kMapHeight - 1);
        ny2 = kMapHeight - 1;
    }
    if (isEditableCell(nx1, ny1) && isEditableCell(nx2, ny2)) {
        a.x1 = nx1;
        a.y1 = ny1;
        a.x2 = nx2;
        a.y2 = ny2;
    }
}

}  // namespace

void Editor::dragArea(int cx, int cy) {
    DragState& d = state.drag;
    AreaRecord* area = state.selectedArea;
    if (area == nullptr) return;
    ViewContext v = view();
    xorOutline(v, *area);
    if (d.mode == kMoveArea) {
        moveArea(*area, d.origin, cx, cy);
    } else {
        resizeArea(*area, d.mode, cx, cy);
    }
    xorOutline(v, *area);
    d.cell = {cx, cy};
}

void Editor::dropSelect(int cx, int cy) {
    DragState& d = state.drag;
    (void)cx, (void)cy;  // items land where the drag last drew them
    if (isItemDrag(d.mode)) {
        finishItemDrop(dropItem());
    } else if (isAreaDrag(d.mode)) {
        dropArea();
    } else {
        // The press picked up nothing: a click clears every selection.
        const bool hadArea = state.selectedArea != nullptr;
        state.selectArea(nullptr);
        state.selectCell(0, 0);
        ViewContext v = view();
        if (hadArea) {
            redrawMapArea(v);
        } else {
            redrawPreviousSelection();
        }
    }
}

namespace {

// Whether the cell already holds what the dragged item would take the
// place of.
bool refusesItem(const Level& level, const DragState& d, CellPos at) {
    const MapCell& cell = level.cell(at.x, at.y);
    switch (d.mode) {
        case kDragMonster:
            return cell.monster != nullptr;
        case kDragTrap:
            return cell.trap != nullptr;
        case kDragFeature:
            return cell.terrain != kFloor || cell.trap;
        case kDragRandomPlace:
            return randomPlaceAt(level, at.x, at.y) >= 0;
        default:  // objects pile up; a marker replaces the one there
            return false;
    }
}

}  // namespace

// Puts the dragged item down at the drag's cell, or back where it came
// from when that place is taken; returns where it went.
CellPos Editor::dropItem() {
    DragState& d = state.drag;
    const CellPos target = refusesItem(level, d, d.cell) ? d.origin : d.cell;
    placeHeldItem(target);
    if (d.mode == kDragFeature) {
        if (StairSpot* spot = stairSpotOf(level.settings, d.value)) {
            spot->x = target.x;
            spot->y = target.y;
        }
    }
    return target;
}

// Puts the dragged item on the cell as it is.
void Editor::placeHeldItem(CellPos at) {
    DragState& d = state.drag;
    MapCell& cell = level.cell(at.x, at.y);
    switch (d.mode) {
        case kDragMonster:
            cell.monster = std::move(d.monster);
            break;
        case kDragObject:
            cell.objects.insert(cell.objects.begin(), std::move(d.object));
            break;
        case kDragTrap:
            cell.trap = std::move(d.trap);
            break;
        case kDragFeature:
            level.setTerrain(at.x, at.y, d.value);
            cell.detail = d.detail;
            break;
        case kDragDrawbridge:
        case kDragMazewalk:
            cell.overlay = static_cast<std::uint8_t>(d.value);
            break;
        default:  // kDragRandomPlace
            moveRandomPlace(level.settings, d.value, at.x, at.y);
            break;
    }
}

// The dropped item's cell becomes the selected cell.
void Editor::finishItemDrop(CellPos target) {
    DragState& d = state.drag;
    d.mode = kNoDrag;
    state.showRegions = d.savedShowRegions;
    const bool hadArea = state.selectedArea != nullptr;
    state.selectCell(target.x, target.y);
    redrawPreviousSelection();
    ViewContext v = view();
    if (hadArea) {
        redrawMapArea(v);
        return;
    }
    redrawCell(v, target.x, target.y);
    if (target == d.origin) redrawCell(v, d.cell.x, d.cell.y);
    drawAreasIfShown();
}

void Editor::dropArea() {
    state.areaDragActive = false;
    state.drag.mode = kNoDrag;
    if (AreaRecord* area = state.selectedArea) {
        if (MapPart* part = partOfArea(level, *area)) {
            snapMapPart(*area, *part, part->halign, part->valign);
        }
    }
    level.sortAreasAscending();
    ViewContext v = view();
    redrawMapArea(v);
}

// The release was lost: items go back where they came from; an area keeps
// the rectangle it was dragged to.
void Editor::abandonSelect() {
    DragState& d = state.drag;
    if (isItemDrag(d.mode)) {
        placeHeldItem(d.origin);
        state.showRegions = d.savedShowRegions;
    } else if (isAreaDrag(d.mode)) {
        state.areaDragActive = false;
        level.sortAreasAscending();
    }
    ViewContext v = view();
    redrawMapArea(v);
}

void Editor::editAt(int cx, int cy) {
    if (!isEditableCell(cx, cy)) return;
    if (editPlacement(cx, cy)) return;
    const int terrain = level.cell(cx, cy).terrain;
    if (terrain == kDoorway || terrain == kSecretDoor) {
        MapCell& door = level.cell(cx, cy);
        int state = door.detail;
        if (runDialog(DoorState{state}) && state != door.detail) {
            door.detail = static_cast<std::uint8_t>(state);
            // The map character alone no longer says the door: Save states it.
            door.readSymbol = 0;
        }
        return;
    }
    if (terrain == kAltar) {
        runDialog(AltarDetail{level.cell(cx, cy).detail});
        return;
    }
    if (state.showRegions && level.areaAt(cx, cy) != nullptr) {
        editAreaAt(cx, cy);
        return;
    }
    redrawPreviousSelection();
}

// Monster, marker, object or trap: the first the cell shows.
bool Editor::editPlacement(int cx, int cy) {
    MapCell& cell = level.cell(cx, cy);
    // Copies the record into its template, runs the dialog on the template
    // and copies it back on OK. The template keeps the copy either way, so
    // the item edited last is the brush.
    const auto editThroughTemplate = [this](auto& record, auto& brush) {
        brush = record;
        if (runDialog(brush)) record = brush;
    };
    if (state.showMonsters && cell.monster) {
        editThroughTemplate(*cell.monster, templates.monsterTemplate);
    } else if (cell.overlay != 0) {
        int value = cell.overlay & 0x0F;
        const int type = cell.overlay & 0xF0;
        const bool ok = markerType(cell.overlay) == 1 ? runDialog(DrawbridgeMarker{value})
                                                      : runDialog(MazewalkMarker{value});
        if (ok) cell.overlay = static_cast<std::uint8_t>(type | value);
    } else if (state.showObjects && !cell.objects.empty()) {
        editThroughTemplate(*cell.objects.front(), templates.objectTemplate);
    } else if (cell.trap) {
        editThroughTemplate(*cell.trap, templates.trapTemplate);
    } else {
        return false;
    }
    shell_.invalidate();
    return true;
}

// A room region opens its dialog on the area itself; a map part's area the
// alignment dialog of its part, which then moves to its new place.
void Editor::editAreaAt(int cx, int cy) {
    AreaRecord* area = level.areaAt(cx, cy);
    if (area->kind < 21) {
        runDialog(*area);
        shell_.invalidate();
        return;
    }
    MapPart* part = partOfArea(level, *area);
    if (part == nullptr) {
        redrawPreviousSelection();
        return;
    }
    int value = packAlignment(part->halign, part->valign);
    if (runDialog(PartAlignment{value})) {
        snapMapPart(*area, *part, value / 16, value % 16);
        level.sortAreasAscending();
    }
    shell_.invalidate();
}

}  // namespace mapedit
