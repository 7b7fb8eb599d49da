// The window procedure's commands, keys and menu opening.
#include <string>

#include "app/background_refresh.h"
#include "app/editor.h"
#include "model/area_style.h"
#include "resources/toolbar.h"
#include "view/map_view.h"
#include "view/panel.h"

namespace mapedit {

using namespace command;

namespace {

// The undo step a command makes when it changes the level. Saving sorts
// the areas, which counts as a change.
std::string_view stepOfCommand(int id) {
    if (id >= kFirstAreaCommand && id <= kLastAreaCommand) return "New area";
    switch (id) {
        case kNewRegion:
            return "New region";
        case kDelete:
            return "Delete";
        case kNewGeometry:
            return "New geometry";
        case kProperty:
            return "Level properties";
        case kRefreshBackground:
            return "Refresh background";
        case kTest2:
            return "Test area";
        default:
            return "Save";
    }
}

}  // namespace

// A command that changed the level is a step of its own, unless a gesture
// is still pending: then its change belongs to that gesture's step.
void Editor::onCommand(int id) {
    runCommand(id);
    if (tool().gesture() == kNoGesture) document_.commit(stepOfCommand(id));
}

void Editor::runCommand(int id) {
    if (const auto t = toolOfCommand(id)) {
        // The toolbar moved its check mark itself.
        changeTool(*t);
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
                toggleView(id, state_.showRegions);
                break;
            case kShowMonster:
                toggleView(id, state_.showMonsters);
                break;
            case kShowObject:
                toggleView(id, state_.showObjects);
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
}

void Editor::onKeyDown(Key key) {
    if (key == Key::Escape) {
        selectTool(Tool::Select);
    } else if (key == Key::Delete) {
        deleteSelection();
        if (tool().gesture() == kNoGesture) document_.commit(stepOfCommand(kDelete));
    }
}

bool Editor::chooseMenuEntry(int id) {
    const MenuPath path = popupsHolding(id);
    for (int i = 0; i < path.depth; ++i) onMenuOpening(*path.popups[i]);
    if (!shell_.isMenuEnabled(id)) return false;
    onCommand(id);
    return true;
}

// Greys what is never offered, Delete while nothing is selected, and Undo
// and Redo when there is nothing to undo or redo, which name their step;
// the other entries keep their state.
void Editor::onMenuOpening(const MenuEntry& popup) {
    for (const MenuEntry& e : popup.entries) {
        if (e.kind != MenuEntryKind::Command) continue;
        if (const auto offered = isOffered(e.availability)) shell_.setMenuEnabled(e.id, *offered);
        if (e.id == kUndo || e.id == kRedo) nameUndoEntries();
    }
}

// "Undo Fill", "Redo Move area"; a pending gesture is what Undo takes back.
void Editor::nameUndoEntries() {
    const std::string_view undoStep =
        tool().gesture() != kNoGesture ? tool().stepName() : document_.undoName();
    const std::string_view redoStep = document_.redoName();
    shell_.setMenuText(kUndo, undoStep.empty() ? "Undo" : "Undo " + std::string(undoStep));
    shell_.setMenuText(kRedo, redoStep.empty() ? "Redo" : "Redo " + std::string(redoStep));
}

// Nothing when the rule leaves such an entry as it is. A gesture still
// pending has changed the level already, so there is something to undo.
std::optional<bool> Editor::isOffered(MenuAvailability availability) const {
    switch (availability) {
        case MenuAvailability::NeverOffered:
            return false;
        case MenuAvailability::NeedsSelection:
            return state_.selectedArea != nullptr || state_.selectedCell != CellPos{};
        case MenuAvailability::NeedsUndo:
            return document_.canUndo() || tool().gesture() != kNoGesture;
        case MenuAvailability::NeedsRedo:
            return document_.canRedo();
        case MenuAvailability::Unchanged:
            break;
    }
    return std::nullopt;
}

void Editor::selectTool(Tool t) {
    shell_.checkToolButton(toolCommand(t));
    changeTool(t);
}

// A gesture still pending (its release was lost, or the tool changes while
// the button is held) ends as its own tool ends it: a pen stroke must not
// carry on as another tool's shape or an area resize.
void Editor::changeTool(Tool t) {
    if (t != state_.currentTool) abandonGesture();
    state_.currentTool = t;
}

void Editor::toggleView(int id, bool& flag) {
    flag = !flag;
    shell_.setMenuCheck(id, flag);
    if (id == kShowRegion && !flag) state_.selectArea(nullptr);
    shell_.invalidate();
}

// Only the palette shows the variant; the map is not redrawn.
void Editor::chooseVariant(int id, Variant variant) {
    state_.variant = variant;
    shell_.setMenuRadio(kFirstVariant, kLastVariant, id);
    drawPalette();
}

// The background is made again only when one of its four settings changed.
void Editor::editLevelProperties() {
    const LevelSettings before = level().settings;
    if (!runDialog(level().settings)) return;
    const LevelSettings& now = level().settings;
    if (now.filling != before.filling || now.initForeground != before.initForeground ||
        now.initBackground != before.initBackground || now.fillMode != before.fillMode) {
        refreshBackground();
    }
}

void Editor::refreshBackground() {
    PaintContext p = paintContext();
    mapedit::refreshBackground(p, random_);
    shell_.invalidate();
}

// An item whose release was lost is off the map until the gesture ends; it
// goes back before the level is written.
void Editor::save(bool useCurrentPath) {
    abandonGesture();
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
    AreaRecord* area = level().newArea(10, 5, 15, 8);
    area->kind = kWeaponShop;
    styleArea(*area);
    shell_.invalidate();
}

void Editor::drawPalette() {
    ViewContext v = view();
    drawPalettePanel(v);
}

}  // namespace mapedit
