#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "app/document.h"
#include "app/editor_state.h"
#include "app/tool.h"
#include "edit/paint.h"
#include "generate/random.h"
#include "model/level.h"
#include "platform/canvas.h"
#include "platform/shell.h"
#include "resources/menu.h"
#include "resources/toolbar.h"
#include "resources/variant_menu.h"
#include "view/view_context.h"
#include "writer/writer.h"

namespace mapedit {

enum class Key { Escape, Delete, Other };

// The editor: the document (the level, its file and history), the
// brushes, the generator, the editor state, the tools and the framebuffer
// of the client area, talking to the window through a Shell. It is the
// main window's procedure: each on... method handles one message; the
// mouse goes to the current tool.
// How Save lays a level out: keeping the designer's own text where the
// level did not change, or the writer's fixed layout throughout.
enum class SaveLayout { KeepText, Fixed };

// The text Save would write, with the statements left out or moved, one
// line each.
struct LevelSave : WriteReport {
    SavedText saved;
};

class Editor {
  public:
    explicit Editor(Shell& shell, std::uint32_t seed, Variant variant = Variant::Vanilla);

    const Level& level() const { return document_.level(); }
    Level& level() { return document_.level(); }
    const Document& document() const { return document_; }
    const EditorState& state() const { return state_; }
    EditorState& state() { return state_; }
    const Templates& templates() const { return templates_; }
    const Canvas& canvas() const { return canvas_; }
    // The gesture the current tool has in progress (GestureCode).
    int gesture() const { return tool().gesture(); }

    // Messages of the main window.
    void onPaint();
    void onCommand(int id);
    void onKeyDown(Key key);
    void onMenuOpening(const MenuEntry& popup);
    // A menu entry chosen through its popups, or its accelerator: the
    // menu-opening rule runs on the popups holding it, as when the user
    // opens them on the way, and a greyed entry is not delivered. False
    // when it was greyed.
    bool chooseMenuEntry(int id);
    void onLeftDown(int px, int py);
    void onMouseMove(int px, int py, bool leftHeld);
    void onLeftUp(int px, int py);
    void onDoubleClick(int px, int py);
    void onRightDown(int px, int py);
    // The window's close box: true when the window may close, once changes
    // not saved yet were saved or given up.
    bool onClose();

    // Opens a level description file as the Open command does once a path
    // is chosen. A file that cannot be read changes nothing and is reported
    // in a message box. A file of several levels opens `level` (from 0)
    // when it is one that can be edited, and otherwise asks which. Returns
    // true when a level was read without error.
    bool openFile(const std::string& path, std::optional<int> levelIndex = std::nullopt);
    // The same with the text already in memory; `path` is the file's path.
    bool openText(std::string_view text, const std::string& path,
                  std::optional<int> levelIndex = std::nullopt);

    // What Save writes for the level, without writing it: the designer's
    // text changed where the level changed, or the writer's fixed layout;
    // or why it cannot be written.
    Result<LevelSave> levelSave(SaveLayout layout = SaveLayout::KeepText) const;

  private:
    ToolContext toolContext() {
        return ToolContext{document_, state_, templates_, canvas_, shell_};
    }
    EditTool& tool() { return *tools_[static_cast<std::size_t>(state_.currentTool)]; }
    const EditTool& tool() const { return *tools_[static_cast<std::size_t>(state_.currentTool)]; }
    PaintContext paintContext() {
        return PaintContext{canvas_, document_.level(), state_, templates_};
    }
    ViewContext view() { return ViewContext{canvas_, document_.level(), state_, templates_}; }

    // A fresh tool for each toolbar tool, with no gesture in progress.
    void makeTools();

    // Commands.
    void runCommand(int id);
    void selectTool(Tool tool);
    void changeTool(Tool tool);
    void toggleView(int id, bool& flag);
    void chooseVariant(int id, Variant variant);
    void editLevelProperties();
    void refreshBackground();
    void openCommand(bool settleWhateverHappened);
    void save(bool useCurrentPath);
    void settleOpenedLevel();
    void addTestArea();
    std::optional<bool> isOffered(MenuAvailability availability) const;
    void nameUndoEntries();

    // History.
    void undo();
    void redo();
    void levelRestored();
    bool offerToSave();
    // A gesture whose release was lost ends as its tool ends it.
    void abandonGesture();

    // Files.
    bool openLevel();
    bool loadFile(const std::string& path, std::optional<int> levelIndex);
    bool readFileText(std::string text, const std::string& path, std::optional<int> levelIndex);
    std::optional<int> chooseLevel(const LevelFile& file, const std::string& path,
                                   std::optional<int> levelIndex);
    bool readLevelText();
    bool saveLevel(bool useCurrentPath, SaveLayout layout = SaveLayout::KeepText);
    void showOpenedLevel();
    void updateTitle();

    // Areas and the selection.
    void newRegion();
    void newAreaFromMenu(int id);
    void newMapPart();
    void deleteSelection();
    void selectNewArea(AreaRecord& area);

    void pressOnCell(CellPos cell);
    void drawPalette();
    template <typename Subject>
    bool runDialog(Subject&& subject) {
        ToolContext ctx = toolContext();
        return ctx.runDialog(std::forward<Subject>(subject));
    }

    Shell& shell_;
    Document document_;
    Templates templates_;
    Random random_;
    EditorState state_;
    Canvas canvas_;
    std::array<std::unique_ptr<EditTool>, 9> tools_;
};

}  // namespace mapedit
