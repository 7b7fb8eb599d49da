#include "edit/wall_redraw.h"

#include "view/settled_cells.h"

namespace mapedit {

void wallRedraw(PaintContext& p, const CellRect& rect, Settle how) {
    const CellRect settled = settleWalls(p.level, rect, how);
    ViewContext v = p.view();
    drawSettledCells(v, settled);
}

}  // namespace mapedit
