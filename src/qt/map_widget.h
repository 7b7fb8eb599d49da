#pragma once

#include <QWidget>
#include <functional>

#include "platform/canvas.h"

namespace mapedit {

// The client area: presents the editor's framebuffer at an integer zoom,
// one framebuffer pixel to zoom x zoom device pixels. It never draws map
// content itself.
class MapWidget : public QWidget {
  public:
    MapWidget(const Canvas& canvas, int zoom, QWidget* parent = nullptr);

    // Called before presenting, so the editor can run a pending full paint.
    void setBeforePaint(std::function<void()> hook) { beforePaint_ = std::move(hook); }
    int zoom() const { return zoom_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const Canvas& canvas_;
    int zoom_;
    std::function<void()> beforePaint_;
};

}  // namespace mapedit
