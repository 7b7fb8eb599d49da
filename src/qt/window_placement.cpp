#include "qt/window_placement.h"

#include <QGuiApplication>
#include <QScreen>

namespace mapedit {

QPoint centredOrigin(const QRect& desktop, QSize size) {
    // Integer division rounds toward zero, negative overhangs included.
    return {desktop.x() + (desktop.width() - size.width()) / 2,
            desktop.y() + (desktop.height() - size.height()) / 2};
}

void centreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    window.move(centredOrigin(screen->geometry(), window.frameGeometry().size()));
}

void centreOnWindow(QWidget& dialog, const QWidget& owner) {
    if (!dialog.testAttribute(Qt::WA_Resized)) dialog.adjustSize();
    const QWidget& window = *owner.window();
    dialog.move(centredOrigin(window.frameGeometry(), dialog.frameGeometry().size()));
}

}  // namespace mapedit
