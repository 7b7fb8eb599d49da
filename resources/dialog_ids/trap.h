#pragma once

// Control ids of the Trap dialog. Stable numbers: edit scripts name them.
namespace mapedit::control::trap {

constexpr int kTypeList = 1079;
// Position.
constexpr int kHere = 1080;
constexpr int kRandomPlace = 1081;
constexpr int kShufflePlace = 1082;
constexpr int kChance = 1000;

}  // namespace mapedit::control::trap
