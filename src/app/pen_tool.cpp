// The pen: paints the current kind along the pointer's path, from press to
// release; a fast move is joined with a straight line.
#include "app/tool.h"
#include "app/tools.h"
#include "edit/shapes.h"
#include "edit/wall_redraw.h"
#include "model/terrain.h"
#include "view/map_view.h"

namespace mapedit {

namespace {

class PenTool final : public EditTool {
  public:
    void press(ToolContext& ctx, CellPos cell) override {
        ctx.redrawPreviousSelection();
        const int kind = ctx.state.currentKind;
        PaintContext store = ctx.paint(deferredFor(kPaintStore, kind));
        paintCell(store, cell.x, cell.y, kind);
        PaintContext p = ctx.paint();
        wallRedraw(p, cellRectOf(cell, ctx.state.mouse.lastCell), Settle::Kinds);
        stroking_ = true;
    }

    // A monster is painted on the pressed cell only.
    void drag(ToolContext& ctx, CellPos cell) override {
        const int kind = ctx.state.currentKind;
        if (!stroking_ || kind == kMonsterKind) return;
        const CellPos last = ctx.state.mouse.lastCell;
        PaintContext store = ctx.paint(deferredFor(kPaintStore, kind));
        const int dx = cell.x - last.x, dy = cell.y - last.y;
        if (dx * dx + dy * dy < 3) {
            paintCell(store, cell.x, cell.y, kind);
        } else {
            drawLine(store, cell.x, cell.y, last.x, last.y, kind);
        }
        PaintContext p = ctx.paint();
        wallRedraw(p, cellRectOf(cell, last), Settle::Kinds);
    }

    void release(ToolContext& ctx, CellPos) override {
        stroking_ = false;
        ctx.drawAreasIfShown();
        ctx.commit(stepName());
    }

    void abandon(ToolContext& ctx) override {
        stroking_ = false;
        ctx.commit(stepName());
    }

    int gesture() const override { return stroking_ ? kStrokeGesture : kNoGesture; }
    std::string_view stepName() const override { return "Pen"; }

    // The box is measured from the row's top at 18 y, not from the drawn top.
    bool keepsCell(int px, int py, CellPos last) const override {
        const int rowTop = kCellHeight * last.y;
        return px >= cellLeft(last.x) - 2 && px < cellLeft(last.x) + kCellWidth + 2 &&
               py >= rowTop - 2 && py < rowTop + kCellHeight + 2;
    }

  private:
    bool stroking_ = false;
};

}  // namespace

std::unique_ptr<EditTool> makePenTool() {
    return std::make_unique<PenTool>();
}

}  // namespace mapedit
