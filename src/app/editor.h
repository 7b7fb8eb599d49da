#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "app/edit_history.h"
#include "app/editor_state.h"
#include "dialogs/property_dialogs.h"
#include "edit/paint.h"
#include "generate/random.h"
#include "model/level.h"
#include "platform/canvas.h"
#include "platform/shell.h"
#include "resources/dialog_templates.h"
#include "resources/menu.h"
#include "resources/toolbar.h"
#include "resources/variant_menu.h"
#include "view/view_context.h"

namespace mapedit {

enum class Key { Escape, Delete, Other };

// The editor: the level, the brushes, the generator, the editor state and
// the framebuffer of the client area, talking to the window through a Shell.
// It is the main window's procedure: each on... method handles one message
// and ends with paintMode back at kPaintStore.
class Editor {
  public:
    explicit Editor(Shell& shell, std::uint32_t seed, Variant variant = Variant::Vanilla);

    Level level;
    Templates templates;
    Random random;
    EditorState state;
    Canvas canvas;

    ViewContext view() { return ViewContext{canvas, level, state, templates}; }
    PaintContext paintContext() { return PaintContext{canvas, level, state, state, templates}; }

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
    bool openFile(const std::string& path, std::optional<int> level = std::nullopt);
    // The same with the text already in memory; `path` is the file's path.
    bool openText(std::string_view text, const std::string& path,
                  std::optional<int> level = std::nullopt);

  private:
    // Commands.
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

    // History.
    void undo();
    void redo();
    void restoreLevel(const Level& past);
    bool offerToSave();
    bool hasUnsavedChanges() const { return history_.differsFromSaved(level); }

    // Files.
    bool openLevel();
    bool loadFile(const std::string& path, std::optional<int> level);
    bool readFileText(std::string text, const std::string& path, std::optional<int> level);
    std::optional<int> chooseLevel(const LevelFile& file, const std::string& path,
                                   std::optional<int> level);
    bool readLevelText(const std::string& path);
    bool saveLevel(bool useCurrentPath);
    // The file's name, and the level's when the file holds several.
    std::string fileTitle() const;
    void showOpenedLevel();
    void updateTitle();

    // Areas and the selection.
    void newRegion();
    void newAreaFromMenu(int id);
    void newMapPart();
    void deleteSelection();
    void selectNewArea(AreaRecord& area);
    void snapMapPart(AreaRecord& area, MapPart& part, int halign, int valign);

    // Mouse protocol.
    void pressOnCell(int cx, int cy);
    void strokeTo(int cx, int cy);
    void previewShape(int cx, int cy);
    void releaseShape(int cx, int cy);
    void runShape(CellPos from, CellPos to, int kind);
    void abandonDrag();
    void redrawPreviousSelection();
    void drawAreasIfShown();
    void drawPalette();

    // Select tool.
    int handleAt(int px, int py) const;
    void pickUp(int cx, int cy);
    bool pickUpItem(int cx, int cy);
    void grabArea(int cx, int cy);
    void beginAreaDrag(int mode, CellPos at);
    void dragSelect(int cx, int cy);
    void dragArea(int cx, int cy);
    void dropSelect(int cx, int cy);
    CellPos dropItem();
    void placeHeldItem(CellPos at);
    void finishItemDrop(CellPos target);
    void dropArea();
    void abandonSelect();
    void editAt(int cx, int cy);
    bool editPlacement(int cx, int cy);
    void editAreaAt(int cx, int cy);

    // Runs the property dialog of the subject; true on OK.
    template <typename Subject>
    bool runDialog(Subject&& subject) {
        const auto dialog = makePropertyDialog(std::forward<Subject>(subject), state.variant);
        return shell_.runDialog(*dialog) == DialogResult::Ok;
    }
    void finishMessage();

    Shell& shell_;
    EditHistory history_;
};

}  // namespace mapedit
