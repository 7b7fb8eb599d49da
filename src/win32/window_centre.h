#pragma once

#include <windows.h>

namespace mapedit {

// Moves a window, keeping its size, over the middle of the window that
// owns it, where the designer is looking; over the middle of its screen's
// work area when nothing owns it. A larger window overhangs evenly.
void centreOverOwner(HWND window);

}  // namespace mapedit
