#pragma once

#include <QMainWindow>
#include <string>

#include "app/editor.h"
#include "qt/command_actions.h"
#include "qt/editor_host.h"
#include "qt/map_widget.h"
#include "qt/qt_shell.h"
#include "qt/start_arguments.h"

namespace mapedit {

// The main window: the menu bar and toolbar above the editor's client
// area, with a fixed size that fits the client area at the zoom.
class MainWindow : public QMainWindow {
  public:
    explicit MainWindow(const StartOptions& options);

    Editor& editor() { return editor_; }
    MapWidget& mapWidget() { return *map_; }
    const CommandActions& actions() const { return actions_; }

    // Opens the start-up file once the window is on screen, so that a
    // message box has its owner.
    void openStartFile(const std::string& path);

  protected:
    // The close box asks the editor first.
    void closeEvent(QCloseEvent* event) override;

  private:
    void connectCommands();
    void addStatusLine();

    // Built before the editor, which sets the menu and toolbar marks as it
    // starts.
    int zoom_;
    CommandActions actions_;
    QtShell shell_;
    Editor editor_;
    MapWidget* map_;
    EditorHost host_;
};

}  // namespace mapedit
