// The Windows main window with the real editor behind it, driven by the
// messages Windows would send: menus greyed as they open, keys that follow
// the history rather than the greying of the last opened menu, tool
// buttons, the title's mark and what the map area shows.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <memory>

#include "resources/command_ids.h"
#include "win32/main_window.h"
#include "win32/wide_text.h"

namespace mapedit {
namespace {

using namespace command;

std::unique_ptr<MainWindow> startWindow() {
    StartOptions options;
    options.seed = 7;
    auto window = std::make_unique<MainWindow>(options, 1);
    if (!IsWindow(window->window())) return nullptr;
    return window;
}

#define START_WINDOW(name)     \
    auto name = startWindow(); \
    if (!name) GTEST_SKIP() << "no window can be made here (no display)";

int keyFor(const MainWindow& window, BYTE modifiers, WORD key) {
    for (const ACCEL& a : window.shortcuts().keys()) {
        if (a.key == key && a.fVirt == (FVIRTKEY | modifiers)) return a.cmd;
    }
    return 0;
}

void pressKey(MainWindow& window, BYTE modifiers, WORD key) {
    SendMessageW(window.window(), WM_COMMAND, MAKEWPARAM(keyFor(window, modifiers, key), 1), 0);
}

void clickMenu(MainWindow& window, int id) {
    SendMessageW(window.window(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

// Opens the popup of the bar at `index` as Windows does before showing it.
void openPopup(MainWindow& window, int index) {
    HMENU popup = GetSubMenu(GetMenu(window.window()), index);
    SendMessageW(window.window(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), index);
}

bool isGreyed(MainWindow& window, int id) {
    return (GetMenuState(GetMenu(window.window()), static_cast<UINT>(id), MF_BYCOMMAND) &
            MF_GRAYED) != 0;
}

std::wstring titleOf(MainWindow& window) {
    wchar_t text[256] = {};
    GetWindowTextW(window.window(), text, 256);
    return text;
}

// A pen click of corridor on cell (40, 10).
void paintCorridor(MainWindow& window) {
    window.leftDown(155, 420);
    window.leftUp(155, 420);
    window.mouseMove(405, 198, false);
    window.leftDown(405, 198);
    window.leftUp(405, 198);
}

int terrainAt(MainWindow& window) {
    return window.editor().level().cell(40, 10).terrain;
}

TEST(WindowsMainWindow, UndoKeysFollowTheHistoryNotTheLastOpenedMenu) {
    START_WINDOW(window);
    const int before = terrainAt(*window);
    openPopup(*window, 1);  // Edit
    EXPECT_TRUE(isGreyed(*window, kUndo));
    EXPECT_TRUE(isGreyed(*window, kRedo));
    paintCorridor(*window);
    ASSERT_NE(terrainAt(*window), before);
    EXPECT_EQ(titleOf(*window), L"Morvath Map Construction Helper*");
    pressKey(*window, FCONTROL, 'Z');
    EXPECT_EQ(terrainAt(*window), before);
    EXPECT_EQ(titleOf(*window), L"Morvath Map Construction Helper");
    pressKey(*window, FCONTROL | FSHIFT, 'Z');
    EXPECT_NE(terrainAt(*window), before);
    // Nothing left to redo: the entry is greyed as the key is pressed.
    pressKey(*window, FCONTROL, 'Y');
    EXPECT_TRUE(isGreyed(*window, kRedo));
}

TEST(WindowsMainWindow, ToolButtonsDigitsAndMenuMarksFollowTheEditor) {
    START_WINDOW(window);
    HWND toolBar = FindWindowExW(window->window(), nullptr, TOOLBARCLASSNAMEW, nullptr);
    ASSERT_NE(toolBar, nullptr);
    auto isDown = [&](int id) { return SendMessageW(toolBar, TB_ISBUTTONCHECKED, id, 0) != 0; };
    const int select = kFirstTool, fill = kFirstTool + 4;
    pressKey(*window, 0, '5');
    EXPECT_TRUE(isDown(fill));
    EXPECT_FALSE(isDown(select));
    EXPECT_EQ(window->editor().state().currentTool, Tool::Fill);
    // A click on a button, as the user makes it.
    RECT button;
    SendMessageW(toolBar, TB_GETRECT, select, reinterpret_cast<LPARAM>(&button));
    const LPARAM middle =
        MAKELPARAM((button.left + button.right) / 2, (button.top + button.bottom) / 2);
    SendMessageW(toolBar, WM_LBUTTONDOWN, MK_LBUTTON, middle);
    SendMessageW(toolBar, WM_LBUTTONUP, 0, middle);
    EXPECT_EQ(window->editor().state().currentTool, Tool::Select);
    EXPECT_TRUE(isDown(select));
    EXPECT_FALSE(isDown(fill));
    // View > Show region toggles its check mark.
    const UINT shown = GetMenuState(GetMenu(window->window()), kShowRegion, MF_BYCOMMAND);
    clickMenu(*window, kShowRegion);
    const UINT toggled = GetMenuState(GetMenu(window->window()), kShowRegion, MF_BYCOMMAND);
    EXPECT_NE(shown & MF_CHECKED, toggled & MF_CHECKED);
}

TEST(WindowsMainWindow, StatusLineAndTipsNameWhatLiesUnderTheMouse) {
    START_WINDOW(window);
    HWND status = FindWindowExW(window->window(), nullptr, STATUSCLASSNAMEW, nullptr);
    ASSERT_NE(status, nullptr);
    auto statusText = [&] {
        wchar_t text[256] = {};
        SendMessageW(status, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
        return std::wstring(text);
    };
    window->mouseMove(405, 198, false);  // cell (40, 10) of the all-floor level
    EXPECT_NE(statusText().find(L"40, 10"), std::wstring::npos) << statusText();
    window->mouseMove(405, 440, false);  // the palette, off the map
    EXPECT_EQ(statusText(), L"");
    EXPECT_EQ(window->toolTipAt(5, 5), "");

    // The tool bar asks its parent for each button's tip.
    NMTTDISPINFOW tip{};
    tip.hdr.hwndFrom = nullptr;
    tip.hdr.idFrom = kFirstTool + 2;
    tip.hdr.code = TTN_GETDISPINFOW;
    SendMessageW(window->window(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tip));
    EXPECT_EQ(std::wstring(tip.szText), L"Pen (3)");
}

TEST(WindowsMainWindow, TheMapAreaShowsTheFramebufferAtTheZoom) {
    START_WINDOW(window);
    RECT map;
    GetClientRect(window->mapWindow(), &map);
    EXPECT_EQ(map.right, 810);
    EXPECT_EQ(map.bottom, 450);
    // The frame fits the tool bar, the map and the status line exactly.
    RECT client;
    GetClientRect(window->window(), &client);
    POINT origin = {0, 0};
    MapWindowPoints(window->mapWindow(), window->window(), &origin, 1);
    EXPECT_EQ(origin.x, 0);
    EXPECT_GT(origin.y, 0);
    EXPECT_GT(client.bottom, origin.y + 450);
    EXPECT_EQ(client.right, 810);
}

}  // namespace
}  // namespace mapedit

namespace mapedit {
namespace {

TEST(WindowsMainWindow, OnAMonitorOfAnotherScaleTheMapTakesItsZoom) {
    START_WINDOW(window);
    RECT suggested = {40, 30, 40 + 1700, 30 + 1100};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromRect(&suggested, MONITOR_DEFAULTTONEAREST), &monitor);
    // Twice the scale where the screen has room for it (make windows-test
    // gives it), else as large as fits.
    const int zoom = monitorZoom(192, monitor.rcWork);
    if (monitor.rcWork.right - monitor.rcWork.left >= 1700) {
        EXPECT_EQ(zoom, 2);
    }
    SendMessageW(window->window(), WM_DPICHANGED, MAKEWPARAM(192, 192),
                 reinterpret_cast<LPARAM>(&suggested));
    RECT map;
    GetClientRect(window->mapWindow(), &map);
    EXPECT_EQ(map.right, 810 * zoom);
    EXPECT_EQ(map.bottom, 450 * zoom);
    RECT frame;
    GetWindowRect(window->window(), &frame);
    EXPECT_EQ(frame.left, 40);
    EXPECT_EQ(frame.top, 30);
    // Clicks land on the framebuffer's pixels at the new zoom.
    SendMessageW(window->mapWindow(), WM_LBUTTONDOWN, MK_LBUTTON,
                 MAKELPARAM(155 * zoom, 420 * zoom));
    SendMessageW(window->mapWindow(), WM_LBUTTONUP, 0, MAKELPARAM(155 * zoom, 420 * zoom));
    SendMessageW(window->mapWindow(), WM_MOUSEMOVE, 0, MAKELPARAM(405 * zoom, 198 * zoom));
    SendMessageW(window->mapWindow(), WM_LBUTTONDOWN, MK_LBUTTON,
                 MAKELPARAM(405 * zoom, 198 * zoom));
    SendMessageW(window->mapWindow(), WM_LBUTTONUP, 0, MAKELPARAM(405 * zoom, 198 * zoom));
    EXPECT_TRUE(window->editor().document().hasUnsavedChanges());
}

}  // namespace
}  // namespace mapedit
