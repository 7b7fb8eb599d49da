#pragma once

#include <windows.h>

#include "platform/canvas.h"

namespace mapedit {

// What the screen shows of a window's client area, pixel for pixel.
Canvas grabClientArea(HWND window);
// What the screen shows of a whole window, its frame included.
Canvas grabWholeWindow(HWND window);

}  // namespace mapedit
