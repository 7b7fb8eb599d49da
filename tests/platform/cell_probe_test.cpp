#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "platform/canvas.h"
#include "support/cell_probe.h"

namespace mapedit {
namespace {

using test::Cell;

constexpr Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255}, kGrey{170, 170, 170}, kYellow{255, 255, 85},
    kBlue{0, 0, 170}, kRed{200, 10, 10};

void draw(Canvas& canvas, int x, int y, const BitmapFont& font, const Cell& c) {
    const char ch = static_cast<char>(c.ch);
    canvas.drawText(x, y, std::string_view(&ch, 1), font, c.fg, c.bg);
}

TEST(CellProbe, ReadsBackWhatWasDrawn) {
    struct Case {
        const BitmapFont& font;
        Cell cell;
    };
    const Case cases[] = {
        {mapFont(), {'A', kWhite, kBlack}}, {mapFont(), {0xC4, kYellow, kBlue}},
        {mapFont(), {250, kGrey, kBlack}},  {mapFont(), {176, kBlack, kGrey}},
        {mapFont(), {'@', kRed, kWhite}},   {labelFont(), {'S', kBlack, kYellow}},
        {labelFont(), {'#', kWhite, kRed}}, {labelFont(), {'z', kBlue, kBlack}},
    };
    for (const auto& c : cases) {
        Canvas canvas(40, 40);
        canvas.fillRect(0, 0, 40, 40, Rgb{1, 2, 3});
        draw(canvas, 7, 5, c.font, c.cell);
        EXPECT_EQ(test::readCell(canvas, 7, 5, c.font), c.cell)
            << test::boxPicture(canvas, 7, 5, c.font);
        EXPECT_TRUE(test::boxShows(canvas, 7, 5, c.font, c.cell));
        EXPECT_FALSE(test::readCell(canvas, 6, 5, c.font)) << "a box off by one pixel";
    }
}

TEST(CellProbe, BlankBoxReadsAsSpaceWithForegroundEqualToBackground) {
    for (int blank : {32, 255, 7}) {
        Canvas canvas(20, 20);
        draw(canvas, 0, 0, mapFont(), {static_cast<unsigned char>(blank), kRed, kBlue});
        EXPECT_EQ(test::readCell(canvas, 0, 0, mapFont()), (Cell{' ', kBlue, kBlue})) << blank;
    }
}

TEST(CellProbe, InversePairsFollowTheBackgroundHint) {
    Canvas canvas(20, 20);
    draw(canvas, 0, 0, mapFont(), {10, kGrey, kBlack});  // inverse circle
    const auto all = test::cellMatches(canvas, 0, 0, mapFont());
    EXPECT_NE(std::find(all.begin(), all.end(), Cell{9, kBlack, kGrey}), all.end());
    EXPECT_NE(std::find(all.begin(), all.end(), Cell{10, kGrey, kBlack}), all.end());
    EXPECT_EQ(test::readCell(canvas, 0, 0, mapFont()), (Cell{9, kBlack, kGrey}));
    EXPECT_EQ(test::readCell(canvas, 0, 0, mapFont(), kBlack), (Cell{10, kGrey, kBlack}));
}

TEST(CellProbe, RefusesBoxesThatAreNoGlyph) {
    Canvas canvas(30, 30);
    draw(canvas, 0, 0, mapFont(), {'A', kWhite, kBlack});
    canvas.setPixel(9, 17, kRed);  // a third colour
    EXPECT_FALSE(test::readCell(canvas, 0, 0, mapFont()));
    canvas.setPixel(9, 17, kWhite);  // a stray foreground pixel
    EXPECT_FALSE(test::readCell(canvas, 0, 0, mapFont()));
    EXPECT_FALSE(test::readCell(canvas, 21, 0, mapFont())) << "box partly off the canvas";
    EXPECT_FALSE(test::readCell(canvas, -1, 0, mapFont()));
}

TEST(CellProbe, MapCellsSitInTheGridOfTheMapFont) {
    Canvas canvas;
    canvas.drawText(10 * 79, 18 * 20 + 9, "\xB3", mapFont(), kWhite, kBlack);
    canvas.drawText(10 * 4, 18 * 0 + 9, "#", mapFont(), kYellow, kBlue);
    EXPECT_EQ(test::readMapCell(canvas, 79, 20), (Cell{0xB3, kWhite, kBlack}));
    EXPECT_EQ(test::readMapCell(canvas, 4, 0), (Cell{'#', kYellow, kBlue}));
    EXPECT_TRUE(test::mapCellShows(canvas, 4, 0, Cell{'#', kYellow, kBlue}));
    EXPECT_FALSE(test::mapCellShows(canvas, 4, 0, Cell{'#', kWhite, kBlue}));
}

}  // namespace
}  // namespace mapedit
