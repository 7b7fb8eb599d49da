// Undo, Redo, and the question before changes not saved yet are lost.
#include <string>

#include "app/editor.h"
#include "app/title.h"

namespace mapedit {

// A gesture still pending is an action the designer has not finished: it
// ends first, as a step of its own, and so is what Undo takes back.
void Editor::undo() {
    abandonGesture();
    if (!document_.canUndo()) return;
    document_.undo();
    levelRestored();
}

void Editor::redo() {
    abandonGesture();
    if (!document_.canRedo()) return;
    document_.redo();
    levelRestored();
}

// The selection pointed into the level replaced.
void Editor::levelRestored() {
    state_.selectArea(nullptr);
    state_.selectCell(0, 0);
    shell_.invalidate();
}

// Asks whether to save changes not saved yet before they would be lost.
// True when the caller may go on: nothing to save, saved, or given up.
bool Editor::offerToSave() {
    abandonGesture();
    if (!document_.hasUnsavedChanges()) return true;
    const std::string title = document_.fileTitle();
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

// Saving sorts the areas, a change of its own.
bool Editor::onClose() {
    const bool mayClose = offerToSave();
    document_.commit("Save");
    return mayClose;
}

}  // namespace mapedit
