#include "qt/main_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QStatusBar>
#include <cmath>

#include "app/title.h"
#include "qt/accelerators.h"
#include "qt/byte_text.h"
#include "qt/menu_bar.h"
#include "qt/pixel_art_image.h"
#include "qt/tool_bar.h"
#include "qt/window_zoom.h"

namespace mapedit {

namespace {

// The largest zoom at which the window fits the screen's free area.
int defaultZoom() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return 1;
    return largestZoomThatFits(screen->availableGeometry().size(), screen->devicePixelRatio());
}

// The fonts follow the zoom before the menus are made with them.
CommandActions buildCommands(QMainWindow& window, int zoom) {
    setWindowFontScale(window, fontScale(zoom, window.devicePixelRatioF()));
    CommandActions actions;
    buildMenuBar(window, actions);
    buildToolBar(window, zoom, actions);
    return actions;
}

}  // namespace

MainWindow::MainWindow(const StartOptions& options)
    : zoom_(options.zoom > 0 ? options.zoom : defaultZoom()),
      actions_(buildCommands(*this, zoom_)),
      shell_(*this, actions_),
      editor_(shell_, options.seed, options.variant),
      map_(new MapWidget(editor_.canvas(), zoom_, this)),
      host_(editor_, shell_, *map_) {
    shell_.setClient(map_);
    setCentralWidget(map_);
    setWindowTitle(fromBytes(titleWithModifiedMark(kProgramName)));
    setWindowIcon(programIconSet());
    // No menu for hiding the toolbar.
    setContextMenuPolicy(Qt::NoContextMenu);
    connectCommands();
    addStatusLine();
    installAccelerators(*this, [this](int id) { host_.accelerator(id); });
    // A digit presses its tool's button, as a click on it does.
    installDesktopShortcuts(
        *this, [this](int id) { host_.accelerator(id); },
        [this](int id) {
            if (QAction* a = actions_.toolAction(id)) a->trigger();
        });
    setFocusProxy(map_);
    map_->setFocus();
    // The client area has a fixed size; the window follows it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::connectCommands() {
    for (const auto& [id, action] : actions_.menu) {
        connect(action, &QAction::triggered, this, [this, id = id] { host_.command(id); });
    }
    for (const auto& [id, action] : actions_.tools) {
        connect(action, &QAction::triggered, this, [this, id = id] { host_.command(id); });
    }
    for (const CommandActions::Popup& p : actions_.popups) {
        connect(p.menu, &QMenu::aboutToShow, this,
                [this, entry = p.entry] { host_.menuOpening(*entry); });
    }
}

// Under the client area, outside the framebuffer: what lies under the mouse.
void MainWindow::addStatusLine() {
    QStatusBar* bar = statusBar();
    bar->setSizeGripEnabled(false);
    auto* line = new QLabel(bar);
    line->setObjectName("cellReadout");
    line->setTextFormat(Qt::PlainText);
    bar->addWidget(line, 1);
    host_.setStatusLine([line](const std::string& text) { line->setText(fromBytes(text)); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (shell_.closingForEditor() || host_.close()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::openStartFile(const std::string& path) {
    host_.openFile(path);
}

}  // namespace mapedit
