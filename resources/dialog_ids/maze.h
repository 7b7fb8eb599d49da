#pragma once

// Control ids of the Maze dialog, the level's settings. Stable numbers:
// edit scripts name them.
namespace mapedit::control::maze {

constexpr int kName = 1000;
// How the background is filled.
constexpr int kRandomMaze = 1015;
constexpr int kFilling = 1016;
constexpr int kFillingList = 1107;
constexpr int kInitMap = 1017;
// The flags.
constexpr int kNoTeleport = 1006;
constexpr int kHardFloor = 1007;
constexpr int kShortSighted = 1009;
constexpr int kNoMMap = 1008;
constexpr int kArboreal = 1010;
constexpr int kNoMonGen = 1018;
// INIT_MAP: the foreground, its barrier, and how the two are laid out.
constexpr int kInsideList = 1106;
constexpr int kOutsideList = 1104;
constexpr int kSmoothed = 1011;
constexpr int kJoined = 1012;
constexpr int kLit = 1013;
constexpr int kWalled = 1014;

}  // namespace mapedit::control::maze
