#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/bitmap_font.h"

namespace mapedit {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(Rgb, Rgb) = default;
};

// The framebuffer's pixel format, 0x00RRGGBB.
constexpr std::uint32_t packRgb(Rgb c) {
    return (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | std::uint32_t{c.b};
}
constexpr Rgb unpackRgb(std::uint32_t v) {
    return Rgb{static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8),
               static_cast<std::uint8_t>(v)};
}

// The software framebuffer of the client area. Every primitive clips to the
// framebuffer, so nothing drawn off the edges writes outside it.
// Rectangles are left, top, right, bottom with right and bottom exclusive.
class Canvas {
  public:
    static constexpr int kClientWidth = 810;
    static constexpr int kClientHeight = 450;

    Canvas(int width = kClientWidth, int height = kClientHeight);

    int width() const { return width_; }
    int height() const { return height_; }
    Rgb pixel(int x, int y) const;
    void setPixel(int x, int y, Rgb c);
    // 0x00RRGGBB per pixel, row-major.
    const std::vector<std::uint32_t>& pixels() const { return pixels_; }

    void fillRect(int left, int top, int right, int bottom, Rgb c);
    // A one-pixel border just inside the rectangle.
    void frameRect(int left, int top, int right, int bottom, Rgb c);
    // A solid one-pixel line; the end point itself is not drawn.
    void drawLine(int x0, int y0, int x1, int y1, Rgb c);
    // A dotted one-pixel line XOR-ed into the framebuffer with c (end point
    // excluded); drawing the same line twice restores every pixel.
    void xorDottedLine(int x0, int y0, int x1, int y1, Rgb c);
    // Opaque text: each byte is one glyph box of the font in bg, with the
    // glyph's pixels in fg. Returns the x after the last glyph.
    int drawText(int x, int y, std::string_view bytes, const BitmapFont& font, Rgb fg, Rgb bg);

  private:
    int width_;
    int height_;
    std::vector<std::uint32_t> pixels_;
};

}  // namespace mapedit
