#pragma once

#include <cstdint>
#include <string_view>

#include "platform/canvas.h"

namespace mapedit {

// One byte of the map font at a pixel position, opaque.
inline void drawMapChar(Canvas& canvas, int px, int py, std::uint8_t ch, Rgb fg, Rgb bg) {
    const char byte = static_cast<char>(ch);
    canvas.drawText(px, py, std::string_view(&byte, 1), mapFont(), fg, bg);
}

}  // namespace mapedit
