#include "win32/window_grab.h"

#include <cstdint>

#include "win32/bitmap_format.h"

namespace mapedit {

namespace {

// The screen's pixels in a rectangle of screen coordinates.
Canvas grabScreen(const RECT& r) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    Canvas picture(w, h);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = topDownBitmap32(w, h);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap != nullptr) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
        const auto* pixels = static_cast<const std::uint32_t*>(bits);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const std::uint32_t p = pixels[y * w + x];
                picture.setPixel(
                    x, y,
                    Rgb{static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                        static_cast<std::uint8_t>(p)});
            }
        }
        SelectObject(memory, old);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return picture;
}

}  // namespace

Canvas grabClientArea(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return grabScreen(r);
}

Canvas grabWholeWindow(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return grabScreen(r);
}

}  // namespace mapedit
