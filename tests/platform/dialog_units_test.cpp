// Dialog units as pixels, and the units at which every text fits.
#include <gtest/gtest.h>

#include <vector>

#include "platform/dialog_units.h"

namespace mapedit {
namespace {

TEST(DialogUnits, ConvertEdgesRoundedSoTouchingControlsStillTouch) {
    const DialogBaseUnits units{7, 15};
    struct Case {
        int x, y, w, h;
        PixelRect pixels;
    };
    const std::vector<Case> cases = {
        {0, 0, 163, 43, {0, 0, 285, 81}},  // 163 * 7 / 4 = 285.25, 43 * 15 / 8 = 80.6
        {7, 7, 18, 21, {12, 13, 32, 40}},  // edges 12.25..43.75 and 13.1..52.5
        {119, 22, 37, 14, {208, 41, 65, 27}},
        {1, 1, 1, 1, {2, 2, 2, 2}},  // 1.75 -> 2, 3.5 -> 4; 1.9 -> 2, 3.75 -> 4
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y << " " << c.w << "x" << c.h);
        EXPECT_EQ(dialogRect(units, c.x, c.y, c.w, c.h), c.pixels);
    }
    // Side by side in units, side by side in pixels, where converting the
    // width alone would make them overlap.
    const PixelRect left = dialogRect(units, 2, 0, 1, 1);
    EXPECT_EQ(left.x + left.width, dialogRect(units, 3, 0, 1, 1).x);
}

// The units grow until the widest and the highest text fit, and stay as
// they are when everything fits already.
TEST(DialogUnits, GrowJustEnoughForEveryText) {
    struct Case {
        const char* name;
        std::vector<TextPlace> places;
        DialogBaseUnits expected;
    };
    const DialogBaseUnits base{6, 15};
    const std::vector<Case> cases = {
        {"nothing asked", {}, {6, 15}},
        {"fits already", {{{10, 10, 40, 10}, 60, 15}}, {6, 15}},
        // 30 units at 7 pixels per 4 reach pixel 53 (52.5 rounded), one short.
        {"wider text", {{{0, 0, 30, 10}, 54, 0}}, {8, 15}},
        {"widest of several", {{{0, 0, 40, 8}, 50, 0}, {{0, 0, 20, 8}, 40, 0}}, {8, 15}},
        {"higher text", {{{0, 0, 40, 8}, 0, 17}}, {6, 17}},
        // At 7 pixels per 4 units, units 1 to 3 run from pixel 2 to 5.
        {"edges round", {{{1, 0, 2, 8}, 4, 0}}, {8, 15}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DialogBaseUnits units = unitsToFit(base, c.places);
        EXPECT_EQ(units.x, c.expected.x);
        EXPECT_EQ(units.y, c.expected.y);
    }
}

}  // namespace
}  // namespace mapedit
