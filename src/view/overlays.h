#pragma once

#include "view/view_context.h"

namespace mapedit {

struct AreaPixels {
    int left, top, right, bottom;  // outline lines L, T, R, B
};
AreaPixels areaPixels(const AreaRecord& area);

constexpr int kMaxDrawnAreas = 64;

void drawAreas(ViewContext& v);
void drawAreaOutline(ViewContext& v, const AreaRecord& area);
void drawAreaWithHandles(ViewContext& v, const AreaRecord& area);
// Dotted XOR outline; a second call with the same rectangle erases it.
void xorOutline(ViewContext& v, const AreaRecord& area);

}  // namespace mapedit
