// The Region menu, New geometry and Delete.
#include "app/editor.h"
#include "edit/area_commands.h"
#include "model/map_placement.h"
#include "view/map_view.h"
#include "view/overlays.h"

namespace mapedit {

void Editor::selectNewArea(AreaRecord& area) {
    state.selectArea(&area);
    level.sortAreasAscending();
    shell_.invalidate();
}

// The dialog edits a provisional room; only OK makes it an area.
void Editor::newRegion() {
    AreaRecord room = provisionalRoom();
    if (!runDialog(dialog::kRegion, &room)) return;
    selectNewArea(addAreaCopy(level, room));
}

void Editor::newAreaFromMenu(int id) {
    const auto what = menuAreaKind(id);
    if (!what) return;
    selectNewArea(addCascadedArea(level, state.newAreaCascade, *what));
}

// The map's cells are not touched: the new part starts as a 5 x 3 frame.
void Editor::newMapPart() {
    if (level.settings.partCount >= kMaxMapParts) return;
    int alignment = kCenteredAlignment;
    if (!runDialog(dialog::kMazePart, &alignment)) return;
    AreaRecord* area = addMapPart(level, alignment);
    if (area == nullptr) return;
    state.currentPart = area->param;
    selectNewArea(*area);
}

// A map part's area always shows its part's placed rectangle: the part
// takes the area's size and the alignments (when they still fit the grid;
// else it keeps its own) and the area snaps back to where the part is.
void Editor::snapMapPart(AreaRecord& area, int halign, int valign) {
    const int index = area.param;
    const MapPart& part = level.mapParts[static_cast<std::size_t>(index)];
    state.currentPart = index;
    placeMapPart(level.mapParts[static_cast<std::size_t>(index)], halign, valign,
                 area.x2 - area.x1 + 1, area.y2 - area.y1 + 1);
    area.x1 = part.x1;
    area.y1 = part.y1;
    area.x2 = part.x2;
    area.y2 = part.y2;
}

// Removes the selected area, or peels one thing off the selected cell.
void Editor::deleteSelection() {
    if (AreaRecord* area = state.selectedArea) {
        state.selectArea(nullptr);
        level.removeArea(area);
        shell_.invalidate();
        return;
    }
    const CellPos at = state.selectedCell;
    if (at == CellPos{}) return;
    if (peelCell(level, at.x, at.y) == Peeled::Nothing) return;
    if (!holdsItem(level, at.x, at.y)) state.selectCell(0, 0);
    ViewContext v = view();
    redrawCell(v, at.x, at.y);
    drawAreasIfShown();
}

}  // namespace mapedit
