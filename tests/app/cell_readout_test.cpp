// The status line's words for a cell: where the file puts it, its terrain
// and what stands on it.
#include "app/cell_readout.h"

#include <fmt/format.h>
#include <gtest/gtest.h>

#include "app/editor.h"
#include "platform/headless_shell.h"

namespace mapedit {
namespace {

// Two parts, at the top left and in the middle.
const char* const kTwoParts =
    "MAZE: \"two\", ' '\n"
    "GEOMETRY: left, top\n"
    "MAP\n"
    "......\n"
    "......\n"
    "ENDMAP\n"
    "MONSTER: 'd', \"jackal\", (1,1)\n"
    "MONSTER: 'Z', random, (2,1)\n"
    "OBJECT: ')', \"dagger\", (2,1)\n"
    "TRAP: \"arrow\", (0,0)\n"
    "GEOMETRY: center, center\n"
    "MAP\n"
    "---\n"
    "|.|\n"
    "---\n"
    "ENDMAP\n";

TEST(CellReadout, SaysWhereTheFilePutsACellAndWhatStandsOnIt) {
    HeadlessShell shell;
    Editor editor{shell, 42};
    ASSERT_TRUE(editor.openText(kTwoParts, "two.des")) << shell.messages.front().text;
    const std::span<const MapPart> parts = editor.level().usedParts();
    ASSERT_EQ(parts.size(), 2u);
    const MapPart& first = parts[0];
    const MapPart& second = parts[1];
    struct Case {
        const char* name;
        int x, y;
        std::string readout;
    };
    const Case cases[] = {
        {"a placed monster", first.x1 + 1, first.y1 + 1,
         fmt::format("{}, {} in map part 1 at (1,1) | floor | monster \"jackal\"", first.x1 + 1,
                     first.y1 + 1)},
        {"a monster of a class and an object", first.x1 + 2, first.y1 + 1,
         fmt::format("{}, {} in map part 1 at (2,1) | floor | monster 'Z' | object "
                     "\"dagger\"",
                     first.x1 + 2, first.y1 + 1)},
        {"a trap", first.x1, first.y1,
         fmt::format("{}, {} in map part 1 at (0,0) | floor | trap \"arrow\"", first.x1, first.y1)},
        {"the second part", second.x1 + 1, second.y1 + 1,
         fmt::format("{}, {} in map part 2 at (1,1) | floor", second.x1 + 1, second.y1 + 1)},
        {"outside every part", 79, 20, "79, 20 outside every map part | stone"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cellReadout(editor.level(), c.x, c.y), c.readout) << c.name;
    }
}

}  // namespace
}  // namespace mapedit
