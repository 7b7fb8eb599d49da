#include "qt/map_widget.h"

#include <QPainter>

#include "qt/framebuffer_image.h"

namespace mapedit {

MapWidget::MapWidget(const Canvas& canvas, int zoom, QWidget* parent)
    : QWidget(parent), canvas_(canvas), zoom_(zoom) {
    const qreal ratio = devicePixelRatioF();
    // Logical size chosen so that the device pixels are exactly zoom times
    // the framebuffer.
    setFixedSize(qRound(canvas.width() * zoom / ratio), qRound(canvas.height() * zoom / ratio));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MapWidget::paintEvent(QPaintEvent*) {
    if (beforePaint_) beforePaint_();
    QImage image = framebufferImage(canvas_, zoom_);
    image.setDevicePixelRatio(devicePixelRatioF());
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), image);
}

}  // namespace mapedit
