#pragma once

#include <QPoint>
#include <QWidget>

#include "app/client_input.h"
#include "platform/canvas.h"

namespace mapedit {

// The client area: presents the editor's framebuffer at an integer zoom,
// one framebuffer pixel to zoom x zoom device pixels, and hands mouse and
// key events on in framebuffer pixels. It never draws map content itself.
class MapWidget : public QWidget {
  public:
    MapWidget(const Canvas& canvas, int zoom, QWidget* parent = nullptr);

    // Called before presenting, so the editor can run a pending full paint.
    void setInput(ClientInput* input) { input_ = input; }
    int zoom() const { return zoom_; }

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QPoint pixelOf(const QMouseEvent& event) const;
    bool inside(QPoint pixel) const;

    const Canvas& canvas_;
    int zoom_;
    ClientInput* input_ = nullptr;
};

// The framebuffer pixel under a position given in the widget's logical
// coordinates, on a screen of `ratio` device pixels per logical pixel.
QPoint clientPixel(QPointF position, qreal ratio, int zoom);

}  // namespace mapedit
