#include "win32/pixel_art_bitmap.h"

#include <cstdint>

#include "win32/bitmap_format.h"

namespace mapedit {

HBITMAP pixelArtBitmap(const PixelArt& art, int scale) {
    BITMAPINFO info = topDownBitmap32(art.width * scale, art.height * scale);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr) return nullptr;
    auto* pixels = static_cast<std::uint32_t*>(bits);
    const int width = art.width * scale;
    for (int y = 0; y < art.height * scale; ++y) {
        const auto& row = art.rows[static_cast<std::size_t>(y / scale)];
        for (int x = 0; x < width; ++x) {
            const std::size_t column = static_cast<std::size_t>(x / scale);
            const std::uint32_t argb = artColour(column < row.size() ? row[column] : '.');
            // Premultiplied alpha, as alpha-blending image lists expect.
            const std::uint32_t a = argb >> 24;
            auto channel = [&](int shift) { return ((argb >> shift) & 0xFF) * a / 255; };
            pixels[y * width + x] = a << 24 | channel(16) << 16 | channel(8) << 8 | channel(0);
        }
    }
    return bitmap;
}

HICON programIconHandle(int scale) {
    const PixelArt& art = programIcon();
    HBITMAP colour = pixelArtBitmap(art, scale);
    // With a 32-bit colour bitmap the mask is ignored but must be there.
    HBITMAP mask = CreateBitmap(art.width * scale, art.height * scale, 1, 1, nullptr);
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = colour;
    info.hbmMask = mask;
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(colour);
    DeleteObject(mask);
    return icon;
}

}  // namespace mapedit
