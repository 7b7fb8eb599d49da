// The Undo and Redo entries name the step they take back or make again,
// as the Edit menu shows them when it opens.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/editor.h"
#include "model/terrain.h"
#include "platform/headless_shell.h"
#include "resources/command_ids.h"
#include "view/map_view.h"

namespace mapedit {
namespace {

struct NamedSteps : ::testing::Test {
    HeadlessShell shell;
    Editor editor{shell, 3};

    static std::pair<int, int> centre(int x, int y) {
        return {cellLeft(x) + kCellWidth / 2, cellTop(y) + kCellHeight / 2};
    }
    void click(int x, int y) {
        const auto [px, py] = centre(x, y);
        editor.onLeftDown(px, py);
        editor.onLeftUp(px, py);
    }
    void useTool(Tool tool) { editor.onCommand(toolCommand(tool)); }
    // The two entries as the Edit menu shows them once opened.
    std::pair<std::string, std::string> entries() {
        editor.onMenuOpening(*popupsHolding(command::kUndo).popups[0]);
        return {shell.menuText(command::kUndo), shell.menuText(command::kRedo)};
    }
};

TEST_F(NamedSteps, UndoAndRedoNameTheirStep) {
    using Entries = std::pair<std::string, std::string>;
    EXPECT_EQ(entries(), (Entries{"Undo", "Redo"}));
    editor.state().currentKind = kHorizontalWall;
    useTool(Tool::Pen);
    click(10, 5);
    EXPECT_EQ(entries(), (Entries{"Undo Pen", "Redo"}));
    editor.state().currentKind = kCorridor;
    useTool(Tool::Fill);
    click(20, 5);
    EXPECT_EQ(entries(), (Entries{"Undo Fill", "Redo"}));
    editor.onCommand(command::kUndo);
    EXPECT_EQ(entries(), (Entries{"Undo Pen", "Redo Fill"}));
    editor.onCommand(command::kUndo);
    EXPECT_EQ(entries(), (Entries{"Undo", "Redo Pen"}));
    // A command is a step of its own, named after it.
    editor.chooseMenuEntry(command::kFirstAreaCommand);
    EXPECT_EQ(entries(), (Entries{"Undo New area", "Redo"}));
    // A gesture still going on is what Undo takes back.
    useTool(Tool::Rectangle);
    const auto [px, py] = centre(30, 8);
    editor.onLeftDown(px, py);
    EXPECT_EQ(entries(), (Entries{"Undo Rectangle", "Redo"}));
}

// A press and release that change nothing make no step.
TEST_F(NamedSteps, ActionsThatChangeNothingMakeNoStep) {
    useTool(Tool::Pick);
    click(10, 5);
    useTool(Tool::Select);
    click(12, 7);
    editor.onCommand(command::kShowMonster);
    EXPECT_EQ(entries().first, "Undo");
}

}  // namespace
}  // namespace mapedit
