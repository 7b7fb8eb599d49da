#include <string>

#include <gtest/gtest.h>

#include "platform/bitmap_font.h"

namespace mapedit {
namespace {

struct FontCase {
    std::string name;
    const BitmapFont& font;
    int width, height;
};

std::vector<FontCase> fonts() {
    return {{"map", mapFont(), 10, 18}, {"label", labelFont(), 6, 12}};
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

TEST(BitmapFont, SizesMatchTheTerminusFaces) {
    for (const auto& c : fonts()) {
        EXPECT_EQ(c.font.width, c.width) << c.name;
        EXPECT_EQ(c.font.height, c.height) << c.name;
    }
}

TEST(BitmapFont, GlyphsAreIndexedByTheCodePage437Byte) {
    for (const auto& c : fonts()) {
        const BitmapFont& f = c.font;
        EXPECT_TRUE(hasFullRow(f, 0xC4) && !hasFullColumn(f, 0xC4)) << c.name;  // horizontal line
        EXPECT_TRUE(hasFullColumn(f, 0xB3) && !hasFullRow(f, 0xB3)) << c.name;  // vertical line
        EXPECT_TRUE(hasFullRow(f, 0xC5) && hasFullColumn(f, 0xC5)) << c.name;   // cross
        EXPECT_EQ(inkCount(f, 0xDB), f.width * f.height) << c.name;             // full block
        EXPECT_EQ(inkCount(f, ' '), 0) << c.name;
        EXPECT_TRUE(f.present[32]) << c.name;
        const int dot = inkCount(f, 250);  // middle dot: a few pixels, near the middle
        EXPECT_GE(dot, 1) << c.name;
        EXPECT_LE(dot, 4) << c.name;
        EXPECT_TRUE(f.pixel(250, f.width / 2 - 1, f.height / 2 - 1) ||
                    f.pixel(250, f.width / 2, f.height / 2 - 1))
            << c.name;
        const int shade = inkCount(f, 176);  // light shade: a sparse pattern
        EXPECT_GT(shade, f.width * f.height / 8) << c.name;
        EXPECT_LT(shade, f.width * f.height / 2) << c.name;
        EXPECT_GT(inkCount(f, 'A'), 0) << c.name;
        EXPECT_NE(inkCount(f, 'A'), inkCount(f, 'I')) << c.name;
    }
}

TEST(BitmapFont, LackedGlyphsAreBlankAndNothingLiesOutsideTheBox) {
    for (const auto& c : fonts()) {
        const BitmapFont& f = c.font;
        for (int ch = 0; ch < 256; ++ch) {
            const bool lacked = ch == 7 || ch == 14;
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
