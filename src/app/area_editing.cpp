// The Region menu, New geometry and Delete.
#include "app/editor.h"
#include "edit/area_commands.h"
#include "view/map_view.h"
#include "view/overlays.h"

namespace mapedit {

void Editor::selectNewArea(AreaRecord& area) {
    state_.selectArea(&area);
    level().sortAreasAscending();
    shell_.invalidate();
}

// The dialog edits a provisional room; only OK makes it an area.
void Editor::newRegion() {
    AreaRecord room = provisionalRoom();
    if (!runDialog(room)) return;
    selectNewArea(addAreaCopy(level(), room));
}

void Editor::newAreaFromMenu(int id) {
    const auto what = menuAreaKind(id);
    if (!what) return;
    selectNewArea(addCascadedArea(level(), state_.newAreaCascade, *what));
}

// The map's cells are not touched: the new part starts as a 5 x 3 frame.
void Editor::newMapPart() {
    if (level().settings.partCount >= kMaxMapParts) return;
    PartAlignment alignment = kCenteredAlignment;
    if (!runDialog(alignment)) return;
    AreaRecord* area = addMapPart(level(), alignment);
    if (area == nullptr) return;
    state_.currentPart = area->param;
    selectNewArea(*area);
}

// Removes the selected area, or peels one thing off the selected cell.
void Editor::deleteSelection() {
    if (AreaRecord* area = state_.selectedArea) {
        state_.selectArea(nullptr);
        level().removeArea(area);
        shell_.invalidate();
        return;
    }
    const CellPos at = state_.selectedCell;
    if (at == CellPos{}) return;
    if (peelCell(level(), at.x, at.y) == Peeled::Nothing) return;
    if (!holdsItem(level(), at.x, at.y)) state_.selectCell(0, 0);
    ViewContext v = view();
    redrawCell(v, at.x, at.y);
    if (state_.showRegions) drawAreas(v);
}

}  // namespace mapedit
