// mapedit: the desktop editor.
#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <string>

#include "platform/png_file.h"
#include "qt/first_frame.h"
#include "qt/framebuffer_image.h"
#include "qt/main_window.h"
#include "qt/pixel_art_image.h"
#include "qt/start_arguments.h"

namespace {

using Clock = std::chrono::steady_clock;

void saveAndQuit(const QPixmap& shot, const std::string& path) {
    std::string error;
    const bool ok = mapedit::savePng(mapedit::imageCanvas(shot.toImage()), 1, path, error);
    if (!ok) std::fprintf(stderr, "mapedit: %s\n", error.c_str());
    QApplication::exit(ok ? 0 : 1);
}

// Grabs what the screen shows of the map area and saves it.
void grabAndQuit(mapedit::MainWindow& window, const std::string& path) {
    QWidget& map = window.mapWidget();
    const QPoint at = map.mapTo(&window, QPoint(0, 0));
    QScreen* screen = window.screen();
    saveAndQuit(screen->grabWindow(window.winId(), at.x(), at.y(), map.width(), map.height()),
                path);
}

// Saves the whole window, menu bar and toolbar included, as the program
// draws it.
void screenshotAndQuit(mapedit::MainWindow& window, const std::string& path) {
    saveAndQuit(window.grab(), path);
}

void reportAndQuit(Clock::time_point started) {
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started);
    const auto now = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::system_clock::now().time_since_epoch());
    std::printf("first frame after %lld ms (at %lld ms since the epoch)\n",
                static_cast<long long>(elapsed.count()), static_cast<long long>(now.count()));
    // Out before anything at exit can end the process without flushing.
    std::fflush(stdout);
    QApplication::exit(0);
}

// What runs once the window is on screen: the start-up file, then the
// picture or report asked for.
void afterShow(mapedit::MainWindow& window, const mapedit::StartOptions& options) {
    if (!options.file.empty()) window.openStartFile(options.file);
    if (!options.grabPath.empty()) {
        QTimer::singleShot(700, &window, [&] { grabAndQuit(window, options.grabPath); });
    }
    if (!options.screenshotPath.empty()) {
        QTimer::singleShot(0, &window, [&] { screenshotAndQuit(window, options.screenshotPath); });
    }
}

}  // namespace

int main(int argc, char** argv) {
    const Clock::time_point started = Clock::now();
    int exitCode = 0;
    const auto options = mapedit::parseStartArguments(argc, argv, exitCode);
    if (!options) return exitCode;

    QApplication app(argc, argv);
    QApplication::setWindowIcon(mapedit::programIconSet());
    mapedit::MainWindow window(*options);
    if (options->reportStartup) {
        mapedit::afterFirstFrame(window.mapWidget(), [started] { reportAndQuit(started); });
    }
    // The start-up file waits for the first frame: by then the window has
    // its place on the screen, and a question about the file opens over it.
    mapedit::afterFirstFrame(window.mapWidget(), [&] { afterShow(window, *options); });
    window.show();
    return QApplication::exec();
}
