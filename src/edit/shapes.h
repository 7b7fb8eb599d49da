#pragma once

#include "edit/paint.h"
#include "model/grid.h"

namespace mapedit {

void drawLine(PaintContext& p, int xa, int ya, int xb, int yb, int kind);
void drawRectOutline(PaintContext& p, int xa, int ya, int xb, int yb, int kind);
void drawRectFilled(PaintContext& p, int xa, int ya, int xb, int yb, int kind);
void drawMazeRect(PaintContext& p, int xa, int ya, int xb, int yb, int kind);
// Span fill of the 4-connected region with the terrain of (x, y); every
// cell of the region is painted at most once. Returns the smallest rectangle
// holding the cells it painted.
CellRect floodFill(PaintContext& p, int x, int y, int kind);
// Turns isolated odd/odd stones of each map part into mazewalk stones.
void markMazeStones(Level& level);

}  // namespace mapedit
