#include "edit/wall_redraw.h"

#include "edit/settle_walls.h"
#include "view/settled_cells.h"

namespace mapedit {

void wallRedraw(PaintContext& p, const CellRect& rect) {
    const CellRect settled = settleWalls(p.level, rect);
    ViewContext v = p.view();
    drawSettledCells(v, settled);
}

}  // namespace mapedit
