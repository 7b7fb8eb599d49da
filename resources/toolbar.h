#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "resources/command_ids.h"

namespace mapedit {

// The nine tools of the toolbar, in button order.
enum class Tool { Select, Area, Pen, Line, Fill, Rectangle, FilledRectangle, MazeRectangle, Pick };

// One toolbar button: its command, the tool it checks, the tooltip naming
// it and the image (index into the 16 x 15 strip).
struct ToolButton {
    int id;
    Tool tool;
    std::string_view name;
    int image;
};

std::span<const ToolButton> toolbarButtons();
int toolCommand(Tool tool);
// The tool of a toolbar command, or nothing for another id.
std::optional<Tool> toolOfCommand(int id);

}  // namespace mapedit
