#pragma once

#include "view/view_context.h"

namespace mapedit {

// The palette below the map: the terrain and placement rows with the
// current kind highlighted, and the current kind's name.
void drawPalettePanel(ViewContext& v);
// The readout of the cell under the mouse, left of the palette.
void drawCoordinates(ViewContext& v, int x, int y);

}  // namespace mapedit
