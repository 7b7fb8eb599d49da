// The level's settings and a map part's alignment.
#include "resources/dialog_ids/maze.h"
#include "resources/dialog_ids/maze_part.h"
#include "resources/dialog_template_data.h"

namespace mapedit::templates {

namespace {

namespace maze = control::maze;
namespace maze_part = control::maze_part;

constexpr ControlTemplate kMazeControls[] = {
    {kNone, K::Label, "Maze Name", {7, 7, 35, 8}},
    {maze::kName, K::Edit, "", {7, 16, 58, 14}, kEdit},
    {maze::kRandomMaze, K::Radio, "random maze", {77, 7, 54, 10}, kGroupStart},
    {maze::kFilling, K::Radio, "filling", {77, 22, 27, 10}},
    {maze::kFillingList, K::DropDown, "", {107, 20, 48, 30}, kList},
    {maze::kInitMap, K::Radio, "INIT_MAP", {77, 37, 44, 10}},
    {kNone, K::GroupBox, "Flags", {7, 38, 62, 121}},
    {maze::kNoTeleport, K::CheckBox, "noteleport", {13, 54, 45, 10}},
    {maze::kHardFloor, K::CheckBox, "hardfloor", {13, 71, 42, 10}},
    {maze::kShortSighted, K::CheckBox, "shortsighted", {13, 88, 52, 10}},
    {maze::kNoMMap, K::CheckBox, "nommap", {13, 105, 40, 10}},
    {maze::kArboreal, K::CheckBox, "arboreal", {13, 122, 39, 10}},
    {maze::kNoMonGen, K::CheckBox, "nomongen", {13, 139, 39, 10}},
    {kNone, K::GroupBox, "", {72, 38, 83, 121}, kDisabled},
    {kNone, K::Label, "inside", {79, 54, 22, 8}},
    {maze::kInsideList, K::DropDown, "", {103, 52, 48, 30}, kList},
    {kNone, K::Label, "outside", {79, 70, 21, 8}},
    {maze::kOutsideList, K::DropDown, "", {103, 68, 48, 30}, kList},
    {maze::kSmoothed, K::CheckBox, "smoothed", {81, 86, 44, 10}},
    {maze::kJoined, K::CheckBox, "joined", {81, 104, 33, 10}},
    {maze::kLit, K::CheckBox, "lit", {81, 122, 22, 10}},
    {maze::kWalled, K::CheckBox, "walled", {81, 140, 34, 10}},
    {kOkButton, K::Button, "OK", {45, 166, 50, 14}, kDefaultButton},
    {kCancelButton, K::Button, "Cancel", {105, 166, 50, 14}},
};

constexpr ControlTemplate kMazePartControls[] = {
    {kNone, K::GroupBox, "horizontal align", {7, 8, 55, 88}},
    {maze_part::kLeft, K::Radio, "left", {13, 23, 26, 10}, kGroupStart},
    {maze_part::kHalfLeft, K::Radio, "half-left", {13, 37, 40, 10}},
    {maze_part::kHorizontalCenter, K::Radio, "center", {13, 51, 34, 10}},
    {maze_part::kHalfRight, K::Radio, "half-right", {13, 65, 43, 10}},
    {maze_part::kRight, K::Radio, "right", {13, 79, 29, 10}},
    {kNone, K::GroupBox, "vertical align", {69, 8, 55, 88}},
    {maze_part::kTop, K::Radio, "top", {75, 24, 25, 10}, kGroupStart},
    {maze_part::kVerticalCenter, K::Radio, "center", {75, 51, 34, 10}},
    {maze_part::kBottom, K::Radio, "bottom", {75, 79, 36, 10}},
    {kOkButton, K::Button, "OK", {45, 102, 39, 14}, kDefaultButton},
    {kCancelButton, K::Button, "Cancel", {86, 102, 38, 14}},
};

}  // namespace

const DialogTemplate kMaze{dialog::kMaze, "Maze", 162, 187, 9, kMazeControls};
const DialogTemplate kMazePart{dialog::kMazePart, "Maze Part Property", 131, 123, 9,
                               kMazePartControls};

}  // namespace mapedit::templates
