// The monster and object dialogs.
#include "resources/dialog_template_data.h"

namespace mapedit::templates {

namespace {

constexpr ControlTemplate kMonsterControls[] = {
    {kNone, K::GroupBox, "Symbol", {7, 7, 57, 56}},
    {1018, K::Radio, "", {12, 21, 8, 8}, kGroupStart},
    {1059, K::DropDown, "", {22, 19, 36, 30}, kList},
    {1019, K::Radio, "Random", {12, 34, 39, 10}},
    {1020, K::Radio, "Shuffle", {12, 47, 32, 10}},
    {1004, K::Edit, "", {44, 45, 15, 14}, kEdit | kDisabled},
    {kNone, K::GroupBox, "Monster", {67, 7, 121, 56}},
    {1058, K::DropDown, "", {74, 19, 108, 30}, kList},
    {kNone, K::GroupBox, "Position", {7, 67, 57, 56}},
    {1052, K::Radio, "Here", {12, 79, 29, 10}, kGroupStart},
    {1053, K::Radio, "Random", {12, 93, 39, 10}},
    {1054, K::Radio, "Shuffle", {12, 107, 32, 10}},
    {kNone, K::GroupBox, "Atitude", {66, 67, 58, 56}},
    {1039, K::Radio, "Default", {72, 79, 39, 10}, kGroupStart},
    {1040, K::Radio, "Hostile", {72, 93, 35, 10}},
    {1041, K::Radio, "Peaceful", {72, 107, 41, 10}},
    {kNone, K::GroupBox, "State", {127, 67, 61, 56}},
    {1044, K::Radio, "Default", {133, 79, 39, 10}, kGroupStart},
    {1045, K::Radio, "Asleep", {133, 93, 35, 10}},
    {1048, K::Radio, "Awake", {133, 107, 35, 10}},
    {kNone, K::GroupBox, "Options", {7, 127, 181, 61}},
    {1061, K::Radio, "Name/Alignment", {12, 141, 65, 10}, kGroupStart},
    {1062, K::Radio, "Appearance", {86, 141, 48, 10}},
    {1063, K::DropDown, "", {135, 139, 45, 65}, kList},
    {kNone, K::Label, "Name", {16, 156, 18, 8}},
    {1046, K::Edit, "", {50, 154, 130, 14}, kEdit},
    {kNone, K::Label, "Probability", {16, 172, 32, 8}},
    {1047, K::Edit, "", {50, 169, 23, 14}, kEdit},
    {kNone, K::Label, "%", {75, 172, 8, 8}},
    {kNone, K::Label, "Alignment", {102, 172, 30, 8}},
    {1060, K::DropDown, "", {135, 169, 45, 65}, kList},
    {kOkButton, K::Button, "OK", {83, 194, 50, 14}, kDefaultButton},
    {kCancelButton, K::Button, "Cancel", {138, 194, 50, 14}},
};

constexpr ControlTemplate kObjectControls[] = {
    {kNone, K::GroupBox, "Symbol", {7, 7, 57, 56}},
    {1063, K::Radio, "", {12, 21, 8, 8}, kGroupStart},
    {1064, K::DropDown, "", {22, 19, 36, 30}, kList},
    {1065, K::Radio, "Random", {12, 34, 39, 10}},
    {1066, K::Radio, "Shuffle", {12, 47, 32, 10}},
    {1067, K::Edit, "", {44, 45, 15, 14}, kEdit | kDisabled},
    {kNone, K::GroupBox, "Object", {67, 7, 121, 44}},
    {1068, K::DropDown, "", {75, 19, 107, 30}, kList},
    {1078, K::CheckBox, "Container", {75, 35, 44, 10}},
    {kNone, K::GroupBox, "Position", {7, 67, 57, 70}},
    {1071, K::Radio, "Here", {12, 79, 29, 10}, kGroupStart},
    {1072, K::Radio, "Random", {12, 93, 39, 10}},
    {1073, K::Radio, "Shuffle", {12, 107, 32, 10}},
    {1074, K::Radio, "Contained", {12, 121, 45, 10}},
    {kNone, K::GroupBox, "Optional Status", {66, 55, 122, 82}},
    {kNone, K::Label, "BUC", {73, 72, 15, 8}},
    {1061, K::DropDown, "", {107, 70, 67, 65}, kList},
    {kNone, K::Label, "Spe", {73, 88, 16, 8}},
    {1048, K::Edit, "", {106, 86, 23, 14}, kEdit},
    {kNone, K::Label, "Material", {73, 104, 24, 8}},
    {1062, K::DropDown, "", {107, 102, 67, 65}, kList},
    {kNone, K::Label, "Probability", {73, 120, 32, 8}},
    {1076, K::Edit, "", {106, 118, 23, 14}, kEdit},
    {kNone, K::Label, "%", {132, 121, 8, 8}},
    {kNone, K::GroupBox, "Optional Names", {7, 141, 181, 50}},
    {kNone, K::Label, "Object name", {16, 156, 38, 8}},
    {1049, K::Edit, "", {58, 154, 123, 14}, kEdit},
    {kNone, K::Label, "Monster type", {16, 173, 38, 8}},
    {1075, K::Edit, "", {58, 171, 123, 14}, kEdit},
    {kOkButton, K::Button, "OK", {75, 196, 50, 14}, kDefaultButton},
    {kCancelButton, K::Button, "Cancel", {138, 196, 50, 14}},
};

}  // namespace

const DialogTemplate kMonster{dialog::kMonster, "Monster Property", 195, 215, 9, kMonsterControls};
const DialogTemplate kObject{dialog::kObject, "Object Property", 195, 217, 9, kObjectControls};

}  // namespace mapedit::templates
