// Doors, traps, rooms, markers, altars and the About box.
#include "resources/dialog_ids/altar.h"
#include "resources/dialog_ids/door.h"
#include "resources/dialog_ids/drawbridge.h"
#include "resources/dialog_ids/mazewalk.h"
#include "resources/dialog_ids/region.h"
#include "resources/dialog_ids/trap.h"
#include "resources/dialog_template_data.h"

namespace mapedit::templates {

namespace {

namespace door = control::door;
namespace trap = control::trap;
namespace region = control::region;
namespace mazewalk = control::mazewalk;
namespace drawbridge = control::drawbridge;
namespace altar = control::altar;

constexpr ControlTemplate kDoorControls[] = {
    {kNone, K::GroupBox, "State", {7, 7, 88, 66}},
    {door::kOpen, K::Radio, "open", {13, 21, 30, 10}, kGroupStart},
    {door::kClosed, K::Radio, "closed", {13, 38, 35, 10}},
    {door::kLocked, K::Radio, "locked", {13, 55, 35, 10}},
    {door::kNoDoor, K::Radio, "nodoor", {54, 21, 35, 10}},
    {door::kBroken, K::Radio, "broken", {54, 38, 35, 10}},
    {door::kRandom, K::Radio, "random", {54, 55, 37, 10}},
    {kOkButton, K::Button, "OK", {27, 80, 32, 14}, kDefaultButton},
    {kCancelButton, K::Button, "Cancel", {63, 80, 32, 14}},
};

constexpr ControlTemplate kTrapControls[] = {
    {kNone, K::Label, "Type", {7, 7, 15, 8}},
    {trap::kTypeList, K::DropDown, "", {7, 17, 100, 30}, kList},
    {kNone, K::GroupBox, "Position", {7, 36, 50, 53}},
    {trap::kHere, K::Radio, "Here", {12, 46, 29, 10}, kGroupStart},
    {trap::kRandomPlace, K::Radio, "Random", {12, 60, 39, 10}},
    {trap::kShufflePlace, K::Radio, "Shuffle", {12, 74, 32, 10}},
    {kNone, K::Label, "Probability", {64, 49, 32, 8}},
    {trap::kChance, K::Edit, "", {64, 59, 28, 14}, kEdit},
    {kNone, K::Label, "%", {94, 62, 8, 8}},
    {kOkButton, K::Button, "OK", {30, 97, 36, 14}, kDefaultButton},
    {kCancelButton, K::Button, "Cancel", {71, 97, 36, 14}},
};

constexpr ControlTemplate kRegionControls[] = {
    {kNone, K::Label, "Type", {6, 7, 15, 8}},
    {region::kTypeList, K::DropDown, "", {6, 16, 102, 30}, kList},
    {kNone, K::GroupBox, "Lighting", {6, 35, 49, 57}},
    {region::kLit, K::Radio, "lit", {13, 48, 22, 10}, kGroupStart},
    {region::kUnlit, K::Radio, "unlit", {13, 62, 28, 10}},
    {region::kRandomLight, K::Radio, "random", {13, 76, 37, 10}},
    {kNone, K::GroupBox, "Fill", {59, 35, 49, 57}},
    {region::kDefaultFill, K::Radio, "default", {65, 48, 37, 10}, kGroupStart},
    {region::kFilled, K::Radio, "filled", {65, 62, 31, 10}},
    {region::kUnfilled, K::Radio, "unfilled", {65, 76, 37, 10}},
    {region::kIrregular, K::CheckBox, "irregular", {13, 97, 40, 10}},
    {kOkButton, K::Button, "OK", {31, 112, 37, 14}, kDefaultButton},
    {kCancelButton, K::Button, "Cancel", {71, 112, 37, 14}},
};

constexpr ControlTemplate kMazewalkControls[] = {
    {kNone, K::GroupBox, "Direction", {7, 7, 74, 46}},
    {mazewalk::kNorth, K::Radio, "North", {13, 20, 30, 10}, kGroupStart},
    {mazewalk::kEast, K::Radio, "East", {46, 20, 29, 10}},
    {mazewalk::kSouth, K::Radio, "South", {13, 36, 33, 10}},
    {mazewalk::kWest, K::Radio, "West", {46, 36, 29, 10}},
    {kOkButton, K::Button, "OK", {17, 60, 29, 14}, kDefaultButton},
    {kCancelButton, K::Button, "Cancel", {51, 60, 29, 14}},
};

constexpr ControlTemplate kDrawbridgeControls[] = {
    {kNone, K::GroupBox, "Open towards", {7, 7, 74, 46}},
    {drawbridge::kNorth, K::Radio, "North", {13, 20, 30, 10}, kGroupStart},
    {drawbridge::kEast, K::Radio, "East", {46, 20, 29, 10}},
    {drawbridge::kSouth, K::Radio, "South", {13, 36, 33, 10}},
    {drawbridge::kWest, K::Radio, "West", {46, 36, 29, 10}},
    {drawbridge::kOpen, K::CheckBox, "Open", {13, 57, 31, 10}},
    {kOkButton, K::Button, "OK", {13, 74, 32, 14}, kDefaultButton},
    {kCancelButton, K::Button, "Cancel", {48, 74, 32, 14}},
};

constexpr ControlTemplate kAltarControls[] = {
    {kNone, K::Label, "Alignment", {7, 7, 30, 8}},
    {altar::kAlignmentList, K::DropDown, "", {7, 16, 59, 30}, kList},
    {kNone, K::Label, "Type", {7, 34, 15, 8}},
    {altar::kTypeList, K::DropDown, "", {7, 43, 59, 30}, kList},
    {kOkButton, K::Button, "OK", {7, 66, 27, 14}, kDefaultButton},
    {kCancelButton, K::Button, "Cancel", {39, 66, 27, 14}},
};

constexpr ControlTemplate kAboutControls[] = {
    {kNone, K::Icon, "program icon", {7, 7, 18, 21}},
    {kNone, K::Label, "Morvath Map Construction Helper  v0.02", {31, 7, 120, 8}},
    {kOkButton, K::Button, "OK", {119, 22, 37, 14}, kDefaultButton},
};

}  // namespace

const DialogTemplate kDoor{dialog::kDoor, "Door Property", 102, 101, 9, kDoorControls};
const DialogTemplate kTrap{dialog::kTrap, "Trap", 114, 117, 9, kTrapControls};
const DialogTemplate kRegion{dialog::kRegion, "Region", 115, 133, 9, kRegionControls};
const DialogTemplate kMazewalk{dialog::kMazewalk, "Mazewalk", 87, 81, 9, kMazewalkControls};
const DialogTemplate kDrawbridge{dialog::kDrawbridge, "Drawbridge", 87, 95, 9, kDrawbridgeControls};
const DialogTemplate kAltar{dialog::kAltar, "Altar", 73, 87, 9, kAltarControls};
const DialogTemplate kAbout{dialog::kAbout, "About", 163, 43, 9, kAboutControls};

}  // namespace mapedit::templates
