#include "app/editor.h"

#include "model/terrain.h"
#include "resources/toolbar.h"
#include "view/map_view.h"

namespace mapedit {

// Start-up: an all-floor level, the pen down, stone as the current kind,
// every View entry checked and the variant's radio mark set.
Editor::Editor(Shell& shell, std::uint32_t seed, Variant variant) : shell_(shell) {
    document_.level().clearLevel(kFloor);
    random_.seedRandom(seed);
    state_.variant = variant;
    makeTools();
    shell_.checkToolButton(toolCommand(state_.currentTool));
    shell_.setMenuCheck(command::kShowRegion, state_.showRegions);
    shell_.setMenuCheck(command::kShowMonster, state_.showMonsters);
    shell_.setMenuCheck(command::kShowObject, state_.showObjects);
    shell_.setMenuRadio(command::kFirstVariant, command::kLastVariant, variantCommand(variant));
    document_.startHistory();
}

void Editor::makeTools() {
    for (const ToolButton& b : toolbarButtons()) {
        tools_[static_cast<std::size_t>(b.tool)] = makeTool(b.tool);
    }
}

void Editor::onPaint() {
    ViewContext v = view();
    paintClientArea(v);
}

}  // namespace mapedit
