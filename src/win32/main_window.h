#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "app/client_input.h"
#include "app/editor.h"
#include "win32/keyboard_shortcuts.h"
#include "win32/map_view.h"
#include "win32/menu_bar.h"
#include "win32/start_arguments.h"
#include "win32/win32_shell.h"

namespace mapedit {

// The main window: the menu bar and tool bar above the map area and a
// status line under it, at a fixed size that fits the map at the zoom.
// It hands each message to the editor, one at a time, then runs the full
// paint the message asked for and presents the framebuffer.
class MainWindow : public ClientInput {
  public:
    MainWindow(const StartOptions& options, int zoom);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow() override;

    HWND window() const { return frame_; }
    HWND mapWindow() const { return map_->window(); }
    Editor& editor() { return *editor_; }
    const KeyboardShortcuts& shortcuts() const { return shortcuts_; }
    // Opens a level description named at start-up.
    void openFile(const std::string& path);

    // ClientInput: the map area's mouse and keys in framebuffer pixels.
    void leftDown(int px, int py) override;
    void mouseMove(int px, int py, bool leftHeld) override;
    void leftUp(int px, int py) override;
    void doubleClick(int px, int py) override;
    void rightDown(int px, int py) override;
    void keyDown(Key key) override;
    void beforePaint() override;
    std::string toolTipAt(int px, int py) const override;

  private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l);
    LRESULT handle(UINT message, WPARAM w, LPARAM l);
    void create();
    void layOut();
    void command(int id, bool fromKey);
    bool notify(const NMHDR& header);
    template <typename Event>
    void deliver(Event&& event);
    void showStatus(int px, int py);
    void dpiChanged(unsigned dpi, const RECT& suggested);

    int zoom_;
    bool followsDpi_;
    HWND frame_ = nullptr;
    HWND toolBar_ = nullptr;
    HWND status_ = nullptr;
    HICON icon_ = nullptr;
    MenuBar menu_;
    KeyboardShortcuts shortcuts_;
    Win32Shell shell_;
    std::unique_ptr<Editor> editor_;
    std::unique_ptr<MapView> map_;
    int busy_ = 0;
};

// The largest zoom, no larger than the monitor's own scale (its DPI over
// 96, rounded), at which a window of the map at that zoom plus `chrome`
// pixels around it fits `available`; 1 when none does.
int zoomThatFits(unsigned dpi, SIZE available, SIZE chrome);
// The same for a monitor of that DPI and work area, allowing for the
// frame, menu bar, tool bar and status line at its scale.
int monitorZoom(unsigned dpi, const RECT& work);

}  // namespace mapedit
