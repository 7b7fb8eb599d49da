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
    int digit = 1;
    for (const ToolButton& b : toolbarButtons()) {
        QAction* action = bar->addAction(toolIcon(b.image, zoom, ratio), QString());
        action->setCheckable(true);
        // The tooltip names the digit key that chooses the tool too.
        QString tip = fromBytes(b.name);
        if (digit <= 9) tip += QString(" (%1)").arg(digit++);
        action->setToolTip(tip);
        group->addAction(action);
        actions.tools[b.id] = action;
    }
    window.addToolBar(Qt::TopToolBarArea, bar);
    return *bar;
}

}  // namespace mapedit
