// The tools whose press is all they do: fill, pick, and the area tool,
// which leaves areas to the Region menu and the select tool.
#include "app/tool.h"
#include "app/tools.h"
#include "edit/settle_walls.h"
#include "edit/shapes.h"
#include "edit/wall_redraw.h"
#include "model/terrain.h"

namespace mapedit {

namespace {

class FillTool final : public EditTool {
  public:
    // Only the filled cells and their neighbours settle; the rest of the map
    // is drawn again without a cell changing kind, however far the fill
    // reached. A monster is never filled.
    void press(ToolContext& ctx, CellPos cell) override {
        const int kind = ctx.state.currentKind;
        if (kind == kMonsterKind) return;
        ctx.redrawPreviousSelection();
        PaintContext store = ctx.paint(deferredFor(kPaintStore, kind));
        const CellRect filled = floodFill(store, cell.x, cell.y, kind);
        settleWalls(ctx.level(), filled, Settle::Kinds);
        wallRedraw(store, kEditableCells, Settle::GlyphsOnly);
        ctx.commit(stepName());
    }
    std::string_view stepName() const override { return "Fill"; }
};

// Takes the kind of the pressed cell as the current kind.
class PickTool final : public EditTool {
  public:
    void press(ToolContext& ctx, CellPos cell) override {
        ctx.state.currentKind = ctx.level().cell(cell.x, cell.y).terrain;
        ctx.drawPalette();
    }
    std::string_view stepName() const override { return "Pick"; }
};

class AreaTool final : public EditTool {
  public:
    void press(ToolContext&, CellPos) override {}
    std::string_view stepName() const override { return "Area"; }
};

}  // namespace

std::unique_ptr<EditTool> makeFillTool() {
    return std::make_unique<FillTool>();
}
std::unique_ptr<EditTool> makePickTool() {
    return std::make_unique<PickTool>();
}
std::unique_ptr<EditTool> makeAreaTool() {
    return std::make_unique<AreaTool>();
}

}  // namespace mapedit
