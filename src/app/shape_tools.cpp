// Line, rectangle, filled rectangle and maze rectangle: the shape follows
// the pointer as a preview from the pressed cell, and is stored on release.
#include <optional>

#include "app/tool.h"
#include "app/tools.h"
#include "edit/shapes.h"
#include "edit/wall_redraw.h"
#include "view/map_view.h"

namespace mapedit {

namespace {

class ShapeTool : public EditTool {
  public:
    // The anchor is previewed, not stored.
    void press(ToolContext& ctx, CellPos cell) override {
        shape_ = Shape{cell, std::nullopt};
        PaintContext preview = ctx.paint(0);
        paintCell(preview, cell.x, cell.y, ctx.state.currentKind);
        ctx.redrawPreviousSelection();
    }

    // Wipes the preview on screen (kind 0 shows the cells as they are),
    // then previews the shape to the new end.
    void drag(ToolContext& ctx, CellPos cell) override {
        if (!shape_) return;
        if (shape_->previewEnd) {
            PaintContext wipe = ctx.paint(kPaintShowCell);
            draw(wipe, shape_->anchor, *shape_->previewEnd, 0);
            // Nothing is stored while previewing: the cells are only drawn.
            PaintContext p = ctx.paint();
            wallRedraw(p, cellRectOf(shape_->anchor, cell), Settle::GlyphsOnly);
        }
        shape_->previewEnd = cell;
        PaintContext preview = ctx.paint(0);
        draw(preview, shape_->anchor, cell, ctx.state.currentKind);
    }

    // The shape ends at the release cell, whatever the last preview showed.
    void release(ToolContext& ctx, CellPos cell) override {
        if (!shape_) return;
        if (shape_->previewEnd) {
            PaintContext wipe = ctx.paint(kPaintShowCell);
            draw(wipe, shape_->anchor, *shape_->previewEnd, 0);
        }
        store(ctx, cell);
        ctx.drawAreasIfShown();
        end(ctx);
    }

    // A shape is stored at its last preview; one that never had a preview
    // end is dropped, since nothing tells where it would end.
    void abandon(ToolContext& ctx) override {
        if (!shape_) return;
        if (shape_->previewEnd) {
            store(ctx, *shape_->previewEnd);
        } else {
            ViewContext v = ctx.view();
            redrawCell(v, shape_->anchor.x, shape_->anchor.y);
        }
        end(ctx);
    }

    int gesture() const override { return shape_ ? kStrokeGesture : kNoGesture; }

  protected:
    virtual void draw(PaintContext& p, CellPos from, CellPos to, int kind) const = 0;

  private:
    struct Shape {
        CellPos anchor;
        std::optional<CellPos> previewEnd;  // the end shown on screen
    };

    void store(ToolContext& ctx, CellPos end) {
        const int kind = ctx.state.currentKind;
        PaintContext p = ctx.paint(deferredFor(kPaintStore, kind));
        draw(p, shape_->anchor, end, kind);
        wallRedraw(p, cellRectOf(shape_->anchor, end), Settle::Kinds);
    }

    void end(ToolContext& ctx) {
        shape_.reset();
        ctx.commit(stepName());
    }

    std::optional<Shape> shape_;
};

class LineTool final : public ShapeTool {
    void draw(PaintContext& p, CellPos a, CellPos b, int kind) const override {
        drawLine(p, a.x, a.y, b.x, b.y, kind);
    }
    std::string_view stepName() const override { return "Line"; }
};

class RectangleTool final : public ShapeTool {
    void draw(PaintContext& p, CellPos a, CellPos b, int kind) const override {
        drawRectOutline(p, a.x, a.y, b.x, b.y, kind);
    }
    std::string_view stepName() const override { return "Rectangle"; }
};

class FilledRectangleTool final : public ShapeTool {
    void draw(PaintContext& p, CellPos a, CellPos b, int kind) const override {
        drawRectFilled(p, a.x, a.y, b.x, b.y, kind);
    }
    std::string_view stepName() const override { return "Filled rectangle"; }
};

class MazeRectangleTool final : public ShapeTool {
    void draw(PaintContext& p, CellPos a, CellPos b, int kind) const override {
        drawMazeRect(p, a.x, a.y, b.x, b.y, kind);
    }
    std::string_view stepName() const override { return "Maze rectangle"; }
};

}  // namespace

std::unique_ptr<EditTool> makeLineTool() {
    return std::make_unique<LineTool>();
}
std::unique_ptr<EditTool> makeRectangleTool() {
    return std::make_unique<RectangleTool>();
}
std::unique_ptr<EditTool> makeFilledRectangleTool() {
    return std::make_unique<FilledRectangleTool>();
}
std::unique_ptr<EditTool> makeMazeRectangleTool() {
    return std::make_unique<MazeRectangleTool>();
}

}  // namespace mapedit
