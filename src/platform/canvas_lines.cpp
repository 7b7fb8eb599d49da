#include <algorithm>
#include <cstdint>

#include "platform/canvas.h"

namespace mapedit {

namespace {

// Bresenham's line from (x0, y0) toward (x1, y1), end point excluded, in
// closed form: step i (0 <= i < n, n the longer extent) moves i along the
// major axis and round(i * minor / n) along the minor one, halves rounding
// toward the end. Because each step is computed on its own, only the steps
// whose major coordinate lies on the framebuffer are visited, so a line
// with far-away end points costs no more than one across the canvas.
// plot(x, y, i) receives the visible pixels with their step number.
template <typename Plot>
void rasterLine(int x0, int y0, int x1, int y1, int width, int height, Plot plot) {
    const std::int64_t dx = std::int64_t{x1} - x0;
    const std::int64_t dy = std::int64_t{y1} - y0;
    const std::uint64_t ax = static_cast<std::uint64_t>(dx < 0 ? -dx : dx);
    const std::uint64_t ay = static_cast<std::uint64_t>(dy < 0 ? -dy : dy);
    const bool xMajor = ax >= ay;
    const std::uint64_t n = xMajor ? ax : ay;
    const std::uint64_t minor = xMajor ? ay : ax;
    if (n == 0) return;

    const std::int64_t majorStart = xMajor ? x0 : y0;
    const std::int64_t minorStart = xMajor ? y0 : x0;
    const int majorSign = ((xMajor ? dx : dy) < 0) ? -1 : 1;
    const int minorSign = ((xMajor ? dy : dx) < 0) ? -1 : 1;
    const std::int64_t majorExtent = xMajor ? width : height;
    const std::int64_t minorExtent = xMajor ? height : width;

    // Steps whose major coordinate majorStart + majorSign * i is in range.
    std::int64_t first = 0;
    std::int64_t last = static_cast<std::int64_t>(n) - 1;
    if (majorSign > 0) {
        first = std::max(first, -majorStart);
        last = std::min(last, majorExtent - 1 - majorStart);
    } else {
        first = std::max(first, majorStart - majorExtent + 1);
        last = std::min(last, majorStart);
    }
    for (std::int64_t i = first; i <= last; ++i) {
        // i and minor are below 2^32, so the product fits; rounding is done on
        // quotient and remainder so that nothing overflows.
        const std::uint64_t product = static_cast<std::uint64_t>(i) * minor;
        const std::uint64_t quotient = product / n;
        const std::uint64_t remainder = product % n;
        const std::int64_t offset =
            static_cast<std::int64_t>(quotient + (2 * remainder >= n ? 1 : 0));
        const std::int64_t m = majorStart + majorSign * i;
        const std::int64_t k = minorStart + minorSign * offset;
        if (k < 0 || k >= minorExtent) continue;
        const int px = static_cast<int>(xMajor ? m : k);
        const int py = static_cast<int>(xMajor ? k : m);
        plot(px, py, i);
    }
}

}  // namespace

void Canvas::drawLine(int x0, int y0, int x1, int y1, Rgb c) {
    const std::uint32_t v = packRgb(c);
    rasterLine(x0, y0, x1, y1, width_, height_, [&](int x, int y, std::int64_t) {
        pixels_[static_cast<std::size_t>(y) * width_ + x] = v;
    });
}

void Canvas::xorDottedLine(int x0, int y0, int x1, int y1, Rgb c) {
    const std::uint32_t v = packRgb(c);
    // The dots count from the line's own start, so the pattern depends only
    // on the line: not on clipping and not on what was drawn before it.
    rasterLine(x0, y0, x1, y1, width_, height_, [&](int x, int y, std::int64_t step) {
        if (step % 2 == 0) pixels_[static_cast<std::size_t>(y) * width_ + x] ^= v;
    });
}

}  // namespace mapedit
