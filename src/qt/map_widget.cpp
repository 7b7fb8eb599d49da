#include "qt/map_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <cmath>

#include "qt/byte_text.h"
#include "qt/framebuffer_image.h"

namespace mapedit {

QPoint clientPixel(QPointF position, qreal ratio, int zoom) {
    return {static_cast<int>(std::floor(position.x() * ratio / zoom)),
            static_cast<int>(std::floor(position.y() * ratio / zoom))};
}

MapWidget::MapWidget(const Canvas& canvas, int zoom, QWidget* parent)
    : QWidget(parent), canvas_(canvas), zoom_(zoom) {
    const qreal ratio = devicePixelRatioF();
    // Logical size chosen so that the device pixels are exactly zoom times
    // the framebuffer.
    setFixedSize(qRound(canvas.width() * zoom / ratio), qRound(canvas.height() * zoom / ratio));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

bool MapWidget::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QPoint p = clientPixel(help->pos(), devicePixelRatioF(), zoom_);
    const std::string text = input_ != nullptr && inside(p) ? input_->toolTipAt(p.x(), p.y()) : "";
    if (text.empty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), fromBytes(text), this);
    }
    return true;
}

void MapWidget::paintEvent(QPaintEvent*) {
    if (input_ != nullptr) input_->beforePaint();
    QImage image = framebufferImage(canvas_, zoom_);
    image.setDevicePixelRatio(devicePixelRatioF());
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), image);
}

QPoint MapWidget::pixelOf(const QMouseEvent& event) const {
    return clientPixel(event.position(), devicePixelRatioF(), zoom_);
}

bool MapWidget::inside(QPoint pixel) const {
    return pixel.x() >= 0 && pixel.y() >= 0 && pixel.x() < canvas_.width() &&
           pixel.y() < canvas_.height();
}

void MapWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint p = pixelOf(*event);
    if (input_ == nullptr || !inside(p)) return;
    if (event->button() == Qt::LeftButton) input_->leftDown(p.x(), p.y());
    if (event->button() == Qt::RightButton) input_->rightDown(p.x(), p.y());
}

// While a button is held the widget keeps getting the mouse beyond its
// edges; the editor only hears of what happens over the client area, as
// it would without a mouse grab.
void MapWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = pixelOf(*event);
    if (input_ == nullptr || !inside(p)) return;
    input_->mouseMove(p.x(), p.y(), event->buttons().testFlag(Qt::LeftButton));
}

void MapWidget::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = pixelOf(*event);
    if (input_ == nullptr || !inside(p) || event->button() != Qt::LeftButton) return;
    input_->leftUp(p.x(), p.y());
}

// The second press of a double click arrives as the double click; a right
// double click is not one the editor handles.
void MapWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint p = pixelOf(*event);
    if (input_ == nullptr || !inside(p) || event->button() != Qt::LeftButton) return;
    input_->doubleClick(p.x(), p.y());
}

void MapWidget::keyPressEvent(QKeyEvent* event) {
    if (input_ != nullptr && event->key() == Qt::Key_Escape) {
        input_->keyDown(Key::Escape);
    } else if (input_ != nullptr && event->key() == Qt::Key_Delete) {
        input_->keyDown(Key::Delete);
    } else {
        QWidget::keyPressEvent(event);
    }
}

}  // namespace mapedit
