#pragma once

// Control ids of the Maze Part Property dialog, a map part's alignments.
// Stable numbers: edit scripts name them.
namespace mapedit::control::maze_part {

constexpr int kLeft = 1023;
constexpr int kHalfLeft = 1024;
constexpr int kHorizontalCenter = 1025;
constexpr int kHalfRight = 1018;
constexpr int kRight = 1019;
constexpr int kTop = 1020;
constexpr int kVerticalCenter = 1021;
constexpr int kBottom = 1022;

}  // namespace mapedit::control::maze_part
