// The window procedure's commands, keys and menu opening.
#include "app/background_refresh.h"
#include "app/editor.h"
#include "model/area_style.h"
#include "resources/toolbar.h"
#include "view/map_view.h"
#include "view/overlays.h"
#include "view/panel.h"

namespace mapedit {

using namespace command;

void Editor::onCommand(int id) {
    if (const auto tool = toolOfCommand(id)) {
        // The toolbar moved its check mark itself.
        changeTool(*tool);
    } else if (const auto variant = variantOfCommand(id)) {
        chooseVariant(id, *variant);
    } else if (id == kNewRegion) {
        newRegion();
    } else if (id >= kFirstAreaCommand && id <= kLastAreaCommand) {
        newAreaFromMenu(id);
    } else {
        switch (id) {
            case kOpen:
                openCommand(false);
                break;
            case kTest:
                openCommand(true);
                break;
            case kSave:
                save(true);
                break;
            case kSaveAs:
                save(false);
                break;
            case kQuit:
                if (offerToSave()) shell_.closeWindow();
                break;
            case kUndo:
                undo();
                break;
            case kRedo:
                redo();
                break;
            case kDelete:
                deleteSelection();
                break;
            case kNewGeometry:
                newMapPart();
                break;
            case kProperty:
                editLevelProperties();
                break;
            case kRefreshBackground:
                refreshBackground();
                break;
            case kShowRegion:
                toggleView(id, state.showRegions);
                break;
            case kShowMonster:
                toggleView(id, state.showMonsters);
                break;
            case kShowObject:
                toggleView(id, state.showObjects);
                break;
            case kTest2:
                addTestArea();
                break;
            case kAbout:
                runDialog(AboutBox{});
                break;
            default:
                break;  // Cut, Copy, Paste and unknown ids do nothing
        }
    }
    finishMessage();
}

void Editor::onKeyDown(Key key) {
    if (key == Key::Escape) {
        selectTool(Tool::Select);
    } else if (key == Key::Delete) {
        deleteSelection();
    } else {
        return;  // default processing: paintMode stays as it is
    }
    finishMessage();
}

bool Editor::chooseMenuEntry(int id) {
    const MenuPath path = popupsHolding(id);
    for (int i = 0; i < path.depth; ++i) onMenuOpening(*path.popups[i]);
    if (!shell_.isMenuEnabled(id)) return false;
    onCommand(id);
    return true;
}

// Greys what is never offered, Delete while nothing is selected, and Undo
// and Redo when there is nothing to undo or redo; the other entries keep
// their state.
void Editor::onMenuOpening(const MenuEntry& popup) {
    for (const MenuEntry& e : popup.entries) {
        if (e.kind != MenuEntryKind::Command) continue;
        if (const auto offered = isOffered(e.availability)) shell_.setMenuEnabled(e.id, *offered);
    }
    finishMessage();
}

// Nothing when the rule leaves such an entry as it is. A drag still
// pending has changed the level already, so there is something to undo.
std::optional<bool> Editor::isOffered(MenuAvailability availability) const {
    switch (availability) {
        case MenuAvailability::NeverOffered:
            return false;
        case MenuAvailability::NeedsSelection:
            return state.selectedArea != nullptr || state.selectedCell != CellPos{};
        case MenuAvailability::NeedsUndo:
            return history_.canUndo() || state.drag.mode != kNoDrag;
        case MenuAvailability::NeedsRedo:
            return history_.canRedo();
        case MenuAvailability::Unchanged:
            break;
    }
    return std::nullopt;
}

void Editor::selectTool(Tool tool) {
    shell_.checkToolButton(toolCommand(tool));
    changeTool(tool);
}

// A drag still pending (its release was lost, or the tool changes while the
// button is held) ends as its own tool ends it: a pen stroke must not carry
// on as another tool's shape or an area resize.
void Editor::changeTool(Tool tool) {
    if (tool != state.currentTool) abandonDrag();
    state.currentTool = tool;
}

void Editor::toggleView(int id, bool& flag) {
    flag = !flag;
    shell_.setMenuCheck(id, flag);
    if (id == kShowRegion && !flag) state.selectArea(nullptr);
    shell_.invalidate();
}

// Only the palette shows the variant; the map is not redrawn.
void Editor::chooseVariant(int id, Variant variant) {
    state.variant = variant;
    shell_.setMenuRadio(kFirstVariant, kLastVariant, id);
    drawPalette();
}

// The background is made again only when one of its four settings changed.
void Editor::editLevelProperties() {
    const LevelSettings before = level.settings;
    if (!runDialog(level.settings)) return;
    const LevelSettings& now = level.settings;
    if (now.filling != before.filling || now.initForeground != before.initForeground ||
        now.initBackground != before.initBackground || now.fillMode != before.fillMode) {
        refreshBackground();
    }
}

void Editor::refreshBackground() {
    PaintContext p = paintContext();
    mapedit::refreshBackground(p, random);
    shell_.invalidate();
}

// An item whose release was lost is off the map until the drag ends; it
// goes back before the level is written.
void Editor::save(bool useCurrentPath) {
    abandonDrag();
    saveLevel(useCurrentPath);
}

void Editor::openCommand(bool settleWhateverHappened) {
    if (!offerToSave()) return;
    if (openLevel()) {
        showOpenedLevel();
    } else if (settleWhateverHappened) {
        settleOpenedLevel();
        shell_.invalidate();
    }
}

// A leftover of the original menu: a weapon shop region, neither selected
// nor sorted into place.
void Editor::addTestArea() {
    AreaRecord* area = level.newArea(10, 5, 15, 8);
    area->kind = 14;
    styleArea(*area);
    shell_.invalidate();
}

void Editor::drawPalette() {
    ViewContext v = view();
    drawPalettePanel(v);
}

}  // namespace mapedit
