#pragma once

#include "view/view_context.h"

namespace mapedit {

// The palette below the map: the terrain and placement rows with the
// current kind highlighted, and the current kind's name.
void drawPalettePanel(ViewContext& v);
// The readout of the cell under the mouse, left of the palette.
void drawCoordinates(ViewContext& v, int x, int y);
// The kind of the palette entry under the pixel, or 0 off the entries and
// on one the variant hides.
int paletteKindAt(const ViewState& shown, int px, int py);

}  // namespace mapedit
