#pragma once

#include <QMainWindow>
#include <string>

#include "app/editor.h"
#include "qt/map_widget.h"
#include "qt/qt_shell.h"

namespace mapedit {

struct StartOptions {
    std::string file;
    int zoom = 0;  // 0: the screen's device pixel ratio, rounded
    std::uint32_t seed = 0;
    Variant variant = Variant::Vanilla;
    std::string grabPath;  // save a screen grab of the client area and quit
};

// The main window: the editor's client area with a fixed size. The menu
// bar and toolbar are added around it.
class MainWindow : public QMainWindow {
  public:
    explicit MainWindow(const StartOptions& options);

    Editor& editor() { return editor_; }
    MapWidget& mapWidget() { return *map_; }

    // Opens the start-up file once the window is on screen, so that a
    // message box has its owner.
    void openStartFile(const std::string& path);

  private:
    QtShell shell_;
    Editor editor_;
    MapWidget* map_;
};

}  // namespace mapedit
