#pragma once

#include <functional>
#include <string>

#include "app/client_input.h"
#include "app/editor.h"
#include "qt/map_widget.h"
#include "qt/qt_shell.h"

namespace mapedit {

// The message loop's side of the window: hands each event to the editor,
// one at a time, then runs the full paint the event asked for and
// presents the framebuffer. A paint the platform asks for while the
// editor is busy (a dialog open over the window) shows the framebuffer as
// it is and leaves the full paint for later.
class EditorHost : public ClientInput {
  public:
    EditorHost(Editor& editor, QtShell& shell, MapWidget& map);

    // A menu entry or toolbar button was chosen.
    void command(int id);
    // The accelerator of a command was pressed: the menu-opening rule runs
    // on the popups holding its entry, and a greyed entry is not delivered.
    void accelerator(int id);
    void menuOpening(const MenuEntry& popup);
    // The window's close box: whether the window may close.
    bool close();
    // Opens a level description named at start-up.
    void openFile(const std::string& path);
    // Where the host says what lies under the mouse on the map (nothing
    // off the map).
    void setStatusLine(std::function<void(const std::string&)> show) { status_ = std::move(show); }

    void leftDown(int px, int py) override;
    void mouseMove(int px, int py, bool leftHeld) override;
    void leftUp(int px, int py) override;
    void doubleClick(int px, int py) override;
    void rightDown(int px, int py) override;
    void keyDown(Key key) override;
    void beforePaint() override;
    // A palette entry is named before it is clicked.
    std::string toolTipAt(int px, int py) const override;

  private:
    template <typename Event>
    void deliver(Event&& event);
    void paintIfAsked();

    Editor& editor_;
    QtShell& shell_;
    MapWidget& map_;
    int busy_ = 0;
    std::function<void(const std::string&)> status_;
};

}  // namespace mapedit
