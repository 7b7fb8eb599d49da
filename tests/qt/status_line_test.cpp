// The status line under the map: what lies under the mouse, in the file's
// terms, and nothing once the mouse leaves the map for the palette.
#include <QLabel>
#include <QStatusBar>

#include "app/cell_readout.h"
#include "qt/window_fixture.h"
#include "view/map_view.h"

namespace mapedit::test {
namespace {

TEST(StatusLine, NamesTheCellUnderTheMouseAndNothingOffTheMap) {
    for (const int zoom : {1, 2}) {
        auto window = startWindow(zoom);
        window->openStartFile(MAPEDIT_SOURCE_DIR "/samples/keep.des");
        auto* line = window->statusBar()->findChild<QLabel*>("cellReadout");
        ASSERT_NE(line, nullptr);
        // Below the map's rectangle, outside the framebuffer.
        EXPECT_GE(line->mapTo(window.get(), QPoint(0, 0)).y(),
                  window->mapWidget().mapTo(window.get(), QPoint(0, 0)).y() +
                      window->mapWidget().height());
        struct Case {
            int px, py;
            std::string readout;
        };
        const Case cases[] = {
            {cellCentreX(40), cellCentreY(10), cellReadout(window->editor().level(), 40, 10)},
            {cellCentreX(0), cellCentreY(0), cellReadout(window->editor().level(), 0, 0)},
            {cellCentreX(79), cellCentreY(20), cellReadout(window->editor().level(), 79, 20)},
            {155, 420, ""},  // the palette
        };
        for (const Case& c : cases) {
            QTest::mouseMove(&window->mapWidget(), logicalOf(*window, c.px, c.py));
            EXPECT_EQ(line->text().toStdString(), c.readout)
                << "zoom " << zoom << " at " << c.px << "," << c.py;
        }
    }
}

}  // namespace
}  // namespace mapedit::test
