#include <string>

#include <gtest/gtest.h>

#include "platform/bitmap_font.h"

namespace mapedit {
namespace {

// The map font lacks two code page 437 glyphs; the label font has every
// byte but the NUL (printable ASCII from one font, the rest from another).
bool mapFontHas(int ch) {
    return ch != 7 && ch != 14;
}
bool labelFontHas(int ch) {
    return ch != 0;
}

struct FontCase {
    std::string name;
    const BitmapFont& font;
    int width, height;
    bool (*has)(int ch);
    int capTop, baseline;  // the rows a capital T spans
};

std::vector<FontCase> fonts() {
    return {{"map", mapFont(), 10, 18, mapFontHas, 3, 14},
            {"label", labelFont(), 8, 8, labelFontHas, 0, 6}};
}

int firstInkRow(const BitmapFont& f, unsigned char ch) {
    for (int y = 0; y < f.height; ++y)
        if (f.glyphRow(ch, y) != 0) return y;
    return -1;
}

int lastInkRow(const BitmapFont& f, unsigned char ch) {
    for (int y = f.height - 1; y >= 0; --y)
        if (f.glyphRow(ch, y) != 0) return y;
    return -1;
}

int inkCount(const BitmapFont& f, unsigned char ch) {
    int n = 0;
    for (int y = 0; y < f.height; ++y)
        for (int x = 0; x < f.width; ++x) n += f.pixel(ch, x, y) ? 1 : 0;
    return n;
}

bool hasFullRow(const BitmapFont& f, unsigned char ch) {
    for (int y = 0; y < f.height; ++y)
        if (f.glyphRow(ch, y) == f.rowMask()) return true;
    return false;
}

bool hasFullColumn(const BitmapFont& f, unsigned char ch) {
    for (int x = 0; x < f.width; ++x) {
        int n = 0;
        for (int y = 0; y < f.height; ++y) n += f.pixel(ch, x, y) ? 1 : 0;
        if (n == f.height) return true;
    }
    return false;
}

TEST(BitmapFont, SizesMatchTheFaces) {
    for (const auto& c : fonts()) {
        EXPECT_EQ(c.font.width, c.width) << c.name;
        EXPECT_EQ(c.font.height, c.height) << c.name;
    }
}

TEST(BitmapFont, MapFontGlyphsAreIndexedByTheCodePage437Byte) {
    const BitmapFont& f = mapFont();
    EXPECT_TRUE(hasFullRow(f, 0xC4) && !hasFullColumn(f, 0xC4));  // horizontal line
    EXPECT_TRUE(hasFullColumn(f, 0xB3) && !hasFullRow(f, 0xB3));  // vertical line
    EXPECT_TRUE(hasFullRow(f, 0xC5) && hasFullColumn(f, 0xC5));   // cross
    EXPECT_EQ(inkCount(f, 0xDB), f.width * f.height);             // full block
    EXPECT_EQ(inkCount(f, ' '), 0);
    EXPECT_TRUE(f.present[32]);
    const int dot = inkCount(f, 250);  // middle dot: a few pixels, near the middle
    EXPECT_GE(dot, 1);
    EXPECT_LE(dot, 4);
    EXPECT_TRUE(f.pixel(250, f.width / 2 - 1, f.height / 2 - 1) ||
                f.pixel(250, f.width / 2, f.height / 2 - 1));
    const int shade = inkCount(f, 176);  // light shade: a sparse pattern
    EXPECT_GT(shade, f.width * f.height / 8);
    EXPECT_LT(shade, f.width * f.height / 2);
    EXPECT_GT(inkCount(f, 'A'), 0);
    EXPECT_NE(inkCount(f, 'A'), inkCount(f, 'I'));
}

TEST(BitmapFont, CapitalsStandOnTheBaselineAndDescendersReachTheBoxBottom) {
    for (const auto& c : fonts()) {
        const BitmapFont& f = c.font;
        EXPECT_EQ(firstInkRow(f, 'T'), c.capTop) << c.name;
        EXPECT_EQ(lastInkRow(f, 'T'), c.baseline) << c.name;
        EXPECT_EQ(lastInkRow(f, 'A'), c.baseline) << c.name;
        EXPECT_EQ(lastInkRow(f, 'g'), f.height - 1) << c.name;
        EXPECT_GT(firstInkRow(f, '_'), c.baseline) << c.name;
    }
}

TEST(BitmapFont, PrintableAsciiGlyphsAreInkedAndAllDifferent) {
    for (const auto& c : fonts()) {
        const BitmapFont& f = c.font;
        for (int a = 33; a <= 126; ++a) {
            EXPECT_GT(inkCount(f, static_cast<unsigned char>(a)), 0) << c.name << " " << a;
            for (int b = a + 1; b <= 126; ++b) {
                bool same = true;
                for (int y = 0; y < f.height && same; ++y)
                    same = f.glyphRow(static_cast<unsigned char>(a), y) ==
                           f.glyphRow(static_cast<unsigned char>(b), y);
                EXPECT_FALSE(same) << c.name << " " << a << " and " << b;
            }
        }
    }
}

TEST(BitmapFont, LackedGlyphsAreBlankAndNothingLiesOutsideTheBox) {
    for (const auto& c : fonts()) {
        const BitmapFont& f = c.font;
        for (int ch = 0; ch < 256; ++ch) {
            const bool lacked = !c.has(ch);
            EXPECT_EQ(f.present[ch], !lacked) << c.name << " " << ch;
            for (int y = 0; y < f.height; ++y) {
                EXPECT_EQ(f.rows[ch * f.height + y] & ~f.rowMask() & 0xFFFF, 0)
                    << c.name << " " << ch;
                if (lacked) {
                    EXPECT_EQ(f.glyphRow(static_cast<unsigned char>(ch), y), 0);
                }
            }
        }
    }
}

}  // namespace
}  // namespace mapedit
