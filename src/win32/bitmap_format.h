#pragma once

#include <windows.h>

namespace mapedit {

// A 32-bit device-independent bitmap of that size, top row first: one
// 0x00RRGGBB (or 0xAARRGGBB) word per pixel, the framebuffer's own layout.
inline BITMAPINFO topDownBitmap32(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

}  // namespace mapedit
