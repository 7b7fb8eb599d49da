#pragma once

// Control ids of the Mazewalk dialog, a mazewalk marker's direction.
// Stable numbers: edit scripts name them.
namespace mapedit::control::mazewalk {

constexpr int kNorth = 1090;
constexpr int kEast = 1091;
constexpr int kSouth = 1092;
constexpr int kWest = 1093;

}  // namespace mapedit::control::mazewalk
