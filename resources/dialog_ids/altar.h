#pragma once

// Control ids of the Altar dialog. Stable numbers: edit scripts name them.
namespace mapedit::control::altar {

constexpr int kAlignmentList = 1100;
constexpr int kTypeList = 1101;

}  // namespace mapedit::control::altar
