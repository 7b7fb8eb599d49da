// Clipping: whatever a primitive draws on a small canvas must be exactly the
// part of the same drawing, made on a canvas large enough to hold all of it,
// that falls inside the small one.

#include <functional>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "platform/canvas.h"

namespace mapedit {
namespace {

constexpr int kW = 24, kH = 20, kMargin = 64;

// A background that differs from pixel to pixel, so a write at a wrong
// address (say one row off) shows.
Rgb patternAt(int x, int y) {
    return Rgb{static_cast<std::uint8_t>(x * 7), static_cast<std::uint8_t>(y * 11),
               static_cast<std::uint8_t>((x + y) * 3 + 1)};
}

void paintPattern(Canvas& canvas, int originX, int originY) {
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            canvas.setPixel(x, y, patternAt(x - originX, y - originY));
}

// draw(canvas, dx, dy) draws with every coordinate shifted by (dx, dy).
using Drawing = std::function<void(Canvas&, int, int)>;

struct ClipCase {
    std::string name;
    Drawing draw;
};

void expectClipsLikeUnclipped(const ClipCase& c) {
    Canvas small(kW, kH);
    Canvas large(kW + 2 * kMargin, kH + 2 * kMargin);
    paintPattern(small, 0, 0);
    paintPattern(large, kMargin, kMargin);
    c.draw(small, 0, 0);
    c.draw(large, kMargin, kMargin);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            ASSERT_EQ(small.pixel(x, y), large.pixel(x + kMargin, y + kMargin))
                << c.name << " at " << x << "," << y;
}

Drawing fill(int l, int t, int r, int b) {
    return [=](Canvas& cv, int dx, int dy) {
        cv.fillRect(l + dx, t + dy, r + dx, b + dy, {9, 8, 7});
    };
}
Drawing frame(int l, int t, int r, int b) {
    return [=](Canvas& cv, int dx, int dy) {
        cv.frameRect(l + dx, t + dy, r + dx, b + dy, {9, 8, 7});
    };
}
Drawing line(int x0, int y0, int x1, int y1) {
    return [=](Canvas& cv, int dx, int dy) {
        cv.drawLine(x0 + dx, y0 + dy, x1 + dx, y1 + dy, {5, 6, 7});
    };
}
Drawing dotted(int x0, int y0, int x1, int y1) {
    return [=](Canvas& cv, int dx, int dy) {
        cv.xorDottedLine(x0 + dx, y0 + dy, x1 + dx, y1 + dy, {255, 255, 255});
    };
}
Drawing text(int x, int y, const BitmapFont& (*font)()) {
    return [=](Canvas& cv, int dx, int dy) {
        cv.drawText(x + dx, y + dy, "A\xC4\xB3#", font(), {200, 0, 0}, {0, 0, 200});
    };
}

TEST(CanvasClipping, EveryPrimitiveDrawsOnlyItsVisiblePart) {
    const ClipCase cases[] = {
        {"fill across left", fill(-5, 3, 4, 9)},
        {"fill across top", fill(3, -6, 9, 2)},
        {"fill across right", fill(20, 3, 30, 9)},
        {"fill across bottom", fill(3, 17, 9, 40)},
        {"fill over all", fill(-9, -9, 40, 40)},
        {"fill left of", fill(-20, 2, 0, 9)},
        {"fill above", fill(2, -20, 9, 0)},
        {"fill right of", fill(24, 2, 40, 9)},
        {"fill below", fill(2, 20, 9, 40)},
        {"frame across left", frame(-5, 3, 4, 9)},
        {"frame across top", frame(3, -6, 9, 2)},
        {"frame across right", frame(20, 3, 30, 9)},
        {"frame across bottom", frame(3, 17, 9, 40)},
        {"frame around all", frame(-9, -9, 40, 40)},
        {"frame outside", frame(30, 30, 50, 50)},
        {"line across left", line(-10, 2, 10, 15)},
        {"line across top", line(12, -9, 3, 8)},
        {"line across right", line(18, 4, 40, 12)},
        {"line across bottom", line(5, 10, 11, 50)},
        {"line through", line(-20, -3, 45, 30)},
        {"steep line through", line(30, -30, -5, 50)},
        {"line left of", line(-30, 1, -1, 19)},
        {"line above", line(-5, -1, 40, -1)},
        {"line right of", line(24, 0, 24, 19)},
        {"line below", line(-5, 20, 40, 25)},
        {"dots across left", dotted(-7, 5, 8, 5)},
        {"dots across top", dotted(6, -7, 6, 8)},
        {"dots across right", dotted(15, 19, 33, 0)},
        {"dots across bottom", dotted(3, 3, 20, 33)},
        {"dots outside", dotted(-9, -9, -1, 40)},
        {"text across left", text(-13, 1, mapFont)},
        {"text across top", text(2, -10, mapFont)},
        {"text across right", text(15, 0, labelFont)},
        {"text across bottom", text(0, 12, mapFont)},
        {"text left of", text(-40, 0, mapFont)},
        {"text above", text(0, -18, mapFont)},
        {"text right of", text(24, 0, labelFont)},
        {"text below", text(0, 20, labelFont)},
    };
    for (const auto& c : cases) expectClipsLikeUnclipped(c);
}

TEST(CanvasClipping, LinesWithFarAwayEndsStillFollowTheirSlope) {
    Canvas canvas(kW, kH);
    canvas.drawLine(-2000000000, 5, 2000000000, 5, {1, 1, 1});
    canvas.drawLine(-2000000000, -2000000000, 2000000000, 2000000000, {2, 2, 2});
    canvas.drawLine(std::numeric_limits<int>::min(), 0, std::numeric_limits<int>::max(), 0,
                    {3, 3, 3});
    for (int x = 0; x < kW; ++x) {
        if (x != 5) {
            EXPECT_EQ(canvas.pixel(x, 5), (Rgb{1, 1, 1})) << x;
        }
        EXPECT_EQ(canvas.pixel(x, 0), (Rgb{3, 3, 3})) << x;
    }
    for (int k = 1; k < kH; ++k) EXPECT_EQ(canvas.pixel(k, k), (Rgb{2, 2, 2})) << k;
    EXPECT_EQ(canvas.pixel(6, 7), Rgb{});
}

}  // namespace
}  // namespace mapedit
