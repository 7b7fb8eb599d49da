#include "app/document.h"

#include "app/file_io.h"
#include "app/level_choices.h"

namespace mapedit {

std::string Document::fileTitle() const {
    return fileAndLevelName(fileNameOf(path_), levelFile_, levelIndex_);
}

void Document::setFile(const std::string& path, LevelFile file, int levelIndex) {
    path_ = path;
    levelFile_ = std::move(file);
    levelIndex_ = levelIndex;
}

void Document::saved(const std::string& path, std::string_view levelText) {
    levelFile_.replaceLevel(levelIndex_, levelText);
    // The editor keeps its areas smallest first; the writer read them in
    // its own order.
    level_.sortAreasAscending();
    history_.markSaved(level_);
    path_ = path;
    holdsLevel_ = true;
}

void Document::undo() {
    if (canUndo()) level_ = history_.undo();
}

void Document::redo() {
    if (canRedo()) level_ = history_.redo();
}

}  // namespace mapedit
