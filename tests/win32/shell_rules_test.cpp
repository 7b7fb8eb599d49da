// The Windows shell's rules that need no window: the command line, the
// title's mark, the common dialogs' type list, the keys, the zoom.
#include <gtest/gtest.h>

#include <set>

#include "resources/command_ids.h"
#include "resources/menu.h"
#include "resources/toolbar.h"
#include "win32/file_dialogs.h"
#include "win32/keyboard_shortcuts.h"
#include "win32/main_window.h"
#include "win32/map_view.h"
#include "win32/start_arguments.h"
#include "win32/win32_shell.h"

namespace mapedit {
namespace {

TEST(WindowsStartArguments, TakeOptionsAndOneFileOrSayWhatIsWrong) {
    struct Case {
        std::vector<std::string> arguments;
        int exitCode;
        std::string file;     // when started
        int zoom;             // when started
        std::string message;  // part of what is told instead
    };
    const Case cases[] = {
        {{}, 0, "", 0, ""},
        {{"level.des"}, 0, "level.des", 0, ""},
        // Wine hands absolute POSIX paths over as they are.
        {{"/home/d/levels/keep.des", "--zoom", "2"}, 0, "/home/d/levels/keep.des", 2, ""},
        {{"--zoom=3", "--seed", "7", "--variant", "tavrel", "a.des"}, 0, "a.des", 3, ""},
        {{"--help"}, 0, "", 0, "Usage: mapedit"},
        {{"--zoom", "0"}, 2, "", 0, "bad argument '--zoom'"},
        {{"--zoom", "17"}, 2, "", 0, "bad argument '--zoom'"},
        {{"--seed", "-1"}, 2, "", 0, "bad argument '--seed'"},
        {{"--variant", "other"}, 2, "", 0, "unknown variant 'other'"},
        {{"a.des", "b.des"}, 2, "", 0, "bad argument 'b.des'"},
        {{"--colour"}, 2, "", 0, "Usage: mapedit"},
    };
    for (const Case& c : cases) {
        const std::string shown = c.arguments.empty() ? "(none)" : c.arguments.front();
        const StartRequest r = parseStartArguments(c.arguments, 99);
        EXPECT_EQ(r.exitCode, c.exitCode) << shown;
        EXPECT_NE(r.message.find(c.message), std::string::npos) << shown << ": " << r.message;
        if (c.exitCode != 0 || !c.message.empty()) {
            EXPECT_FALSE(r.options) << shown;
            continue;
        }
        ASSERT_TRUE(r.options) << shown;
        EXPECT_EQ(r.options->file, c.file) << shown;
        EXPECT_EQ(r.options->zoom, c.zoom) << shown;
    }
    const StartRequest seeded = parseStartArguments({"--seed", "7", "--variant", "tavrel"}, 99);
    ASSERT_TRUE(seeded.options);
    EXPECT_EQ(seeded.options->seed, 7u);
    EXPECT_EQ(seeded.options->variant, Variant::Tavrel);
    EXPECT_EQ(parseStartArguments({}, 99).options->seed, 99u);
}

TEST(WindowsTitle, MarksUnsavedChangesAfterTheFileName) {
    EXPECT_EQ(markedTitle("keep.des - Helper", false), "keep.des - Helper");
    EXPECT_EQ(markedTitle("keep.des - Helper", true), "keep.des* - Helper");
    EXPECT_EQ(markedTitle("a - b.des - Helper", true), "a - b.des* - Helper");
    EXPECT_EQ(markedTitle("Helper", true), "Helper*");
}

TEST(WindowsFileDialogs, ListEachTypeAsNameAndPattern) {
    FileDialogRequest request;
    request.filters = {{"text(*.txt)", "*.txt"}, {"Levels", "*.des"}};
    const std::wstring expected(L"text(*.txt)\0*.txt\0Levels (*.des)\0*.des\0\0", 40);
    EXPECT_EQ(filterList(request), expected);
}

TEST(WindowsKeys, DeliverTheAcceleratorsTheDesktopKeysAndTheToolDigits) {
    const KeyboardShortcuts keys;
    auto actionOf = [&](BYTE modifiers, WORD key) -> std::optional<ShortcutAction> {
        for (const ACCEL& a : keys.keys()) {
            if (a.key == key && a.fVirt == (FVIRTKEY | modifiers)) return keys.action(a.cmd);
        }
        return std::nullopt;
    };
    for (const Accelerator& a : accelerators()) {
        const auto action = actionOf(FCONTROL, static_cast<WORD>(a.letter));
        ASSERT_TRUE(action) << a.letter;
        EXPECT_EQ(action->command, a.id) << a.letter;
        EXPECT_FALSE(action->toolButton) << a.letter;
    }
    EXPECT_EQ(actionOf(FCONTROL | FSHIFT, 'Z')->command, command::kRedo);
    EXPECT_EQ(actionOf(FCONTROL | FSHIFT, 'S')->command, command::kSaveAs);
    EXPECT_EQ(actionOf(FCONTROL, 'Q')->command, command::kQuit);
    WORD digit = '1';
    for (const ToolButton& b : toolbarButtons()) {
        const auto action = actionOf(0, digit++);
        ASSERT_TRUE(action);
        EXPECT_EQ(action->command, b.id);
        EXPECT_TRUE(action->toolButton);
    }
    // Each key once, and no key's id is a command's own.
    std::set<std::pair<int, int>> seen;
    for (const ACCEL& a : keys.keys()) {
        EXPECT_TRUE(seen.insert({a.fVirt, a.key}).second) << a.key;
        EXPECT_FALSE(popupsHolding(a.cmd).depth > 0) << a.cmd;
        EXPECT_FALSE(toolOfCommand(a.cmd)) << a.cmd;
    }
    EXPECT_FALSE(keys.action(command::kUndo));
    EXPECT_NE(keys.table(), nullptr);
}

TEST(WindowsZoom, IsTheMonitorsScaleAsLargeAsFits) {
    struct Case {
        unsigned dpi;
        SIZE available;
        int zoom;
    };
    const SIZE chrome = {16, 120};
    const Case cases[] = {
        {96, {1920, 1080}, 1},  {144, {1920, 1080}, 2}, {192, {3840, 2160}, 2},
        {288, {3840, 2160}, 3}, {288, {1920, 1080}, 2}, {288, {1600, 900}, 1},
        {192, {1600, 1020}, 1}, {192, {1636, 1020}, 2}, {60, {800, 600}, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(zoomThatFits(c.dpi, c.available, chrome), c.zoom)
            << c.dpi << " " << c.available.cx << "x" << c.available.cy;
    }
}

TEST(WindowsMapView, PointsLeftOrAboveTheAreaAreOutsideIt) {
    struct Case {
        int x, y, zoom, px, py;
    };
    const Case cases[] = {{0, 0, 1, 0, 0},
                          {5, 7, 2, 2, 3},
                          {-1, 0, 2, -1, 0},
                          {0, -3, 3, 0, -1},
                          {809, 449, 1, 809, 449}};
    for (const Case& c : cases) {
        const POINT p = framebufferPixel(c.x, c.y, c.zoom);
        EXPECT_EQ(p.x, c.px) << c.x;
        EXPECT_EQ(p.y, c.py) << c.y;
    }
}

}  // namespace
}  // namespace mapedit
