#pragma once

// Control ids of the Region dialog, a room region. Stable numbers: edit
// scripts name them.
namespace mapedit::control::region {

constexpr int kTypeList = 1089;
// Lighting.
constexpr int kLit = 1083;
constexpr int kUnlit = 1084;
constexpr int kRandomLight = 1085;
// Fill.
constexpr int kDefaultFill = 1086;
constexpr int kFilled = 1087;
constexpr int kUnfilled = 1090;
constexpr int kIrregular = 1088;

}  // namespace mapedit::control::region
