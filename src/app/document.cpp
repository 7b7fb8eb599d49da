#include "app/document.h"

#include <utility>

#include "app/file_io.h"
#include "app/level_choices.h"
#include "writer/writer.h"

namespace mapedit {

std::string Document::fileTitle() const {
    return fileAndLevelName(fileNameOf(path_), levelFile_, levelIndex_);
}

void Document::setFile(const std::string& path, LevelFile file, int levelIndex) {
    path_ = path;
    levelFile_ = std::move(file);
    levelIndex_ = levelIndex;
}

void Document::saved(const std::string& path, SavedText text) {
    levelFile_.replaceLevel(levelIndex_, text.text);
    keptText_ = std::move(text.kept);
    // The editor keeps its areas smallest first; the writer read them in
    // its own order.
    level_.sortAreasAscending();
    history_.markSaved(level_);
    path_ = path;
    holdsLevel_ = true;
}

void Document::readFrom(std::vector<SourceStatement> statements) {
    statementsRead_ = std::move(statements);
    keptText_.reset();
}

void Document::keepText(Variant variant) {
    Result<WrittenLevel> fixed = writeLevel(level_, variant);
    if (statementsRead_.empty() || !fixed) {
        keptText_.reset();
        return;
    }
    keptText_ = KeptText{std::string(levelFile_.levelText(levelIndex_)), std::move(statementsRead_),
                         std::move(fixed->text)};
    statementsRead_.clear();
}

void Document::undo() {
    if (canUndo()) level_ = history_.undo();
}

void Document::redo() {
    if (canRedo()) level_ = history_.redo();
}

}  // namespace mapedit
