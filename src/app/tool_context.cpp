#include "app/tool.h"

#include "edit/area_commands.h"
#include "view/map_view.h"
#include "view/overlays.h"
#include "view/panel.h"

namespace mapedit {

void ToolContext::redrawPreviousSelection() {
    ViewContext v = view();
    redrawCell(v, state.mouse.previousSelection.x, state.mouse.previousSelection.y);
}

void ToolContext::drawAreasIfShown() {
    if (!state.showRegions) return;
    ViewContext v = view();
    drawAreas(v);
}

void ToolContext::drawPalette() {
    ViewContext v = view();
    drawPalettePanel(v);
}

void ToolContext::snapMapPart(AreaRecord& area, MapPart& part, PartAlignment alignment) {
    state.currentPart = area.param;
    mapedit::snapMapPart(part, area, alignment);
}

}  // namespace mapedit
