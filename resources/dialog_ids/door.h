#pragma once

// Control ids of the Door Property dialog, a door's state. Stable numbers:
// edit scripts name them.
namespace mapedit::control::door {

constexpr int kOpen = 1031;
constexpr int kClosed = 1032;
constexpr int kLocked = 1028;
constexpr int kNoDoor = 1029;
constexpr int kBroken = 1030;
constexpr int kRandom = 1033;

}  // namespace mapedit::control::door
