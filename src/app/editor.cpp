#include "app/editor.h"

#include <utility>

#include "app/background_refresh.h"
#include "app/file_io.h"
#include "app/title.h"
#include "edit/shapes.h"
#include "edit/wall_redraw.h"
#include "model/terrain.h"
#include "reader/reader.h"
#include "view/map_view.h"

namespace mapedit {

Editor::Editor(Shell& shell, std::uint32_t seed, Variant variant) : shell_(shell) {
    level.clearLevel(kFloor);
    random.seedRandom(seed);
    state.variant = variant;
}

void Editor::onPaint() {
    ViewContext v = view();
    paintClientArea(v);
    state.paintMode = kPaintStore;
}

bool Editor::openFile(const std::string& path) {
    std::string error;
    auto text = readWholeFile(path, error);
    if (!text) {
        // Never hand the reader a text from a failed read; the level stays.
        shell_.showMessage(error, "Open File");
        return false;
    }
    return openText(*text, path);
}

bool Editor::openText(std::string_view text, const std::string& path) {
    filePath = path;
    fileTitle = fileNameOf(path);
    LevelRead read = readLevel(text, random, state.variant);
    replaceLevel(std::move(read.level));
    const ReadResult& result = read.report;
    if (!result.ok) shell_.showMessage(result.message, "Parse Error");
    updateTitle();
    if (result.ok) {
        settleOpenedLevel();
        shell_.invalidate();
    }
    state.paintMode = kPaintStore;
    return result.ok;
}

void Editor::refreshBackground() {
    PaintContext p = paintContext();
    mapedit::refreshBackground(p, random);
    shell_.invalidate();
    state.paintMode = kPaintStore;
}

void Editor::updateTitle() {
    shell_.setTitle(windowTitle(fileTitle));
}

// The selection pointed into the level being replaced.
void Editor::replaceLevel(Level&& read) {
    state.selectArea(nullptr);
    state.selectCell(0, 0);
    level = std::move(read);
}

// After a successful open: innermost areas first, maze stones restored, and
// stone and walls settled over the parts read (or the whole map).
void Editor::settleOpenedLevel() {
    level.sortAreasAscending();
    markMazeStones(level);
    const LevelSettings& s = level.settings;
    PaintContext p = paintContext();
    if (s.filling == ' ' && s.initForeground == 0) {
        wallRedraw(p, CellRect{s.extent.x1 + 1, s.extent.y1 + 1, s.extent.x2 - 1, s.extent.y2 - 1});
    } else {
        wallRedraw(p, kEditableCells);
    }
    onPaint();
}

}  // namespace mapedit
