#include <array>

#include "model/area_style.h"
#include "platform/bitmap_font.h"
#include "view/overlays.h"
#include "view_fixture.h"

namespace mapedit::testing {
namespace {

class OverlayTest : public ViewTest {
  protected:
    AreaRecord& addArea(int x1, int y1, int x2, int y2, int kind, int param = 0) {
        AreaRecord* area = level.newArea(x1, y1, x2, y2);
        area->kind = kind;
        area->param = param;
        styleArea(*area);
        return *area;
    }
    AreaRecord& addPlainArea(int x1, int y1, int x2, int y2, int color) {
        AreaRecord& area = addArea(x1, y1, x2, y2, kNonDiggableArea);
        area.color = color;
        return area;
    }
    bool squareIs(int cx, int cy, Rgb c) const {
        for (int y = cy - 3; y <= cy + 3; ++y) {
            for (int x = cx - 3; x <= cx + 3; ++x) {
                if (canvas.pixel(x, y) != c) return false;
            }
        }
        return true;
    }
    // Colour-c pixels strictly inside the outline, below the label row.
    int pixelsBelowLabel(const AreaRecord& area, Rgb c) const {
        const AreaPixels p = areaPixels(area);
        int n = 0;
        for (int y = cellTop(area.y1) + kCellHeight; y < p.bottom; ++y) {
            for (int x = p.left + 1; x < p.right; ++x) n += canvas.pixel(x, y) == c;
        }
        return n;
    }
};

TEST_F(OverlayTest, OneCellAreaHasItsOutlineOnePixelOutsideTheCell) {
    fillCanvas(kUntouched);
    const AreaRecord& area = addPlainArea(10, 5, 10, 5, 9);
    const AreaPixels p = areaPixels(area);
    EXPECT_EQ(p.left, 99);
    EXPECT_EQ(p.top, 98);
    EXPECT_EQ(p.right, 110);
    EXPECT_EQ(p.bottom, 117);

    drawAreaOutline(view, area);
    const Rgb red = colorTable[9];
    for (int x = 99; x <= 110; ++x) {
        EXPECT_EQ(canvas.pixel(x, 98), red) << x;
        EXPECT_EQ(canvas.pixel(x, 117), red) << x;
        EXPECT_EQ(canvas.pixel(x, 97), kUntouched) << x;
        EXPECT_EQ(canvas.pixel(x, 118), kUntouched) << x;
    }
    for (int y = 98; y <= 117; ++y) {
        EXPECT_EQ(canvas.pixel(99, y), red) << y;
        EXPECT_EQ(canvas.pixel(110, y), red) << y;
        EXPECT_EQ(canvas.pixel(98, y), kUntouched) << y;
        EXPECT_EQ(canvas.pixel(111, y), kUntouched) << y;
    }
    // The character box itself stays free.
    EXPECT_EQ(canvas.pixel(100, 99), kUntouched);
    EXPECT_EQ(canvas.pixel(109, 116), kUntouched);
}

TEST_F(OverlayTest, HandlesAreSevenPixelSquaresOnCornersAndEdgeMidpoints) {
    struct Case {
        int x1, y1, x2, y2;
        std::array<int, 3> columns, rows;
    };
    const Case cases[] = {
        {10, 5, 10, 5, {99, 104, 110}, {98, 107, 117}},
        {10, 5, 13, 8, {99, 119, 140}, {98, 134, 171}},
    };
    for (const Case& c : cases) {
        fillCanvas(kUntouched);
        level.freeAreas();
        const AreaRecord& area = addPlainArea(c.x1, c.y1, c.x2, c.y2, 13);
        drawAreaWithHandles(view, area);
        const Rgb magenta = colorTable[13];
        for (int r = 0; r < 3; ++r) {
            for (int col = 0; col < 3; ++col) {
                const int px = c.columns[static_cast<std::size_t>(col)];
                const int py = c.rows[static_cast<std::size_t>(r)];
                if (r == 1 && col == 1) {
                    EXPECT_EQ(canvas.pixel(px, py), kUntouched) << "no centre handle";
                    continue;
                }
                EXPECT_TRUE(squareIs(px, py, magenta)) << px << "," << py;
                // One pixel beyond the square, away from the outline.
                EXPECT_NE(canvas.pixel(px - 4, py - 4), magenta) << px << "," << py;
                EXPECT_NE(canvas.pixel(px + 4, py + 4), magenta) << px << "," << py;
            }
        }
    }
}

TEST_F(OverlayTest, OnlyExclusionAreasAreCrossed) {
    struct Case {
        const char* what;
        int kind;
        bool crossed;
    };
    const Case cases[] = {
        {"portal exclusion", kPortalExclusion, true},
        {"branch exclusion", kBranchExclusion, true},
        {"teleport exclusion", kTeleportExclusion, true},
        {"stair exclusion", kStairExclusion, true},
        {"teleport area", kTeleportArea, false},
        {"stair area", kStairArea, false},
        {"portal area", kPortalArea, false},
        {"non-diggable area", kNonDiggableArea, false},
        {"room", kVault, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fillCanvas(kUntouched);
        level.freeAreas();
        const AreaRecord& area = addArea(10, 5, 20, 12, c.kind);
        drawAreaOutline(view, area);
        const int inside = pixelsBelowLabel(area, colorOf(area.color));
        if (c.crossed) {
            const AreaPixels p = areaPixels(area);
            // Both diagonals start at a corner of the outline.
            EXPECT_EQ(canvas.pixel(p.left + 1, p.top + 1), colorOf(area.color));
            EXPECT_EQ(canvas.pixel(p.right - 1, p.top + 1), colorOf(area.color));
            EXPECT_GT(inside, 100);
        } else {
            EXPECT_EQ(inside, 0);
        }
    }
}

TEST_F(OverlayTest, LabelIsAnEightRowBoxBlackOnTheAreaColour) {
    fillCanvas(kUntouched);
    const AreaRecord& area = addArea(10, 5, 20, 12, kTemple);
    ASSERT_EQ(area.label.view(), "TEMPLE");
    drawAreaOutline(view, area);

    // The box starts at the first cell's character box, (10 x1, 18 y1 + 9),
    // and is 8 pixels per character wide and 8 rows high.
    constexpr int kLeft = 100, kTop = 99, kCharWidth = 8, kRows = 8;
    const int boxRight = kLeft + 6 * kCharWidth;
    const BitmapFont& font = labelFont();
    const Rgb areaColor = colorOf(area.color);
    const std::string_view label = area.label.view();
    int ink = 0;
    for (std::size_t i = 0; i < label.size(); ++i) {
        const auto ch = static_cast<unsigned char>(label[i]);
        for (int row = 0; row < kRows; ++row) {
            for (int col = 0; col < kCharWidth; ++col) {
                const int px = kLeft + static_cast<int>(i) * kCharWidth + col;
                const Rgb want = font.pixel(ch, col, row) ? colorTable[0] : areaColor;
                ASSERT_EQ(canvas.pixel(px, kTop + row), want) << i << ":" << col << "," << row;
                ink += want == colorTable[0];
            }
        }
    }
    EXPECT_GT(ink, 6 * 4) << "the glyphs have ink";
    // Nothing right of the last glyph or on the row below the box.
    for (int y = kTop; y < kTop + kRows; ++y) EXPECT_EQ(canvas.pixel(boxRight, y), kUntouched) << y;
    for (int x = kLeft; x <= boxRight; ++x)
        EXPECT_EQ(canvas.pixel(x, kTop + kRows), kUntouched) << x;
}

// Teleport areas are labelled with code page 437 arrows: the first glyph
// of each label, as drawn, is an arrow pointing the way the area sends.
TEST_F(OverlayTest, TeleportLabelsAreArrowsOfTheirDirection) {
    struct Case {
        const char* name;
        int param;
        unsigned char byte;
        bool headAbove, headBelow;  // where the rows wider than the shaft are
    };
    const Case cases[] = {{"up", 0, 24, true, false},
                          {"down", 1, 25, false, true},
                          {"up and down", 2, 18, true, true}};
    constexpr int kRows = 8, kCharWidth = 8;
    std::vector<std::array<bool, kRows * kCharWidth>> seen;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fillCanvas(kUntouched);
        level.freeAreas();
        const AreaRecord& area = addArea(10, 5, 20, 12, kTeleportArea, c.param);
        ASSERT_EQ(static_cast<unsigned char>(area.label.view().front()), c.byte);
        drawAreaOutline(view, area);
        constexpr int kLeft = 100, kTop = 99;
        std::array<bool, kRows * kCharWidth> ink{};
        bool above = false, below = false;
        for (int row = 0; row < kRows; ++row) {
            int wide = 0;
            for (int col = 0; col < kCharWidth; ++col) {
                const bool on = canvas.pixel(kLeft + col, kTop + row) == colorTable[0];
                EXPECT_EQ(on, labelFont().pixel(c.byte, col, row)) << col << "," << row;
                ink[static_cast<std::size_t>(row * kCharWidth + col)] = on;
                wide += on;
            }
            if (wide > 1) (row < kRows / 2 ? above : below) = true;
        }
        EXPECT_EQ(above, c.headAbove);
        EXPECT_EQ(below, c.headBelow);
        for (const auto& other : seen) EXPECT_NE(ink, other);
        seen.push_back(ink);
    }
}

TEST_F(OverlayTest, XorOutlineDrawnTwiceRestoresEveryPixel) {
    addArea(10, 5, 20, 12, kTemple);
    addMapPart(5, 3, 40, 15);
    paintClientArea(view);
    const std::vector<std::uint32_t> before = canvas.pixels();

    const std::array<int, 4> rects[] = {
        {10, 5, 10, 5},
        {1, 0, 79, 20},  // on the frame and the map's edges
        {12, 6, 30, 9},
    };
    for (const auto& r : rects) {
        AreaRecord a;
        a.x1 = r[0];
        a.y1 = r[1];
        a.x2 = r[2];
        a.y2 = r[3];
        xorOutline(view, a);
        const AreaPixels p = areaPixels(a);
        EXPECT_NE(canvas.pixels(), before);
        EXPECT_NE(canvas.pixel(p.left, p.top), unpackRgb(before[p.top * 810 + p.left]));
        xorOutline(view, a);
        EXPECT_EQ(canvas.pixels(), before);
    }
}

TEST_F(OverlayTest, NestedAreasAreDrawnLargestFirst) {
    fillCanvas(kUntouched);
    // Both share the top-left corner, so the shared pixels show the later one.
    addPlainArea(10, 5, 30, 15, 9);
    addPlainArea(10, 5, 12, 6, 11);
    level.sortAreasAscending();
    drawAreas(view);
    EXPECT_EQ(canvas.pixel(99, 98), colorTable[11]);
    EXPECT_EQ(canvas.pixel(105, 98), colorTable[11]);
    EXPECT_EQ(canvas.pixel(200, 98), colorTable[9]);

    level.sortAreasDescending();
    drawAreas(view);
    EXPECT_EQ(canvas.pixel(99, 98), colorTable[9]);
}

TEST_F(OverlayTest, OnlyTheFirstSixtyFourAreasOfTheListAreDrawn) {
    fillCanvas(kUntouched);
    // newArea links at the head, so the first created ends last in the list.
    for (int i = 0; i < kMaxDrawnAreas + 1; ++i)
        addPlainArea(2 + i, 2 + (i % 2) * 10, 2 + i, 2 + (i % 2) * 10, 9);
    const auto& list = level.areas();
    const AreaPixels last = areaPixels(*list.back());
    const AreaPixels kept = areaPixels(*list[kMaxDrawnAreas - 1]);
    const AreaPixels head = areaPixels(*list.front());
    drawAreas(view);
    EXPECT_EQ(canvas.pixel(kept.left, kept.bottom), colorTable[9]);
    EXPECT_EQ(canvas.pixel(head.left, head.bottom), colorTable[9]);
    // The 65th area's left line is nobody else's.
    EXPECT_EQ(canvas.pixel(last.left, last.bottom), kUntouched);
}

TEST_F(OverlayTest, SelectedAreaHasHandlesAndIsHiddenWhileDragged) {
    AreaRecord& selected = addPlainArea(10, 5, 20, 12, 14);
    addPlainArea(40, 5, 50, 12, 10);
    state.selectArea(&selected);
    const AreaPixels p = areaPixels(selected);

    for (bool dragging : {false, true}) {
        fillCanvas(kUntouched);
        state.areaDragActive = dragging;
        drawAreas(view);
        EXPECT_EQ(squareIs(p.left, p.top, colorTable[14]), !dragging);
        EXPECT_EQ(canvas.pixel(p.left + 5, p.top) == colorTable[14], !dragging);
        EXPECT_EQ(canvas.pixel(cellLeft(40) - 1, cellTop(5) - 1), colorTable[10]) << dragging;
    }
}

TEST_F(OverlayTest, FullRedrawShowsAreasOnlyWhenRegionsAreShown) {
    addPlainArea(10, 5, 20, 12, 14);
    for (bool shown : {true, false}) {
        state.showRegions = shown;
        redrawMapArea(view);
        EXPECT_EQ(canvas.pixel(99, 98) == colorTable[14], shown);
    }
}

}  // namespace
}  // namespace mapedit::testing
