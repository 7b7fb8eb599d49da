#pragma once

// Control ids of the Object Property dialog. Stable numbers: edit scripts
// name them.
namespace mapedit::control::object {

// The class: a fixed one from the symbol list, random, or shuffled.
constexpr int kFixedClass = 1063;
constexpr int kSymbolList = 1064;
constexpr int kRandomClass = 1065;
constexpr int kShuffleClass = 1066;
constexpr int kShuffleIndex = 1067;  // always greyed
constexpr int kNameList = 1068;
constexpr int kContainer = 1078;
// Position.
constexpr int kHere = 1071;
constexpr int kRandomPlace = 1072;
constexpr int kShufflePlace = 1073;
constexpr int kContained = 1074;
// Optional status.
constexpr int kCurseList = 1061;
constexpr int kSpe = 1048;
constexpr int kMaterialList = 1062;
constexpr int kChance = 1076;
// Optional names.
constexpr int kObjectName = 1049;
constexpr int kMonsterType = 1075;

}  // namespace mapedit::control::object
