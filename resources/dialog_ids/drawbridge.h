#pragma once

// Control ids of the Drawbridge dialog. The radios name the side the
// bridge opens towards. Stable numbers: edit scripts name them.
namespace mapedit::control::drawbridge {

constexpr int kNorth = 1096;
constexpr int kEast = 1097;
constexpr int kSouth = 1098;
constexpr int kWest = 1099;
constexpr int kOpen = 1095;

}  // namespace mapedit::control::drawbridge
