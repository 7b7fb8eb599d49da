#pragma once

#include <memory>
#include <string_view>

#include <utility>
#include "app/document.h"
#include "app/editor_state.h"

#include "dialogs/property_dialogs.h"
#include "edit/paint.h"
#include "platform/canvas.h"
#include "platform/shell.h"

namespace mapedit {

// The gesture a tool has in progress, as the script log's state line shows
// it: a stroke (pen and shapes), an area grabbed by one of its handles
// (1 top-left .. 9 bottom-right, 5 its body), or an item carried.
enum GestureCode : int {
    kNoGesture = 0,
    kStrokeGesture = 1,
    kFirstItemGesture = 100,  // the kinds of SelectTool's held item follow in order
};

// What a tool works with: the document, the editor's state and brushes,
// the framebuffer and the window. Made afresh for every message.
class ToolContext {
  public:
    ToolContext(Document& doc, EditorState& editorState, Templates& brushes, Canvas& frame,
                Shell& window)
        : document(doc), state(editorState), templates(brushes), canvas(frame), shell(window) {}

    Document& document;
    EditorState& state;
    Templates& templates;
    Canvas& canvas;
    Shell& shell;

    Level& level() { return document.level(); }
    PaintContext paint(int mode = kPaintStore) {
        return PaintContext{canvas, document.level(), state, templates, mode};
    }
    ViewContext view() { return ViewContext{canvas, document.level(), state, templates}; }

    // The step `name` ends: Undo takes it back as one.
    void commit(std::string_view name) { document.commit(name); }
    // Runs the property dialog of the subject; true on OK.
    template <typename Subject>
    bool runDialog(Subject&& subject) {
        const auto dialog = makePropertyDialog(std::forward<Subject>(subject), state.variant);
        return shell.runDialog(*dialog) == DialogResult::Ok;
    }
    // The cell selected before the press, drawn without its highlight.
    void redrawPreviousSelection();
    void drawAreasIfShown();
    void drawPalette();
    // Places the map part of `area` by the alignment; it becomes the part
    // that New geometry and the dialogs work on.
    void snapMapPart(AreaRecord& area, MapPart& part, PartAlignment alignment);
};

// A tool of the toolbar: what a press, a move with the button held, a
// release and a double click on the map do, and how a gesture whose
// release was lost ends. A tool keeps the state of its gesture, and ends
// the undo step of a gesture when the gesture ends. The right button and
// the palette answer alike with every tool; the editor handles them.
class EditTool {
  public:
    virtual ~EditTool() = default;

    // A press the tool takes before the map's cells see it (the select
    // tool's area handles); false when it takes none.
    virtual bool pressOnPixel(ToolContext&, int /*px*/, int /*py*/, CellPos /*cell*/) {
        return false;
    }
    // A press on an editable cell.
    virtual void press(ToolContext& ctx, CellPos cell) = 0;
    // The pointer reached another editable cell with the button held.
    virtual void drag(ToolContext&, CellPos) {}
    // The button came up on an editable cell, outside a double click.
    virtual void release(ToolContext&, CellPos) {}
    virtual void doubleClick(ToolContext&, CellPos) {}
    // The release was lost (the next press, a move without the button, a
    // change of tool, Undo ...): the gesture ends as the tool ends it.
    virtual void abandon(ToolContext&) {}

    // The gesture in progress, kNoGesture for none.
    virtual int gesture() const { return kNoGesture; }
    // The name of the undo step the gesture in progress makes.
    virtual std::string_view stepName() const = 0;
    // Whether a move to (px, py) still counts as the last cell: the pen
    // keeps its cell until the pointer has clearly left it.
    virtual bool keepsCell(int /*px*/, int /*py*/, CellPos /*last*/) const { return false; }
};

// One tool object per toolbar tool, in the toolbar's order.
std::unique_ptr<EditTool> makeTool(Tool tool);

}  // namespace mapedit
