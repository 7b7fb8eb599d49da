#include "app/editor.h"

#include "model/terrain.h"
#include "resources/toolbar.h"
#include "view/map_view.h"

namespace mapedit {

// Start-up: an all-floor level, the pen down, stone as the current kind,
// every View entry checked and the variant's radio mark set.
Editor::Editor(Shell& shell, std::uint32_t seed, Variant variant) : shell_(shell) {
    level.clearLevel(kFloor);
    random.seedRandom(seed);
    state.variant = variant;
    shell_.checkToolButton(toolCommand(state.currentTool));
    shell_.setMenuCheck(command::kShowRegion, state.showRegions);
    shell_.setMenuCheck(command::kShowMonster, state.showMonsters);
    shell_.setMenuCheck(command::kShowObject, state.showObjects);
    shell_.setMenuRadio(command::kFirstVariant, command::kLastVariant, variantCommand(variant));
    history_.start(level);
}

void Editor::onPaint() {
    ViewContext v = view();
    paintClientArea(v);
    finishMessage();
}

// A finished action that changed the level becomes one step of the
// history; while a drag goes on, its action is not finished yet.
void Editor::finishMessage() {
    if (state.drag.mode == kNoDrag) history_.record(level);
}

}  // namespace mapedit
