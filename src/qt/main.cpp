// mapedit: the desktop editor.
#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <string>

#include "qt/main_window.h"
#include "qt/start_arguments.h"

namespace {

// Grabs what the screen shows of the map area and saves it.
void grabAndQuit(mapedit::MainWindow& window, const std::string& path) {
    QWidget& map = window.mapWidget();
    const QPoint at = map.mapTo(&window, QPoint(0, 0));
    QScreen* screen = window.screen();
    const QPixmap shot =
        screen->grabWindow(window.winId(), at.x(), at.y(), map.width(), map.height());
    const bool ok = shot.save(QString::fromStdString(path), "PNG");
    if (!ok) std::fprintf(stderr, "mapedit: cannot write %s\n", path.c_str());
    QApplication::exit(ok ? 0 : 1);
}

}  // namespace

int main(int argc, char** argv) {
    int exitCode = 0;
    const auto options = mapedit::parseStartArguments(argc, argv, exitCode);
    if (!options) return exitCode;

    QApplication app(argc, argv);
    mapedit::MainWindow window(*options);
    window.show();
    if (!options->file.empty()) {
        QTimer::singleShot(0, &window, [&] { window.openStartFile(options->file); });
    }
    if (!options->grabPath.empty()) {
        QTimer::singleShot(700, &window, [&] { grabAndQuit(window, options->grabPath); });
    }
    return QApplication::exec();
}
