#pragma once

#include <windows.h>

#include "resources/pixel_art.h"

namespace mapedit {

// A pixel-art picture as a 32-bit bitmap with alpha, each pixel a
// scale x scale block, so that it stays crisp at every zoom. The caller
// owns the bitmap.
HBITMAP pixelArtBitmap(const PixelArt& art, int scale);

// The program icon, for the window's title bar and task bar.
HICON programIconHandle(int scale);

}  // namespace mapedit
