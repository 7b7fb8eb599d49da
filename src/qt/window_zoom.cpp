#include "qt/window_zoom.h"

#include <QApplication>
#include <QVariant>
#include <algorithm>

namespace mapedit {

namespace {

constexpr const char* kScaleProperty = "mapeditFontScale";

// Around the map, in logical pixels: the window manager's frame and title
// bar, which stay as they are, and the menu bar, toolbar and status line,
// which grow with the fonts. Generous, so that a zoom chosen by default
// never overhangs the screen.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 40;
constexpr int kBarsWidth = 8;
constexpr int kBarsHeight = 80;
constexpr int kMostZoom = 16;

// A font is given in points or, rarely, in pixels.
QFont scaled(QFont font, qreal scale) {
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * scale);
    } else if (font.pixelSize() > 0) {
        font.setPixelSize(qRound(font.pixelSize() * scale));
    }
    return font;
}

}  // namespace

qreal fontScale(int zoom, qreal ratio) {
    return std::max<qreal>(1.0, zoom / (ratio > 0 ? ratio : 1.0));
}

void setWindowFontScale(QWidget& window, qreal scale) {
    window.setProperty(kScaleProperty, scale);
    window.setFont(scaled(QApplication::font(), scale));
}

qreal windowFontScale(const QWidget& widget) {
    const QVariant scale = widget.window()->property(kScaleProperty);
    return scale.isValid() ? scale.toReal() : 1.0;
}

QFont scaledFont(const QWidget& owner, qreal points) {
    QFont font = QApplication::font();
    font.setPointSizeF(points * windowFontScale(owner));
    return font;
}

QFont scaledFont(const QWidget& owner) {
    return scaled(QApplication::font(), windowFontScale(owner));
}

int largestZoomThatFits(QSize available, qreal ratio) {
    const qreal r = ratio > 0 ? ratio : 1.0;
    for (int zoom = kMostZoom; zoom > 1; --zoom) {
        const qreal around = fontScale(zoom, r);
        const qreal width = 810 * zoom / r + kFrameWidth + kBarsWidth * around;
        const qreal height = 450 * zoom / r + kFrameHeight + kBarsHeight * around;
        if (width <= available.width() && height <= available.height()) return zoom;
    }
    return 1;
}

}  // namespace mapedit
