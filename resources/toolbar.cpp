#include "resources/toolbar.h"

#include <array>

namespace mapedit {

namespace {

constexpr std::array<ToolButton, 9> kButtons = {{
    {2000, Tool::Select, "Select", 0},
    {2001, Tool::Area, "Area", 1},
    {2002, Tool::Pen, "Pen", 2},
    {2003, Tool::Line, "Line", 3},
    {2004, Tool::Fill, "Fill", 4},
    {2005, Tool::Rectangle, "Rectangle", 5},
    {2006, Tool::FilledRectangle, "Filled rectangle", 6},
    {2007, Tool::MazeRectangle, "Maze rectangle", 7},
    {2008, Tool::Pick, "Pick", 8},
}};

}  // namespace

std::span<const ToolButton> toolbarButtons() {
    return kButtons;
}

int toolCommand(Tool tool) {
    for (const ToolButton& b : kButtons) {
        if (b.tool == tool) return b.id;
    }
    return 0;
}

std::optional<Tool> toolOfCommand(int id) {
    for (const ToolButton& b : kButtons) {
        if (b.id == id) return b.tool;
    }
    return std::nullopt;
}

}  // namespace mapedit
