// The desktop window's tests run on Qt's offscreen platform: real widgets,
// real events, no display.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>

namespace {

// The offscreen platform says at every window that it cannot do what only
// a real window system does; the rest is worth seeing.
void quietAboutTheOffscreenPlatform(QtMsgType type, const QMessageLogContext& context,
                                    const QString& message) {
    if (message.startsWith("This plugin does not support")) return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietAboutTheOffscreenPlatform);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
