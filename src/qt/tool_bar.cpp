#include "qt/tool_bar.h"

#include <QActionGroup>

#include "qt/byte_text.h"
#include "qt/pixel_art_image.h"
#include "resources/toolbar.h"

namespace mapedit {

QToolBar& buildToolBar(QMainWindow& window, int zoom, CommandActions& actions) {
    auto* bar = new QToolBar("Tools", &window);
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->toggleViewAction()->setVisible(false);
    const qreal ratio = window.devicePixelRatioF();
    // The icon covers exactly 16 x 15 framebuffer pixels at the zoom.
    bar->setIconSize(QSize(qRound(16 * zoom / ratio), qRound(15 * zoom / ratio)));
    auto* group = new QActionGroup(bar);
    group->setExclusive(true);
    for (const ToolButton& b : toolbarButtons()) {
        QAction* action = bar->addAction(toolIcon(b.image, zoom, ratio), QString());
        action->setCheckable(true);
        action->setToolTip(fromBytes(b.name));
        group->addAction(action);
        actions.tools[b.id] = action;
    }
    window.addToolBar(Qt::TopToolBarArea, bar);
    return *bar;
}

}  // namespace mapedit
