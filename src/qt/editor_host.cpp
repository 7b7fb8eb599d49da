#include "qt/editor_host.h"

#include "app/cell_readout.h"
#include "model/terrain.h"
#include "view/map_view.h"
#include "view/panel.h"

namespace mapedit {

EditorHost::EditorHost(Editor& editor, QtShell& shell, MapWidget& map)
    : editor_(editor), shell_(shell), map_(map) {
    map_.setInput(this);
    // The first frame is ready before any event can arrive.
    paintIfAsked();
}

template <typename Event>
void EditorHost::deliver(Event&& event) {
    ++busy_;
    event();
    --busy_;
    if (busy_ != 0) return;
    // What the editor drew at once is on screen either way; a full paint
    // asked for runs now, as the message loop runs it once its queue is
    // empty, so what is shown never depends on how events were batched.
    paintIfAsked();
    map_.update();
    map_.window()->setWindowModified(editor_.document().hasUnsavedChanges());
}

// A paint the platform asks for while the editor is busy shows the
// framebuffer as it is.
void EditorHost::beforePaint() {
    if (busy_ == 0) paintIfAsked();
}

std::string EditorHost::toolTipAt(int px, int py) const {
    const int kind = paletteKindAt(editor_.state(), px, py);
    return kind != 0 ? terrainKind(kind).name : std::string();
}

void EditorHost::paintIfAsked() {
    if (shell_.takeInvalidation()) editor_.onPaint();
}

void EditorHost::command(int id) {
    deliver([&] { editor_.onCommand(id); });
}

void EditorHost::accelerator(int id) {
    deliver([&] { editor_.chooseMenuEntry(id); });
}

void EditorHost::menuOpening(const MenuEntry& popup) {
    deliver([&] { editor_.onMenuOpening(popup); });
}

bool EditorHost::close() {
    bool mayClose = false;
    deliver([&] { mayClose = editor_.onClose(); });
    return mayClose;
}

void EditorHost::openFile(const std::string& path) {
    deliver([&] { editor_.openFile(path); });
}

void EditorHost::leftDown(int px, int py) {
    deliver([&] { editor_.onLeftDown(px, py); });
}

void EditorHost::mouseMove(int px, int py, bool leftHeld) {
    deliver([&] { editor_.onMouseMove(px, py, leftHeld); });
    if (!status_) return;
    const CellPos cell = cellAt(px, py);
    const bool onMap = py >= 0 && py < cellTop(kMapHeight) && isOnGrid(cell.x, cell.y);
    status_(onMap ? cellReadout(editor_.level(), cell.x, cell.y) : std::string());
}

void EditorHost::leftUp(int px, int py) {
    deliver([&] { editor_.onLeftUp(px, py); });
}

void EditorHost::doubleClick(int px, int py) {
    deliver([&] { editor_.onDoubleClick(px, py); });
}

void EditorHost::rightDown(int px, int py) {
    deliver([&] { editor_.onRightDown(px, py); });
}

void EditorHost::keyDown(Key key) {
    deliver([&] { editor_.onKeyDown(key); });
}

}  // namespace mapedit
