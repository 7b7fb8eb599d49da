// Open, Save and Save as, and the window title.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "app/editor.h"
#include "app/file_io.h"
#include "app/level_choices.h"
#include "app/title.h"
#include "edit/shapes.h"
#include "edit/wall_redraw.h"
#include "reader/reader.h"
#include "writer/writer.h"

namespace mapedit {

namespace {

FileDialogRequest levelFileDialog(const char* title, const std::string& initialPath) {
    return {title,
            {{"text(*.txt)", "*.txt"}, {"All files(*.*)", "*.*"}, {"Level files(*.des)", "*.des"}},
            "txt",
            initialPath};
}

// Takes each of `gone` out of `lines` once.
void withoutLines(std::vector<std::string>& lines, const std::vector<std::string>& gone) {
    for (const std::string& line : gone) {
        const auto it = std::ranges::find(lines, line);
        if (it != lines.end()) lines.erase(it);
    }
}

// The last type of the save dialog writes the writer's own layout instead
// of keeping the file's text.
const FileFilter kFixedLayoutFilter{"Level files, fixed layout(*.des)", "*.des"};

// The file is saved all the same; the designer learns what it lacks, or
// what it holds otherwise than the level says.
std::string listReport(std::string text, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) text += "\n" + line;
    return text;
}

}  // namespace

bool Editor::openLevel() {
    const auto path = shell_.askOpenPath(levelFileDialog("Open File", document_.path()));
    if (!path) return false;
    return loadFile(*path, std::nullopt);
}

bool Editor::openFile(const std::string& path, std::optional<int> levelIndex) {
    const bool ok = loadFile(path, levelIndex);
    // A failed read leaves the partly read level; it is shown as it is.
    if (ok) {
        showOpenedLevel();
    } else {
        shell_.invalidate();
    }
    return ok;
}

bool Editor::loadFile(const std::string& path, std::optional<int> levelIndex) {
    Result<std::string> text = readWholeFile(path);
    if (!text) {
        // Never hand the reader a text from a failed read; the level stays.
        shell_.showMessage(text.error(), "Open File", MessageKind::Error);
        return false;
    }
    return readFileText(std::move(*text), path, levelIndex);
}

bool Editor::openText(std::string_view text, const std::string& path,
                      std::optional<int> levelIndex) {
    const bool ok = readFileText(std::string(text), path, levelIndex);
    if (ok) showOpenedLevel();
    return ok;
}

// A file of several levels asks which one to edit, unless the caller chose
// an editable one already. Cancelling changes nothing.
std::optional<int> Editor::chooseLevel(const LevelFile& file, const std::string& path,
                                       std::optional<int> levelIndex) {
    if (file.isSingleLevel()) return 0;
    const std::vector<LevelChoice> choices = levelChoices(file);
    const auto wanted = static_cast<std::size_t>(levelIndex.value_or(-1));
    if (levelIndex && wanted < choices.size() && choices[wanted].editable) return levelIndex;
    return shell_.askLevel({"Open Level", fileNameOf(path), choices});
}

bool Editor::readFileText(std::string text, const std::string& path,
                          std::optional<int> levelIndex) {
    LevelFile file(std::move(text));
    const std::optional<int> chosen = chooseLevel(file, path, levelIndex);
    if (!chosen) return false;
    document_.setFile(path, std::move(file), *chosen);
    return readLevelText();
}

// Empties the level and reads the chosen level's text into it, with the
// line numbers of the whole file; a failed read keeps what was read before
// the error, and its file is not trusted for Save. The history starts
// again either way: the steps before were made on another level.
bool Editor::readLevelText() {
    state_.selectArea(nullptr);
    state_.selectCell(0, 0);
    // A gesture left pending belongs to the level being replaced: what it
    // holds must not land in the new one.
    makeTools();
    state_.areaDragActive = false;
    const LevelFile& file = document_.levelFile();
    const int index = document_.levelIndex();
    auto read =
        readLevel(file.levelText(index), random_, state_.variant, file.levelFirstLine(index));
    LevelRead& got = readSoFar(read);
    level() = std::move(got.level);
    if (read) {
        document_.readFrom(std::move(got.statements));
    } else {
        document_.forgetText();
    }
    document_.startHistory();
    state_.currentPart = got.currentPart;
    document_.setHoldsLevel(read.has_value());
    if (!read) {
        shell_.showMessage(read.error().message, "Parse Error", MessageKind::Error);
        // The level on screen is gone: the window shows what was read, as
        // a later repaint would.
        shell_.invalidate();
    }
    updateTitle();
    return read.has_value();
}

// Settling is part of opening: the history starts on the level as the
// designer first sees it.
void Editor::showOpenedLevel() {
    settleOpenedLevel();
    document_.startHistory();
    document_.keepText(state_.variant);
    shell_.invalidate();
}

// After an open: innermost areas first, maze stones restored, and stone
// and walls drawn with their joins over the parts read (or the whole map).
// Cells read from the map keep their kinds, so that Save writes the rows
// as they were read.
void Editor::settleOpenedLevel() {
    level().sortAreasAscending();
    markMazeStones(level());
    const LevelSettings& s = level().settings;
    PaintContext p = paintContext();
    if (s.filling == ' ' && s.initForeground == 0) {
        wallRedraw(p, {s.extent.x1 + 1, s.extent.y1 + 1, s.extent.x2 - 1, s.extent.y2 - 1},
                   Settle::GlyphsOnly);
    } else {
        wallRedraw(p, kEditableCells, Settle::GlyphsOnly);
    }
}

// Asks for a path when there is none, when "Save as" was chosen, or when
// the current file did not read as a level (its partial level must not
// silently replace it). A refusal or a failed write leaves the file as it
// was and says why.
Result<LevelSave> Editor::levelSave(SaveLayout layout) const {
    Result<WrittenLevel> written = writeLevel(level(), state_.variant);
    if (!written) return Failure{std::move(written).error()};
    LevelSave save{std::move(*written), {}};
    std::string fixed = std::move(written->text);
    const std::optional<KeptText>& kept = document_.keptText();
    // A file of several levels keeps the comments it opens with whatever
    // its first level is saved as.
    const bool opensFile =
        kept && !document_.levelFile().isSingleLevel() && document_.levelIndex() == 0;
    save.saved = layout == SaveLayout::KeepText && kept
                     ? keepDesignersText(*kept, std::move(fixed), state_.variant)
                     : fixedText(std::move(fixed), state_.variant,
                                 opensFile ? leadingComments(*kept) : std::string_view());
    // The file as it was keeps every statement the designer wrote; a
    // patched one, those its text still holds.
    if (save.saved.form == SaveForm::Unchanged) {
        save.unplaced.clear();
        save.uncontained.clear();
    }
    withoutLines(save.unplaced, save.saved.stillUnplaced);
    withoutLines(save.uncontained, save.saved.stillUncontained);
    return save;
}

bool Editor::saveLevel(bool useCurrentPath, SaveLayout layout) {
    std::string path = document_.path();
    if (!useCurrentPath || path.empty() || !document_.holdsLevel()) {
        FileDialogRequest request = levelFileDialog("Save As", document_.path());
        request.filters.push_back(kFixedLayoutFilter);
        const auto chosen = shell_.askSavePath(request);
        if (!chosen) return false;
        path = chosen->path;
        if (chosen->type + 1 == static_cast<int>(request.filters.size())) {
            layout = SaveLayout::Fixed;
        }
    }
    Result<LevelSave> save = levelSave(layout);
    if (!save) {
        shell_.showMessage(save.error(), "Save", MessageKind::Error);
        return false;
    }
    // The other levels of the file go back as they were read.
    const LevelFile& file = document_.levelFile();
    const Status stored =
        writeFileAtomically(path, file.withLevel(document_.levelIndex(), save->saved.text));
    if (!stored) {
        shell_.showMessage(stored.error(), "Save", MessageKind::Error);
        return false;
    }
    if (!save->unplaced.empty()) {
        shell_.showMessage(listReport("Not saved: above or left of every map part", save->unplaced),
                           "Save", MessageKind::Information);
    }
    if (!save->uncontained.empty()) {
        shell_.showMessage(
            listReport("Saved at its cell: contained, but in no container", save->uncontained),
            "Save", MessageKind::Information);
    }
    document_.saved(path, std::move(save->saved));
    updateTitle();
    return true;
}

void Editor::updateTitle() {
    shell_.setTitle(windowTitle(document_.fileTitle()));
}

}  // namespace mapedit
