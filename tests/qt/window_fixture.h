#pragma once

// A desktop main window on the offscreen platform, and the means to talk
// to it the way a user does: mouse and keys through QTest, menus opened
// before an entry is chosen, and modal dialogs answered as they appear.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "qt/main_window.h"
#include "qt/menu_bar.h"

namespace mapedit::test {

// Starts the window with a fixed seed at a zoom and waits until it is on
// screen and active.
inline std::unique_ptr<MainWindow> startWindow(int zoom, std::uint32_t seed = 7) {
    StartOptions options;
    options.zoom = zoom;
    options.seed = seed;
    auto window = std::make_unique<MainWindow>(options);
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    return window;
}

// The map widget's logical position of client pixel (px, py): the last
// device pixel of its block, so that a conversion that rounds instead of
// flooring lands on the next pixel.
inline QPoint logicalOf(const MainWindow& window, int px, int py) {
    const int zoom = const_cast<MainWindow&>(window).mapWidget().zoom();
    return {px * zoom + zoom - 1, py * zoom + zoom - 1};
}

// The title as the window shows it, with Qt's mark of unsaved changes.
inline QString shownTitle(const QWidget& window) {
    QString title = window.windowTitle();
    return title.replace("[*]", window.isWindowModified() ? "*" : "");
}

inline QToolButton* toolButton(MainWindow& window, int id) {
    auto* bar = window.findChild<QToolBar*>();
    return qobject_cast<QToolButton*>(bar->widgetForAction(window.actions().toolAction(id)));
}

// Opens the popups down to a menu entry, as a user does on the way to it,
// and closes them again. Returns whether the entry could then be chosen.
inline bool openMenusTo(MainWindow& window, int id) {
    const MenuPath path = popupsHolding(id);
    std::vector<QMenu*> opened;
    for (int i = 0; i < path.depth; ++i) {
        for (const CommandActions::Popup& p : window.actions().popups) {
            if (p.entry != path.popups[i]) continue;
            p.menu->popup(window.mapToGlobal(QPoint(10 + 40 * i, 10)));
            opened.push_back(p.menu);
        }
    }
    const bool enabled = window.actions().menuAction(id)->isEnabled();
    for (auto it = opened.rbegin(); it != opened.rend(); ++it) (*it)->hide();
    return enabled;
}

// Chooses a menu entry: opens the popups above it, then picks it unless
// it is greyed.
inline void chooseMenu(MainWindow& window, int id) {
    if (openMenusTo(window, id)) window.actions().menuAction(id)->trigger();
}

// Answers every modal dialog that opens while it lives: `answer` looks at
// the dialog and must close it.
class ModalAnswerer {
  public:
    explicit ModalAnswerer(std::function<void(QWidget&)> answer) : answer_(std::move(answer)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || !modal->isVisible()) return;
            ++seen_;
            answer_(*modal);
        });
        timer_.start(5);
    }
    int seen() const { return seen_; }

  private:
    std::function<void(QWidget&)> answer_;
    QTimer timer_;
    int seen_ = 0;
};

}  // namespace mapedit::test
