#pragma once

#include <cstdint>

#include "view/view_context.h"

namespace mapedit {

// Pixel geometry of the client area.
constexpr int kCellWidth = 10;
constexpr int kCellHeight = 18;
constexpr int kMapAreaHeight = 396;
inline int cellLeft(int x) {
    return kCellWidth * x;
}
inline int cellTop(int y) {
    return kCellHeight * y + 9;
}
// The middle pixel of a cell, where a click lands on it.
inline int cellCentreX(int x) {
    return cellLeft(x) + kCellWidth / 2;
}
inline int cellCentreY(int y) {
    return cellTop(y) + kCellHeight / 2;
}
// The cell under a pixel, the inverse of the two above; row 0 covers the 9
// pixels above the grid too.
inline CellPos cellAt(int px, int py) {
    return {px / kCellWidth, (py - cellTop(0)) / kCellHeight};
}

// One character at cell (x, y) in the colours of two colour indexes.
void drawGlyph(ViewContext& v, int x, int y, std::uint8_t ch, int fg, int bg);
// The cell as the model shows it, dimmed outside map parts, with the
// random-place and selection backgrounds. Ignores non-editable cells.
void redrawCell(ViewContext& v, int x, int y);
void redrawCells(ViewContext& v, int x1, int y1, int x2, int y2);
void redrawAllCells(ViewContext& v);
// Background, every cell, frame, and the areas when shown.
void redrawMapArea(ViewContext& v);
// The whole client area: map area, black panel strip, palette, readout (0, 0).
void paintClientArea(ViewContext& v);

}  // namespace mapedit
