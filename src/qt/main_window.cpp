#include "qt/main_window.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <cmath>

#include "app/title.h"

namespace mapedit {

namespace {
int defaultZoom() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double ratio = screen != nullptr ? screen->devicePixelRatio() : 1.0;
    return std::max(1, static_cast<int>(std::lround(ratio)));
}
}  // namespace

MainWindow::MainWindow(const StartOptions& options)
    : shell_(*this), editor_(shell_, options.seed, options.variant) {
    const int zoom = options.zoom > 0 ? options.zoom : defaultZoom();
    map_ = new MapWidget(editor_.canvas, zoom, this);
    map_->setBeforePaint([this] {
        if (shell_.takeInvalidation()) editor_.onPaint();
    });
    shell_.setClient(map_);
    setCentralWidget(map_);
    setWindowTitle(kProgramName);
    // The client area has a fixed size; the window follows it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::openStartFile(const std::string& path) {
    editor_.openFile(path);
    // A failed read leaves the partly read level; show it.
    shell_.invalidate();
}

}  // namespace mapedit
