#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "platform/canvas.h"

namespace mapedit {

constexpr int kColorCount = 19;
extern const std::array<Rgb, kColorCount> colorTable;

// The table entry a colour index names. Records keep colours in wider
// fields; only the low byte counts, as a signed value, and indexes outside
// 0..18 name no entry.
std::optional<std::size_t> colorSlot(int index);
// The colour of an index; black when it names no entry.
Rgb colorOf(int index);
// Each channel halved: cells outside every map part.
Rgb dimmed(Rgb c);

// The platform's stock dark grey behind the map.
constexpr Rgb kMapBackground{64, 64, 64};

}  // namespace mapedit
