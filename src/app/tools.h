#pragma once

// The tools of the toolbar, one file each (the shapes share one); the tool
// table in tool_table.cpp makes them.
#include <memory>

#include "app/tool.h"
#include "model/grid.h"

namespace mapedit {

std::unique_ptr<EditTool> makeSelectTool();
std::unique_ptr<EditTool> makeAreaTool();
std::unique_ptr<EditTool> makePenTool();
std::unique_ptr<EditTool> makeLineTool();
std::unique_ptr<EditTool> makeFillTool();
std::unique_ptr<EditTool> makeRectangleTool();
std::unique_ptr<EditTool> makeFilledRectangleTool();
std::unique_ptr<EditTool> makeMazeRectangleTool();
std::unique_ptr<EditTool> makePickTool();

// The rectangle between two cells, in any order.
inline CellRect cellRectOf(CellPos a, CellPos b) {
    return {a.x, a.y, b.x, b.y};
}

}  // namespace mapedit
