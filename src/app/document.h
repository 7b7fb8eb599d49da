#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/edit_history.h"
#include "model/level.h"
#include "reader/level_file.h"
#include "save/level_text.h"

namespace mapedit {

// The level being edited with the file it came from and its history: what
// the title, Save and the question about unsaved changes read.
class Document {
  public:
    Level& level() { return level_; }
    const Level& level() const { return level_; }

    // The file: its full path (empty before the first Open or Save), its
    // text as last read or saved split into levels, and the level edited.
    const std::string& path() const { return path_; }
    const LevelFile& levelFile() const { return levelFile_; }
    int levelIndex() const { return levelIndex_; }
    // Whether the file read as a level, or was saved from one: a file that
    // did not must not be replaced by Save without asking for a name.
    bool holdsLevel() const { return holdsLevel_; }
    // The file's name, and the level's when the file holds several.
    std::string fileTitle() const;

    // A file chosen for reading: its text and the level that will be read.
    void setFile(const std::string& path, LevelFile file, int levelIndex);
    void setHoldsLevel(bool holdsLevel) { holdsLevel_ = holdsLevel; }
    // After a save: the file's new text and path; it holds the level now,
    // and the next save starts from the text saved.
    void saved(const std::string& path, SavedText text);

    // The level's own text, kept so that Save changes only what changed;
    // none for a level made in the editor or not read whole.
    const std::optional<KeptText>& keptText() const { return keptText_; }
    // A level just read from the text of its statements: its text is kept
    // once the level stands as the designer first sees it.
    void readFrom(std::vector<SourceStatement> statements);
    // The level as it now stands is the one the text kept reads as.
    void keepText(Variant variant);
    void forgetText() { keptText_.reset(); }

    // The history starts again on the level as it is, which counts as saved.
    void startHistory() { history_.start(level_); }
    // Ends the step `name`: recorded when the level changed since the last.
    bool commit(std::string_view name) { return history_.record(level_, name); }
    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    std::string_view undoName() const { return history_.undoName(); }
    std::string_view redoName() const { return history_.redoName(); }
    // The level goes back to the state before the last step, or forward.
    void undo();
    void redo();
    bool hasUnsavedChanges() const { return history_.differsFromSaved(level_); }

  private:
    Level level_;
    std::string path_;
    LevelFile levelFile_;
    int levelIndex_ = 0;
    bool holdsLevel_ = false;
    EditHistory history_;
    std::vector<SourceStatement> statementsRead_;
    std::optional<KeptText> keptText_;
};

}  // namespace mapedit
