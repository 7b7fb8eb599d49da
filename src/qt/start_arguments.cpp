#include "qt/start_arguments.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>
#include <cstdio>
#include <ctime>

namespace mapedit {

namespace {

constexpr char kUsage[] =
    "Usage: mapedit [OPTIONS] [FILE]\n"
    "\n"
    "Opens FILE (a level description) at start-up; without it the editor\n"
    "starts on an all-floor level.\n"
    "\n"
    "Options:\n"
    "  --zoom N           show each pixel as N x N screen pixels, the window's\n"
    "                     fonts growing with it (default: the largest that fits)\n"
    "  --seed N           seed the random generator (default: the clock)\n"
    "  --variant NAME     vanilla (default), tavrel or orvandel\n"
    "  --grab OUT.png     save a screen grab of the map area once shown, and quit\n"
    "  --screenshot OUT.png\n"
    "                     save a picture of the whole window once shown, and quit\n"
    "  --startup-time     print the milliseconds from start to the first painted\n"
    "                     frame, and quit\n"
    "  -h, --help         show this help\n";

constexpr int kUsageErrorStatus = 2;

// Reports a usage error with the usage text; returns false for the caller
// to pass on.
bool usageError(const std::string& message) {
    std::fprintf(stderr, "mapedit: %s\n%s", message.c_str(), kUsage);
    return false;
}

struct StartArguments {
    QCommandLineOption help{{"h", "help"}};
    QCommandLineOption zoom{"zoom", "", "N"};
    QCommandLineOption seed{"seed", "", "N"};
    QCommandLineOption variant{"variant", "", "NAME"};
    QCommandLineOption grab{"grab", "", "OUT.png"};
    QCommandLineOption screenshot{"screenshot", "", "OUT.png"};
    QCommandLineOption startupTime{"startup-time"};
};

// Takes the values of the parsed options into `o`; false after reporting a
// bad one.
bool takeValues(const QCommandLineParser& parser, const StartArguments& a, StartOptions& o) {
    auto value = [&](const QCommandLineOption& option) -> std::optional<std::string> {
        if (!parser.isSet(option)) return std::nullopt;
        return parser.value(option).toStdString();
    };
    if (const auto error = takeStartValues({value(a.zoom), value(a.seed), value(a.variant)}, o)) {
        return usageError(*error);
    }
    if (parser.isSet(a.grab)) o.grabPath = parser.value(a.grab).toLocal8Bit().toStdString();
    if (parser.isSet(a.screenshot))
        o.screenshotPath = parser.value(a.screenshot).toLocal8Bit().toStdString();
    o.reportStartup = parser.isSet(a.startupTime);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) return usageError("bad argument '" + files[1].toStdString() + "'");
    if (!files.isEmpty()) o.file = files[0].toLocal8Bit().toStdString();
    return true;
}

}  // namespace

std::optional<StartOptions> parseStartArguments(int argc, char** argv, int& exitCode) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const StartArguments a;
    QCommandLineParser parser;
    parser.addOptions({a.help, a.zoom, a.seed, a.variant, a.grab, a.screenshot, a.startupTime});
    parser.addPositionalArgument("FILE", "");
    if (!parser.parse(arguments)) {
        usageError(parser.errorText().toStdString());
        exitCode = kUsageErrorStatus;
        return std::nullopt;
    }
    if (parser.isSet(a.help)) {
        std::fputs(kUsage, stdout);
        exitCode = 0;
        return std::nullopt;
    }
    StartOptions o;
    o.seed = static_cast<std::uint32_t>(std::time(nullptr));
    if (!takeValues(parser, a, o)) {
        exitCode = kUsageErrorStatus;
        return std::nullopt;
    }
    return o;
}

}  // namespace mapedit
