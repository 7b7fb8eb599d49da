#include "qt/first_frame.h"

#include <QEvent>
#include <QTimer>

namespace mapedit {

namespace {

class FirstPaintWatch : public QObject {
  public:
    FirstPaintWatch(QWidget& widget, std::function<void()> then)
        : QObject(&widget), then_(std::move(then)) {
        widget.installEventFilter(this);
    }

  protected:
    // The paint itself runs after this filter; the call waits for the
    // next turn of the event loop, when the frame has been flushed.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                then_();
                deleteLater();
            });
        }
        return false;
    }

  private:
    std::function<void()> then_;
};

}  // namespace

void afterFirstFrame(QWidget& widget, std::function<void()> then) {
    new FirstPaintWatch(widget, std::move(then));
}

}  // namespace mapedit
