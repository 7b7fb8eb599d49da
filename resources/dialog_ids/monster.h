#pragma once

// Control ids of the Monster Property dialog. Stable numbers: edit scripts
// name them.
namespace mapedit::control::monster {

// The class: a fixed one from the symbol list, random, or shuffled.
constexpr int kFixedClass = 1018;
constexpr int kSymbolList = 1059;
constexpr int kRandomClass = 1019;
constexpr int kShuffleClass = 1020;
constexpr int kShuffleIndex = 1004;  // always greyed
constexpr int kNameList = 1058;
// Position.
constexpr int kHere = 1052;
constexpr int kRandomPlace = 1053;
constexpr int kShufflePlace = 1054;
// Attitude.
constexpr int kDefaultAttitude = 1039;
constexpr int kHostile = 1040;
constexpr int kPeaceful = 1041;
// Sleep.
constexpr int kDefaultSleep = 1044;
constexpr int kAsleep = 1045;
constexpr int kAwake = 1048;
// Options: a given name with an alignment, or an appearance.
constexpr int kNameOrAlignment = 1061;
constexpr int kAppearance = 1062;
constexpr int kAppearanceList = 1063;
constexpr int kGivenName = 1046;
constexpr int kChance = 1047;
constexpr int kAlignmentList = 1060;

}  // namespace mapedit::control::monster
