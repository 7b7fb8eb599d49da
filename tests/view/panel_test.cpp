#include <string>

#include "model/terrain.h"
#include "view/panel.h"
#include "view_fixture.h"

namespace mapedit::testing {
namespace {

class PanelTest : public ViewTest {
  protected:
    void SetUp() override { fillCanvas(kUntouched); }

    std::string textAt(int px, int py, int count) const {
        std::string text;
        for (int i = 0; i < count; ++i) text += static_cast<char>(lookAtPixel(px + 10 * i, py).ch);
        return text;
    }
};

TEST_F(PanelTest, TerrainRowShowsKindsOneToTwentyOne) {
    state.variant = Variant::Tavrel;
    drawPalettePanel(view);
    for (int k = 1; k <= 21; ++k) {
        const TerrainKind& kind = terrainKinds[static_cast<std::size_t>(k)];
        const Rgb bg = k == 1 ? colorTable[16] : colorTable[0];  // stone is current
        EXPECT_TRUE(showsAt(10 * (k + 9), 414, {kind.glyph, colorOf(kind.color), bg})) << k;
    }
    EXPECT_EQ(canvas.pixel(99, 414), kUntouched);
    EXPECT_EQ(canvas.pixel(310, 414), kUntouched);
}

TEST_F(PanelTest, PlacementRowFollowsTheTemplates) {
    templates.monsterTemplate.symbol = 'D';
    templates.monsterTemplate.color = 1;
    templates.objectTemplate.symbol = 0x100 + '[';  // only the low byte is a character
    templates.objectTemplate.color = 6;
    templates.trapTemplate.color = 13;
    state.currentKind = kTrapKind;
    drawPalettePanel(view);
    EXPECT_EQ(lookAtPixel(100, 396), (CellLook{'D', colorTable[1], colorTable[0]}));
    EXPECT_EQ(lookAtPixel(110, 396), (CellLook{'[', colorTable[6], colorTable[0]}));
    EXPECT_EQ(lookAtPixel(120, 396), (CellLook{'^', colorTable[13], colorTable[16]}));
    for (int k = 25; k <= 35; ++k) {
        const TerrainKind& kind = terrainKinds[static_cast<std::size_t>(k)];
        EXPECT_TRUE(showsAt(10 * (k - 12), 396, {kind.glyph, colorOf(kind.color), colorTable[0]}))
            << k;
    }
    EXPECT_EQ(canvas.pixel(240, 396), kUntouched);
}

TEST_F(PanelTest, VariantOnlyKindsAreBlankOutsideTavrel) {
    struct Case {
        Variant variant;
        int current;
    };
    const Case cases[] = {{Variant::Vanilla, 12}, {Variant::Orvandel, 15}, {Variant::Vanilla, 20}};
    for (const Case& c : cases) {
        state.variant = c.variant;
        state.currentKind = c.current;
        drawPalettePanel(view);
        for (int k : {12, 15, 20}) {
            const CellLook look = lookAtPixel(10 * (k + 9), 414);
            EXPECT_EQ(look.ch, ' ') << k;
            EXPECT_EQ(look.bg, k == c.current ? colorTable[16] : colorTable[0]) << k;
        }
        EXPECT_EQ(lookAtPixel(10 * (11 + 9), 414).ch, terrainKinds[11].glyph);
    }
}

// A click anywhere in an entry's box picks the kind drawn there; a blank
// variant-only entry, the gaps and the rows' ends pick nothing.
TEST_F(PanelTest, PaletteHitsTheEntryUnderThePixel) {
    struct Case {
        Variant variant;
        int px, py;
        int kind;
    };
    const Case cases[] = {
        {Variant::Vanilla, 100, 414, 1},  {Variant::Vanilla, 109, 431, 1},
        {Variant::Vanilla, 99, 414, 0},   {Variant::Vanilla, 300, 420, 21},
        {Variant::Vanilla, 310, 420, 0},  {Variant::Vanilla, 100, 413, 22},
        {Variant::Vanilla, 100, 432, 0},  {Variant::Vanilla, 210, 414, 0},
        {Variant::Tavrel, 210, 414, 12},  {Variant::Orvandel, 240, 420, 0},
        {Variant::Tavrel, 240, 420, 15},  {Variant::Vanilla, 200, 420, 11},
        {Variant::Vanilla, 100, 396, 22}, {Variant::Vanilla, 129, 413, 24},
        {Variant::Vanilla, 239, 400, 35}, {Variant::Vanilla, 240, 400, 0},
        {Variant::Vanilla, 99, 400, 0},   {Variant::Vanilla, 100, 395, 0},
        {Variant::Vanilla, -5, 414, 0},   {Variant::Vanilla, 150, 200, 0},
    };
    for (const Case& c : cases) {
        state.variant = c.variant;
        EXPECT_EQ(paletteKindAt(state, c.px, c.py), c.kind) << c.px << ", " << c.py;
    }
}

TEST_F(PanelTest, NameOfTheCurrentKindIsPaddedToTwentyTwoCharacters) {
    state.currentKind = kHorizontalWall;
    drawPalettePanel(view);
    EXPECT_EQ(textAt(100, 432, 22), "horizontal wall       ");
    EXPECT_EQ(lookAtPixel(100, 432).fg, colorTable[7]);
    EXPECT_EQ(canvas.pixel(320, 432), kUntouched);

    state.currentKind = kFloor;
    drawPalettePanel(view);
    EXPECT_EQ(textAt(100, 432, 22), "floor                 ");
}

TEST_F(PanelTest, ReadoutShowsTwoPlaceCoordinates) {
    drawCoordinates(view, 7, 3);
    EXPECT_EQ(textAt(0, 414, 5), "X:  7");
    EXPECT_EQ(textAt(0, 432, 5), "Y:  3");
    EXPECT_EQ(lookAtPixel(40, 414).fg, colorTable[7]);
    EXPECT_EQ(canvas.pixel(50, 414), kUntouched);

    drawCoordinates(view, 79, 20);
    EXPECT_EQ(textAt(0, 414, 5), "X: 79");
    EXPECT_EQ(textAt(0, 432, 5), "Y: 20");
}

}  // namespace
}  // namespace mapedit::testing
