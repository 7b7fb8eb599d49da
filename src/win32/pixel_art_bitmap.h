#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <type_traits>

#include "resources/pixel_art.h"

namespace mapedit {

struct GdiObjectDeleter {
    void operator()(HBITMAP object) const { DeleteObject(object); }
};
using OwnedBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;

// A pixel's 0xAARRGGBB colour laid over an opaque 0x00RRGGBB background,
// as 0x00RRGGBB: controls that show bitmaps draw no transparency.
std::uint32_t overBackground(std::uint32_t argb, std::uint32_t rgb);

// The picture with each pixel an even `scale` x `scale` block, over the
// background colour.
OwnedBitmap pixelArtBitmap(const PixelArt& art, int scale, COLORREF background);

}  // namespace mapedit
