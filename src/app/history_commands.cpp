// Undo, Redo, and the question before changes not saved yet are lost.
#include <string>

#include "app/editor.h"
#include "app/title.h"

namespace mapedit {

// A drag still pending is an action the designer has not finished: it
// ends first, as a step of its own, and so is what Undo takes back.
void Editor::undo() {
    abandonDrag();
    if (!history_.canUndo()) return;
    restoreLevel(history_.undo());
}

void Editor::redo() {
    abandonDrag();
    if (!history_.canRedo()) return;
    restoreLevel(history_.redo());
}

// The selection pointed into the level replaced.
void Editor::restoreLevel(const Level& past) {
    level = past.clone();
    state.selectArea(nullptr);
    state.selectCell(0, 0);
    shell_.invalidate();
}

// Asks whether to save changes not saved yet before they would be lost.
// True when the caller may go on: nothing to save, saved, or given up.
bool Editor::offerToSave() {
    abandonDrag();
    if (!hasUnsavedChanges()) return true;
    const std::string title = fileTitle();
    const std::string name = title.empty() ? "Untitled" : title;
    switch (shell_.askMessage("Save changes to " + name + "?", kProgramName,
                              MessageButtons::YesNoCancel)) {
        case MessageAnswer::Yes:
            return saveLevel(true);
        case MessageAnswer::No:
            return true;
        default:
            return false;
    }
}

bool Editor::onClose() {
    const bool mayClose = offerToSave();
    finishMessage();
    return mayClose;
}

}  // namespace mapedit
