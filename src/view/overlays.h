#pragma once

#include <array>

#include "view/view_context.h"

namespace mapedit {

struct AreaPixels {
    int left, top, right, bottom;  // outline lines L, T, R, B
};
AreaPixels areaPixels(const AreaRecord& area);

// The centres of an area's handle squares: x left to right, y top to
// bottom. Handle n (1..9, 5 being the body) lies at xs[(n - 1) % 3],
// ys[(n - 1) / 3].
struct HandleCentres {
    std::array<int, 3> xs;
    std::array<int, 3> ys;
};
HandleCentres handleCentres(const AreaRecord& area);

constexpr int kMaxDrawnAreas = 64;

void drawAreas(ViewContext& v);
void drawAreaOutline(ViewContext& v, const AreaRecord& area);
void drawAreaWithHandles(ViewContext& v, const AreaRecord& area);
// Dotted XOR outline; a second call with the same rectangle erases it.
void xorOutline(ViewContext& v, const AreaRecord& area);

}  // namespace mapedit
