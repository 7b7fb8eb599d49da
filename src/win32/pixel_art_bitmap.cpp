#include "win32/pixel_art_bitmap.h"

namespace mapedit {

std::uint32_t overBackground(std::uint32_t argb, std::uint32_t rgb) {
    const std::uint32_t alpha = argb >> 24;
    std::uint32_t mixed = 0;
    for (const int shift : {0, 8, 16}) {
        const std::uint32_t top = (argb >> shift) & 0xFF;
        const std::uint32_t bottom = (rgb >> shift) & 0xFF;
        const std::uint32_t channel = (top * alpha + bottom * (255 - alpha) + 127) / 255;
        mixed |= channel << shift;
    }
    return mixed;
}

OwnedBitmap pixelArtBitmap(const PixelArt& art, int scale, COLORREF background) {
    const int width = art.width * scale, height = art.height * scale;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    OwnedBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || bits == nullptr) return nullptr;
    // COLORREF is 0x00BBGGRR; the bitmap's pixels are 0x00RRGGBB.
    const std::uint32_t back =
        (GetRValue(background) << 16) | (GetGValue(background) << 8) | GetBValue(background);
    auto* pixels = static_cast<std::uint32_t*>(bits);
    for (int y = 0; y < height; ++y) {
        const std::string_view row = art.rows[static_cast<std::size_t>(y / scale)];
        for (int x = 0; x < width; ++x) {
            const auto at = static_cast<std::size_t>(x / scale);
            const char letter = at < row.size() ? row[at] : '.';
            pixels[y * width + x] = overBackground(artColour(letter), back);
        }
    }
    return bitmap;
}

}  // namespace mapedit
