// Opening a level for display and refreshing its background, through the
// editor with a headless shell.
#include "app/editor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/terrain.h"
#include "platform/headless_shell.h"
#include "support/cell_probe.h"

namespace mapedit {
namespace {

constexpr int kLavaKind = 13;
constexpr int kTreeKind = 14;

// A 5 x 3 room placed at (3, 3): floor reaches the part's left edge.
const char* const kRoom =
    "MAZE: \"room\", ' '\n"
    "GEOMETRY: left, top\n"
    "MAP\n"
    ".....\n"
    ".....\n"
    ".....\n"
    "ENDMAP\n"
    "REGION: (0,0,4,2), lit, \"ordinary\"\n"
    "REGION: (1,1,1,1), lit, \"zoo\"\n";

class EditorTest : public ::testing::Test {
  protected:
    HeadlessShell shell;
    Editor editor{shell, 42};
};

// Failures to read or write are told as errors, what Save only reports
// as information.
TEST_F(EditorTest, MessagesTellFailuresAsErrors) {
    ASSERT_FALSE(editor.openText("MAZE: \"bad\", ' '\nTRAP: \"nonsense\", (1,1)\n", "bad.des"));
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_EQ(shell.messages[0].caption, "Parse Error");
    EXPECT_EQ(shell.messages[0].kind, MessageKind::Error);
    // No map part: the writer refuses.
    shell.saveAnswers.push_back(ChosenFile{"/nonexistent-folder/x.des", 0});
    editor.onCommand(102);
    ASSERT_EQ(shell.messages.size(), 2u);
    EXPECT_EQ(shell.messages[1].caption, "Save");
    EXPECT_EQ(shell.messages[1].kind, MessageKind::Error);
}

TEST_F(EditorTest, OpeningSettlesSortsTitlesAndRepaints) {
    ASSERT_TRUE(editor.openText(kRoom, "/levels/room.des"));
    EXPECT_EQ(shell.title, "room.des - Morvath Map Construction Helper");
    EXPECT_TRUE(shell.messages.empty());
    EXPECT_GE(shell.invalidations, 1);
    // Innermost area first.
    ASSERT_EQ(editor.level().areas().size(), 3u);
    EXPECT_EQ(editor.level().areas().front()->kind, kZoo);
    // With a blank filling only the parts are settled: the stone left of the
    // room stays stone although it borders floor.
    EXPECT_EQ(editor.level().cell(2, 4).terrain, kStone);
    // The room is painted at full intensity: floor dots in light grey.
    const auto floor = test::readMapCell(editor.canvas(), 6, 3, Rgb{0, 0, 0});
    ASSERT_TRUE(floor.has_value());
    EXPECT_EQ(floor->ch, 250);
    EXPECT_EQ(floor->fg, (Rgb{192, 192, 192}));
}

TEST_F(EditorTest, OpeningPutsInnerAreasBeforeTheAreasAroundThem) {
    // The reader links each area at the head, so without the sort the outer
    // room, read last, would come first and own the cells of the inner one.
    const char* nested =
        "MAZE: \"nested\", ' '\n"
        "GEOMETRY: left, top\n"
        "MAP\n"
        ".......\n"
        ".......\n"
        ".......\n"
        ".......\n"
        "ENDMAP\n"
        "REGION: (2,1,2,1), lit, \"zoo\"\n"
        "REGION: (0,0,4,2), lit, \"ordinary\"\n";
    ASSERT_TRUE(editor.openText(nested, "nested.des"));
    const auto& areas = editor.level().areas();
    ASSERT_EQ(areas.size(), 3u);
    std::vector<int> sizes;
    for (const auto& area : areas) sizes.push_back(area->size());
    EXPECT_EQ(sizes, (std::vector{1, 15, 28}));
    const AreaRecord& zoo = *areas.front();
    EXPECT_EQ(editor.level().areaAt(zoo.x1, zoo.y1), &zoo);
}

TEST_F(EditorTest, AParseErrorIsShownAndThePartlyReadLevelStays) {
    const std::string text = std::string(kRoom) + "TRAP: \"nonsense\", (1,1)\n";
    EXPECT_FALSE(editor.openText(text, "broken.des"));
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_EQ(shell.messages[0].caption, "Parse Error");
    EXPECT_EQ(shell.messages[0].text, "10: Invalid trap name");
    EXPECT_EQ(shell.title, "broken.des - Morvath Map Construction Helper");
    EXPECT_EQ(editor.level().settings.partCount, 1);
    EXPECT_EQ(editor.level().cell(3, 3).terrain, kFloor);
}

TEST_F(EditorTest, AFileThatCannotBeReadChangesNothing) {
    ASSERT_TRUE(editor.openText(kRoom, "room.des"));
    EXPECT_FALSE(editor.openFile("/nonexistent/dir/level.des"));
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_NE(shell.messages[0].text.find("/nonexistent/dir/level.des"), std::string::npos);
    EXPECT_EQ(editor.level().settings.partCount, 1);
    EXPECT_EQ(shell.title, "room.des - Morvath Map Construction Helper");
}

TEST_F(EditorTest, RefreshFillsTheBackgroundAndKeepsTheParts) {
    ASSERT_TRUE(editor.openText(kRoom, "room.des"));
    editor.level().settings.fillMode = kPlainFill;
    editor.level().settings.filling = 'T';
    editor.level().setTerrain(4, 4, kLavaKind);
    const int before = shell.invalidations;
    editor.onCommand(command::kRefreshBackground);
    EXPECT_EQ(editor.level().cell(40, 15).terrain, kTreeKind);
    EXPECT_EQ(editor.level().cell(2, 4).terrain, kTreeKind);
    EXPECT_EQ(editor.level().cell(4, 4).terrain, kLavaKind);
    EXPECT_GT(shell.invalidations, before);
}

TEST_F(EditorTest, RefreshWithABlankFillingSettlesOnlyTheParts) {
    ASSERT_TRUE(editor.openText(kRoom, "room.des"));
    editor.level().settings.fillMode = kPlainFill;
    editor.level().setTerrain(4, 4, kHorizontalWall);
    editor.level().setTerrain(5, 4, kHorizontalWall);
    editor.onCommand(command::kRefreshBackground);
    // Inside the part the wall joins up; the stone beside the part, though
    // it borders floor, is left as the background made it.
    EXPECT_EQ(editor.level().cell(4, 4).glyph, 0xC4);
    EXPECT_EQ(editor.level().cell(2, 4).terrain, kStone);
    EXPECT_EQ(editor.level().cell(2, 4).glyph, ' ');
}

TEST_F(EditorTest, RefreshCarvesTheMazewalks) {
    const char* maze =
        "MAZE: \"maze\", random\n"
        "GEOMETRY: left, top\n"
        "MAP\n"
        "...\n"
        "ENDMAP\n"
        "MAZEWALK: (2,4), south\n";
    ASSERT_TRUE(editor.openText(maze, "maze.des"));
    auto floorOutsideTheRow = [&] {
        int n = 0;
        for (int x = 1; x < kMapWidth; ++x) {
            for (int y = 5; y < kMapHeight; ++y) n += editor.level().cell(x, y).terrain == kFloor;
        }
        return n;
    };
    EXPECT_EQ(floorOutsideTheRow(), 0);
    editor.onCommand(command::kRefreshBackground);
    EXPECT_GT(floorOutsideTheRow(), 20);
}

}  // namespace
}  // namespace mapedit
