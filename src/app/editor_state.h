#pragma once

#include <string>

#include "app/drag_state.h"
#include "reader/level_file.h"
#include "resources/toolbar.h"
#include "view/view_state.h"

namespace mapedit {

// The editor's own state: what the view shows (kind, variant, view
// switches, selection, drag flag), the tool, the mouse drag, and the file
// being edited.
struct EditorState : ViewState {
    Tool currentTool = Tool::Pen;
    DragState drag;
    int newAreaCascade = 0;  // position step of the next Region-menu area, 0..7
    int currentPart = -1;    // the map part New geometry and dialogs last placed

    std::string filePath;      // full path of the current level description
    bool fileIsLevel = false;  // the file read as a level, or was saved from one
    // The file's text as last read or saved, split into its levels; Save
    // writes it back with the edited level's text replaced.
    LevelFile levelFile;
    int levelIndex = 0;  // the level of levelFile being edited
};

}  // namespace mapedit
