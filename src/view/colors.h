#pragma once

#include <array>

#include "platform/canvas.h"

namespace mapedit {

constexpr int kColorCount = 19;
extern const std::array<Rgb, kColorCount> colorTable;

// The colour of an index, used as a signed 8-bit value; indexes outside
// 0..18 answer black rather than reading past the table.
Rgb colorOf(int index);
// Each channel halved: cells outside every map part.
Rgb dimmed(Rgb c);

// The platform's stock dark grey behind the map.
constexpr Rgb kMapBackground{64, 64, 64};

}  // namespace mapedit
