// The arithmetic behind the Windows dialogs: the font size at a zoom, the
// level list's selection.
#include <gtest/gtest.h>

#include <vector>

#include "win32/dialog_font.h"
#include "win32/level_list.h"

namespace mapedit {
namespace {

TEST(DialogFont, FollowsTheZoomBeyondWhatTheDpiScalesAlready) {
    struct Case {
        int points, zoom, dpi, expected;
    };
    const Case cases[] = {
        {9, 1, 96, 9},   {9, 2, 96, 18},  {9, 3, 96, 27},  // plain screens grow with the zoom
        {9, 2, 192, 9},  {9, 4, 192, 18},                  // the DPI's own zoom keeps the size
        {9, 1, 192, 9},  {9, 1, 144, 9},                   // never smaller than the template
        {9, 2, 120, 14}, {8, 3, 144, 16},                  // 14.4 and 16 points
        {9, 2, 0, 18},                                     // no DPI known: plain
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.points << "pt zoom " << c.zoom << " dpi " << c.dpi);
        EXPECT_EQ(dialogFontPoints(c.points, c.zoom, c.dpi), c.expected);
    }
}

TEST(LevelList, SettlesOnLevelsThatCanBeEditedOnly) {
    // 0 yes, 1 no, 2 no, 3 yes, 4 no
    const std::vector<LevelChoice> levels = {
        {"a", true}, {"b", false}, {"c", false}, {"d", true}, {"e", false}};
    struct Case {
        const char* name;
        int previous, wanted;
        bool clicked;
        int expected;
    };
    const Case cases[] = {
        {"an editable one is taken", 0, 3, false, 3},
        {"a click on another keeps the selection", 0, 2, true, 0},
        {"down onto one goes on down", 0, 1, false, 3},
        {"up onto one goes on up", 3, 2, false, 0},
        {"end onto one comes back", 0, 4, false, 3},
        {"home onto one goes on", 3, 1, false, 0},
        {"nothing selected before, onward", -1, 1, false, 3},
        {"a click with nothing selected keeps nothing", -1, 4, true, -1},
        {"outside the list keeps the selection", 3, 9, false, 3},
        {"none selected by the list", 3, -1, false, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(settledLevel(levels, c.previous, c.wanted, c.clicked), c.expected);
    }
    EXPECT_EQ(firstEditableLevel(levels), 0);
    const std::vector<LevelChoice> none = {{"x", false}, {"y", false}};
    EXPECT_EQ(firstEditableLevel(none), -1);
    EXPECT_EQ(settledLevel(none, -1, 1, false), -1);
    const std::vector<LevelChoice> later = {{"x", false}, {"y", true}};
    EXPECT_EQ(firstEditableLevel(later), 1);
}

}  // namespace
}  // namespace mapedit
