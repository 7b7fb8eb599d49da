#include <cstdlib>
#include <set>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "platform/canvas.h"

namespace mapedit {
namespace {

using Points = std::set<std::pair<int, int>>;

constexpr Rgb kInk{10, 200, 30};
constexpr Rgb kWhite{255, 255, 255};

Points pixelsOf(const Canvas& canvas, Rgb c) {
    Points out;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if (canvas.pixel(x, y) == c) out.insert({x, y});
    return out;
}

Points changed(const Canvas& before, const Canvas& after) {
    Points out;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y)) out.insert({x, y});
    return out;
}

Canvas patterned(int w, int h) {
    Canvas canvas(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            canvas.setPixel(
                x, y,
                Rgb{static_cast<std::uint8_t>(x * 13 + y), static_cast<std::uint8_t>(y * 29), 77});
    return canvas;
}

TEST(Canvas, StartsBlackAndStoresPixelsAsRgb) {
    Canvas canvas;
    EXPECT_EQ(canvas.width(), 810);
    EXPECT_EQ(canvas.height(), 450);
    EXPECT_EQ(canvas.pixel(809, 449), Rgb{});
    canvas.setPixel(3, 2, Rgb{0x12, 0x34, 0x56});
    EXPECT_EQ(canvas.pixels()[2 * 810 + 3], 0x123456u);
    canvas.setPixel(810, 0, kInk);  // off the canvas: ignored
    EXPECT_EQ(canvas.pixel(0, 1), Rgb{});
}

TEST(Canvas, FillCoversTheRectangleRightAndBottomExclusive) {
    Canvas canvas(12, 10);
    canvas.fillRect(2, 3, 5, 7, kInk);
    Points want;
    for (int y = 3; y < 7; ++y)
        for (int x = 2; x < 5; ++x) want.insert({x, y});
    EXPECT_EQ(pixelsOf(canvas, kInk), want);
    canvas.fillRect(6, 6, 4, 8, kWhite);  // inverted: nothing
    EXPECT_TRUE(pixelsOf(canvas, kWhite).empty());
}

TEST(Canvas, FrameIsAOnePixelBorderInsideTheRectangle) {
    struct Case {
        int l, t, r, b;
        Points want;
    };
    const Case cases[] = {
        {1,
         1,
         5,
         4,
         {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {1, 2}, {4, 2}, {1, 3}, {2, 3}, {3, 3}, {4, 3}}},
        {2, 2, 3, 5, {{2, 2}, {2, 3}, {2, 4}}},  // one pixel wide
        {2, 2, 2, 5, {}},                        // empty
    };
    for (const auto& c : cases) {
        Canvas canvas(8, 8);
        canvas.frameRect(c.l, c.t, c.r, c.b, kInk);
        EXPECT_EQ(pixelsOf(canvas, kInk), c.want) << c.l << "," << c.t << "," << c.r << "," << c.b;
    }
}

TEST(Canvas, LineRunsFromStartAndStopsBeforeTheEnd) {
    struct Case {
        int x0, y0, x1, y1;
        Points want;
    };
    const Case cases[] = {
        {1, 2, 5, 2, {{1, 2}, {2, 2}, {3, 2}, {4, 2}}},
        {5, 2, 1, 2, {{5, 2}, {4, 2}, {3, 2}, {2, 2}}},
        {3, 1, 3, 4, {{3, 1}, {3, 2}, {3, 3}}},
        {3, 4, 3, 1, {{3, 4}, {3, 3}, {3, 2}}},
        {0, 0, 3, 3, {{0, 0}, {1, 1}, {2, 2}}},
        {6, 0, 3, 3, {{6, 0}, {5, 1}, {4, 2}}},
        {0, 0, 2, 5, {{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}}},
        {4, 4, 4, 4, {}},
    };
    for (const auto& c : cases) {
        Canvas canvas(8, 8);
        canvas.drawLine(c.x0, c.y0, c.x1, c.y1, kInk);
        EXPECT_EQ(pixelsOf(canvas, kInk), c.want)
            << c.x0 << "," << c.y0 << "->" << c.x1 << "," << c.y1;
    }
}

// For many slopes: one pixel per step along the longer axis, each the
// nearest to the ideal line, the start drawn and the end not.
TEST(Canvas, LinePixelsAreTheNearestToTheIdealLine) {
    for (int ex = -9; ex <= 9; ++ex) {
        for (int ey = -9; ey <= 9; ++ey) {
            Canvas canvas(21, 21);
            const int x0 = 10, y0 = 10, x1 = 10 + ex, y1 = 10 + ey;
            canvas.drawLine(x0, y0, x1, y1, kInk);
            const Points got = pixelsOf(canvas, kInk);
            const int n = std::max(std::abs(ex), std::abs(ey));
            ASSERT_EQ(static_cast<int>(got.size()), n) << ex << "," << ey;
            if (n == 0) continue;
            EXPECT_TRUE(got.count({x0, y0}));
            EXPECT_FALSE(got.count({x1, y1}));
            for (const auto& [x, y] : got) {
                const bool xMajor = std::abs(ex) >= std::abs(ey);
                const double i = xMajor ? std::abs(x - x0) : std::abs(y - y0);
                const double ideal = xMajor ? y0 + ey * i / n : x0 + ex * i / n;
                EXPECT_LE(std::abs((xMajor ? y : x) - ideal), 0.5) << ex << "," << ey;
            }
        }
    }
}

// The area outline: four dotted lines around the rectangle.
void xorOutline(Canvas& canvas, int l, int t, int r, int b) {
    canvas.xorDottedLine(l, t, r, t, kWhite);
    canvas.xorDottedLine(r, t, r, b, kWhite);
    canvas.xorDottedLine(r, b, l, b, kWhite);
    canvas.xorDottedLine(l, b, l, t, kWhite);
}

TEST(Canvas, DottedOutlineMarksEveryOtherPixelFromEachCorner) {
    struct Case {
        int l, t, r, b;
    };
    for (const Case c : {Case{2, 3, 9, 8}, Case{1, 1, 12, 10}, Case{4, 2, 5, 11}}) {
        const Canvas before = patterned(16, 14);
        Canvas canvas = before;
        xorOutline(canvas, c.l, c.t, c.r, c.b);
        Points want;
        for (int x = c.l; x < c.r; x += 2) want.insert({x, c.t});
        for (int y = c.t; y < c.b; y += 2) want.insert({c.r, y});
        for (int x = c.r; x > c.l; x -= 2) want.insert({x, c.b});
        for (int y = c.b; y > c.t; y -= 2) want.insert({c.l, y});
        EXPECT_EQ(changed(before, canvas), want) << c.l << "," << c.t << "," << c.r << "," << c.b;
        for (const auto& [x, y] : want) {
            EXPECT_EQ(packRgb(canvas.pixel(x, y)), packRgb(before.pixel(x, y)) ^ 0xFFFFFFu);
        }
    }
}

TEST(Canvas, DottedOutlineDrawnTwiceRestoresEveryPixel) {
    struct Case {
        int l, t, r, b;
    };
    const Case cases[] = {{2, 3, 9, 8},   {1, 1, 12, 10}, {3, 3, 3, 9},
                          {-4, 5, 7, 30}, {5, 5, 5, 5},   {14, 12, 2, 1}};
    for (const auto& c : cases) {
        const Canvas before = patterned(16, 14);
        Canvas canvas = before;
        xorOutline(canvas, c.l, c.t, c.r, c.b);
        xorOutline(canvas, c.l, c.t, c.r, c.b);
        EXPECT_TRUE(changed(before, canvas).empty())
            << c.l << "," << c.t << "," << c.r << "," << c.b;
    }
}

TEST(Canvas, TextDrawsOpaqueGlyphBoxesSideBySide) {
    const BitmapFont& font = mapFont();
    constexpr Rgb fg{250, 0, 0}, bg{0, 0, 250}, paper{0, 99, 0};
    Canvas canvas(40, 30);
    canvas.fillRect(0, 0, 40, 30, paper);
    const std::string_view text("A \x07", 3);  // 7: a glyph the font lacks
    EXPECT_EQ(canvas.drawText(3, 4, text, font, fg, bg), 3 + 3 * font.width);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            const int col = x - 3, row = y - 4;
            Rgb want = paper;
            if (col >= 0 && col < 3 * font.width && row >= 0 && row < font.height) {
                const unsigned char ch = static_cast<unsigned char>(text[col / font.width]);
                want = ch != 7 && font.pixel(ch, col % font.width, row) ? fg : bg;
            }
            ASSERT_EQ(canvas.pixel(x, y), want) << x << "," << y;
        }
    }
}

}  // namespace
}  // namespace mapedit
