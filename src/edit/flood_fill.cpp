#include "edit/shapes.h"
#include "edit/span_fill.h"

namespace mapedit {

CellRect floodFill(PaintContext& p, int x, int y, int kind) {
    SpanFill<kFillStackSpans> fill(p, p.level.cell(x, y).terrain, kind);
    fill.run(x, y);
    return fill.bounds();
}

}  // namespace mapedit
