#include <array>
#include <utility>

#include "app/tools.h"

namespace mapedit {

namespace {

// Each toolbar tool and what makes its tool object.
constexpr std::array<std::pair<Tool, std::unique_ptr<EditTool> (*)()>, 9> kToolTable = {{
    {Tool::Select, makeSelectTool},
    {Tool::Area, makeAreaTool},
    {Tool::Pen, makePenTool},
    {Tool::Line, makeLineTool},
    {Tool::Fill, makeFillTool},
    {Tool::Rectangle, makeRectangleTool},
    {Tool::FilledRectangle, makeFilledRectangleTool},
    {Tool::MazeRectangle, makeMazeRectangleTool},
    {Tool::Pick, makePickTool},
}};

}  // namespace

std::unique_ptr<EditTool> makeTool(Tool tool) {
    for (const auto& [which, make] : kToolTable) {
        if (which == tool) return make();
    }
    return makeAreaTool();  // every tool of the enum is in the table
}

}  // namespace mapedit
