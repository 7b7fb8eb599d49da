#include "platform/canvas.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace mapedit {

namespace {

// A rectangle already clipped to the framebuffer; empty when right <= left
// or bottom <= top.
struct Span {
    int left, top, right, bottom;
    bool empty() const { return right <= left || bottom <= top; }
};

Span clipped(int left, int top, int right, int bottom, int width, int height) {
    return Span{std::max(left, 0), std::max(top, 0), std::min(right, width),
                std::min(bottom, height)};
}

}  // namespace

Canvas::Canvas(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0u) {}

Rgb Canvas::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return Rgb{};
    return unpackRgb(pixels_[static_cast<std::size_t>(y) * width_ + x]);
}

void Canvas::setPixel(int x, int y, Rgb c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<std::size_t>(y) * width_ + x] = packRgb(c);
}

void Canvas::fillRect(int left, int top, int right, int bottom, Rgb c) {
    const Span s = clipped(left, top, right, bottom, width_, height_);
    if (s.empty()) return;
    const std::uint32_t v = packRgb(c);
    for (int y = s.top; y < s.bottom; ++y) {
        auto row = pixels_.begin() + static_cast<std::ptrdiff_t>(y) * width_;
        std::fill(row + s.left, row + s.right, v);
    }
}

void Canvas::frameRect(int left, int top, int right, int bottom, Rgb c) {
    if (right <= left || bottom <= top) return;
    fillRect(left, top, right, top + 1, c);
    fillRect(left, bottom - 1, right, bottom, c);
    fillRect(left, top, left + 1, bottom, c);
    fillRect(right - 1, top, right, bottom, c);
}

int Canvas::drawText(int x, int y, std::string_view bytes, const BitmapFont& font, Rgb fg, Rgb bg) {
    const std::uint32_t fore = packRgb(fg);
    const std::uint32_t back = packRgb(bg);
    const int rowFirst = std::max(0, -y);
    const int rowEnd =
        static_cast<int>(std::min<std::int64_t>(font.height, std::int64_t{height_} - y));
    std::int64_t cursor = x;
    for (unsigned char ch : bytes) {
        const std::int64_t boxLeft = cursor;
        cursor += font.width;
        if (boxLeft >= width_ || cursor <= 0 || rowFirst >= rowEnd) continue;
        const int left = static_cast<int>(boxLeft);
        const int colFirst = std::max(0, -left);
        const int colEnd = std::min(font.width, width_ - left);
        for (int r = rowFirst; r < rowEnd; ++r) {
            const std::uint16_t bits = font.glyphRow(ch, r);
            const std::size_t rowBase = static_cast<std::size_t>(y + r) * width_;
            for (int c = colFirst; c < colEnd; ++c) {
                pixels_[rowBase + static_cast<std::size_t>(left + c)] =
                    ((bits >> (15 - c)) & 1u) ? fore : back;
            }
        }
    }
    const std::int64_t lo = std::numeric_limits<int>::min();
    const std::int64_t hi = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(cursor, lo, hi));
}

}  // namespace mapedit
