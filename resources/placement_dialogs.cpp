// The monster and object dialogs.
#include "resources/dialog_ids/monster.h"
#include "resources/dialog_ids/object.h"
#include "resources/dialog_template_data.h"

namespace mapedit::templates {

namespace {

namespace monster = control::monster;
namespace object = control::object;

constexpr ControlTemplate kMonsterControls[] = {
    {kNone, K::GroupBox, "Symbol", {7, 7, 57, 56}},
    {monster::kFixedClass, K::Radio, "", {12, 21, 8, 8}, kGroupStart},
    {monster::kSymbolList, K::DropDown, "", {22, 19, 36, 30}, kList},
    {monster::kRandomClass, K::Radio, "Random", {12, 34, 39, 10}},
    {monster::kShuffleClass, K::Radio, "Shuffle", {12, 47, 32, 10}},
    {monster::kShuffleIndex, K::Edit, "", {44, 45, 15, 14}, kEdit | kDisabled},
    {kNone, K::GroupBox, "Monster", {67, 7, 121, 56}},
    {monster::kNameList, K::DropDown, "", {74, 19, 108, 30}, kList},
    {kNone, K::GroupBox, "Position", {7, 67, 57, 56}},
    {monster::kHere, K::Radio, "Here", {12, 79, 29, 10}, kGroupStart},
    {monster::kRandomPlace, K::Radio, "Random", {12, 93, 39, 10}},
    {monster::kShufflePlace, K::Radio, "Shuffle", {12, 107, 32, 10}},
    {kNone, K::GroupBox, "Atitude", {66, 67, 58, 56}},
    {monster::kDefaultAttitude, K::Radio, "Default", {72, 79, 39, 10}, kGroupStart},
    {monster::kHostile, K::Radio, "Hostile", {72, 93, 35, 10}},
    {monster::kPeaceful, K::Radio, "Peaceful", {72, 107, 41, 10}},
    {kNone, K::GroupBox, "State", {127, 67, 61, 56}},
    {monster::kDefaultSleep, K::Radio, "Default", {133, 79, 39, 10}, kGroupStart},
    {monster::kAsleep, K::Radio, "Asleep", {133, 93, 35, 10}},
    {monster::kAwake, K::Radio, "Awake", {133, 107, 35, 10}},
    {kNone, K::GroupBox, "Options", {7, 127, 181, 61}},
    {monster::kNameOrAlignment, K::Radio, "Name/Alignment", {12, 141, 65, 10}, kGroupStart},
    {monster::kAppearance, K::Radio, "Appearance", {86, 141, 48, 10}},
    {monster::kAppearanceList, K::DropDown, "", {135, 139, 45, 65}, kList},
    {kNone, K::Label, "Name", {16, 156, 18, 8}},
    {monster::kGivenName, K::Edit, "", {50, 154, 130, 14}, kEdit},
    {kNone, K::Label, "Probability", {16, 172, 32, 8}},
    {monster::kChance, K::Edit, "", {50, 169, 23, 14}, kEdit},
    {kNone, K::Label, "%", {75, 172, 8, 8}},
    {kNone, K::Label, "Alignment", {102, 172, 30, 8}},
    {monster::kAlignmentList, K::DropDown, "", {135, 169, 45, 65}, kList},
    {kOkButton, K::Button, "OK", {83, 194, 50, 14}, kDefaultButton},
    {kCancelButton, K::Button, "Cancel", {138, 194, 50, 14}},
};

constexpr ControlTemplate kObjectControls[] = {
    {kNone, K::GroupBox, "Symbol", {7, 7, 57, 56}},
    {object::kFixedClass, K::Radio, "", {12, 21, 8, 8}, kGroupStart},
    {object::kSymbolList, K::DropDown, "", {22, 19, 36, 30}, kList},
    {object::kRandomClass, K::Radio, "Random", {12, 34, 39, 10}},
    {object::kShuffleClass, K::Radio, "Shuffle", {12, 47, 32, 10}},
    {object::kShuffleIndex, K::Edit, "", {44, 45, 15, 14}, kEdit | kDisabled},
    {kNone, K::GroupBox, "Object", {67, 7, 121, 44}},
    {object::kNameList, K::DropDown, "", {75, 19, 107, 30}, kList},
    {object::kContainer, K::CheckBox, "Container", {75, 35, 44, 10}},
    {kNone, K::GroupBox, "Position", {7, 67, 57, 70}},
    {object::kHere, K::Radio, "Here", {12, 79, 29, 10}, kGroupStart},
    {object::kRandomPlace, K::Radio, "Random", {12, 93, 39, 10}},
    {object::kShufflePlace, K::Radio, "Shuffle", {12, 107, 32, 10}},
    {object::kContained, K::Radio, "Contained", {12, 121, 45, 10}},
    {kNone, K::GroupBox, "Optional Status", {66, 55, 122, 82}},
    {kNone, K::Label, "BUC", {73, 72, 15, 8}},
    {object::kCurseList, K::DropDown, "", {107, 70, 67, 65}, kList},
    {kNone, K::Label, "Spe", {73, 88, 16, 8}},
    {object::kSpe, K::Edit, "", {106, 86, 23, 14}, kEdit},
    {kNone, K::Label, "Material", {73, 104, 24, 8}},
    {object::kMaterialList, K::DropDown, "", {107, 102, 67, 65}, kList},
    {kNone, K::Label, "Probability", {73, 120, 32, 8}},
    {object::kChance, K::Edit, "", {106, 118, 23, 14}, kEdit},
    {kNone, K::Label, "%", {132, 121, 8, 8}},
    {kNone, K::GroupBox, "Optional Names", {7, 141, 181, 50}},
    {kNone, K::Label, "Object name", {16, 156, 38, 8}},
    {object::kObjectName, K::Edit, "", {58, 154, 123, 14}, kEdit},
    {kNone, K::Label, "Monster type", {16, 173, 38, 8}},
    {object::kMonsterType, K::Edit, "", {58, 171, 123, 14}, kEdit},
    {kOkButton, K::Button, "OK", {75, 196, 50, 14}, kDefaultButton},
    {kCancelButton, K::Button, "Cancel", {138, 196, 50, 14}},
};

}  // namespace

const DialogTemplate kMonster{dialog::kMonster, "Monster Property", 195, 215, 9, kMonsterControls};
const DialogTemplate kObject{dialog::kObject, "Object Property", 195, 217, 9, kObjectControls};

}  // namespace mapedit::templates
