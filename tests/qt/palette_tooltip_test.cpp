// Resting the pointer on a palette entry names its kind, before any click;
// over the map no tooltip shows.
#include <QHelpEvent>
#include <QToolTip>
#include <set>

#include "model/terrain.h"
#include "qt/window_fixture.h"
#include "view/panel.h"

namespace mapedit::test {
namespace {

// Asks the map widget for the tooltip at client pixel (px, py); a widget
// that has none to show ignores the request.
QString toolTipAt(MainWindow& window, int px, int py) {
    QWidget& map = window.mapWidget();
    const QPoint at = logicalOf(window, px, py);
    QHelpEvent help(QEvent::ToolTip, at, map.mapToGlobal(at));
    QApplication::sendEvent(&map, &help);
    return help.isAccepted() && QToolTip::isVisible() ? QToolTip::text() : QString();
}

TEST(PaletteToolTips, NameTheKindUnderThePointerBeforeAnyClick) {
    for (const int zoom : {1, 2}) {
        auto window = startWindow(zoom);
        const int before = window->editor().state().currentKind;
        std::set<int> named;
        // One pixel inside each entry the palette shows, found as the view
        // finds them.
        for (int py = 396; py < 450; py += 3) {
            for (int px = 0; px < 810; px += 3) {
                const int kind = paletteKindAt(window->editor().state(), px, py);
                if (kind == 0 || !named.insert(kind).second) continue;
                EXPECT_EQ(toolTipAt(*window, px, py).toStdString(), terrainKind(kind).name)
                    << "zoom " << zoom << " at " << px << "," << py;
            }
        }
        EXPECT_GE(named.size(), 10u);
        EXPECT_EQ(toolTipAt(*window, 405, 200), QString());
        EXPECT_EQ(window->editor().state().currentKind, before);
    }
}

}  // namespace
}  // namespace mapedit::test
