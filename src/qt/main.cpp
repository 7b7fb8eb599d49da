// mapedit: the desktop editor.
#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <optional>
#include <string>

#include "qt/main_window.h"

namespace {

using mapedit::StartOptions;

const char* kUsage =
    "Usage: mapedit [OPTIONS] [FILE]\n"
    "\n"
    "Opens FILE (a level description) at start-up; without it the editor\n"
    "starts on an all-floor level.\n"
    "\n"
    "Options:\n"
    "  --zoom N           show each pixel as N x N screen pixels (default: the\n"
    "                     screen's device pixel ratio, rounded)\n"
    "  --seed N           seed the random generator (default: the clock)\n"
    "  --variant NAME     vanilla (default), tavrel or orvandel\n"
    "  --grab OUT.png     save a screen grab of the map area once shown, and quit\n"
    "  -h, --help         show this help\n";

bool parseNumber(const char* text, unsigned long max, unsigned long& out) {
    const std::string s = text;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc{} && end == s.data() + s.size() && out <= max;
}

// Returns the options, or an exit code in `exitCode` (help or usage error).
std::optional<StartOptions> parseArgs(int argc, char** argv, int& exitCode) {
    StartOptions o;
    o.seed = static_cast<std::uint32_t>(std::time(nullptr));
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        unsigned long n = 0;
        if (arg == "-h" || arg == "--help") {
            std::fputs(kUsage, stdout);
            exitCode = 0;
            return std::nullopt;
        } else if (arg == "--zoom" && hasValue && parseNumber(argv[i + 1], 16, n) && n >= 1) {
            o.zoom = static_cast<int>(n);
            ++i;
        } else if (arg == "--seed" && hasValue && parseNumber(argv[i + 1], 0xFFFFFFFFul, n)) {
            o.seed = static_cast<std::uint32_t>(n);
            ++i;
        } else if (arg == "--variant" && hasValue) {
            const std::string v = argv[++i];
            if (v == "vanilla")
                o.variant = mapedit::Variant::Vanilla;
            else if (v == "tavrel")
                o.variant = mapedit::Variant::Tavrel;
            else if (v == "orvandel")
                o.variant = mapedit::Variant::Orvandel;
            else {
                std::fprintf(stderr, "mapedit: unknown variant '%s'\n%s", v.c_str(), kUsage);
                exitCode = 2;
                return std::nullopt;
            }
        } else if (arg == "--grab" && hasValue) {
            o.grabPath = argv[++i];
        } else if (!arg.empty() && arg[0] != '-' && o.file.empty()) {
            o.file = arg;
        } else {
            std::fprintf(stderr, "mapedit: bad argument '%s'\n%s", arg.c_str(), kUsage);
            exitCode = 2;
            return std::nullopt;
        }
    }
    return o;
}

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
    const auto options = parseArgs(argc, argv, exitCode);
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
