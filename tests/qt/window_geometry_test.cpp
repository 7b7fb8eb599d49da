// The arithmetic of the window: client pixels from mouse positions,
// centring on the screen, the file dialog's type list, the fixed window
// size and the crispness of drawn images; the zoom.
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>

#include "dialogs/property_dialogs.h"
#include "qt/map_widget.h"
#include "qt/pixel_art_image.h"
#include "qt/qt_shell.h"
#include "qt/window_fixture.h"
#include "qt/window_placement.h"
#include "qt/window_zoom.h"

namespace mapedit::test {
namespace {

TEST(ClientPixel, FloorsTheDevicePositionDividedByTheZoom) {
    struct Case {
        QPointF position;
        qreal ratio;
        int zoom;
        QPoint pixel;
    };
    const std::vector<Case> cases = {
        {{0, 0}, 1, 1, {0, 0}},          {{809, 449}, 1, 1, {809, 449}},
        {{1, 1}, 1, 2, {0, 0}},          {{2, 3}, 1, 2, {1, 1}},
        {{1619, 899}, 1, 2, {809, 449}}, {{10.5, 20.5}, 2, 2, {10, 20}},
        {{10.4, 20.4}, 2, 3, {6, 13}},   {{-0.5, -1}, 1, 2, {-1, -1}},
        {{5, 5}, 1.5, 1, {7, 7}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.position.x() << "," << c.position.y() << " ratio "
                                        << c.ratio << " zoom " << c.zoom);
        EXPECT_EQ(clientPixel(c.position, c.ratio, c.zoom), c.pixel);
    }
}

TEST(WindowPlacement, CentresWithIntegerHalvesRoundedTowardZero) {
    struct Case {
        QRect desktop;
        QSize size;
        QPoint origin;
    };
    const std::vector<Case> cases = {
        {{0, 0, 1024, 768}, {300, 200}, {362, 284}},
        {{0, 0, 1025, 769}, {300, 200}, {362, 284}},
        // Larger than the desktop: half the overhang on each side.
        {{0, 0, 1024, 768}, {1200, 800}, {-88, -16}},
        {{0, 0, 1024, 768}, {1201, 801}, {-88, -16}},
        {{1920, 0, 1280, 1024}, {280, 24}, {2420, 500}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(centredOrigin(c.desktop, c.size), c.origin)
            << c.size.width() << "x" << c.size.height();
    }
}

TEST(FileDialogFilters, KeepNamesThatShowTheirPatternAndAddItOtherwise) {
    const FileDialogRequest request{
        "Open File",
        {{"text(*.txt)", "*.txt"}, {"Levels", "*.des"}, {"All (*.*)", "*.*"}},
        "txt",
        ""};
    EXPECT_EQ(nameFilters(request), QStringList({"text(*.txt)", "Levels (*.des)", "All (*.*)"}));
}

TEST(FileDialogFilters, AddTheExtensionOfTheChosenTypeOrTheDefault) {
    const FileDialogRequest request{"Save As",
                                    {{"text(*.txt)", "*.txt"},
                                     {"All files(*.*)", "*.*"},
                                     {"Level files(*.des)", "*.des"},
                                     {"Two", "*.a;*.b"}},
                                    "txt",
                                    ""};
    const std::pair<int, const char*> cases[] = {{0, "txt"}, {1, "txt"},  {2, "des"},
                                                 {3, "txt"}, {-1, "txt"}, {4, "txt"}};
    for (const auto& [index, suffix] : cases) {
        EXPECT_EQ(defaultSuffix(request, index), suffix) << index;
    }
}

TEST(PixelArt, EachPixelBecomesAnEvenBlockOfItsColour) {
    for (int scale : {1, 2, 3}) {
        const QImage image = pixelArtImage(toolImage(2), scale);
        ASSERT_EQ(image.size(), QSize(16 * scale, 15 * scale));
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const char letter = toolImage(2).rows[static_cast<std::size_t>(y / scale)]
                                                     [static_cast<std::size_t>(x / scale)];
                ASSERT_EQ(image.pixel(x, y), artColour(letter)) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(qAlpha(artColour('.')), 0);
    EXPECT_EQ(qAlpha(artColour('k')), 255);
}

TEST(MainWindowSize, FitsTheClientAreaAtTheZoomAndCannotBeResized) {
    for (int zoom : {1, 2}) {
        auto window = startWindow(zoom);
        const QWidget& map = window->mapWidget();
        EXPECT_EQ(map.size(), QSize(810, 450) * zoom);
        EXPECT_EQ(window->minimumSize(), window->maximumSize());
        // Menu bar and toolbar above, the status line below, nothing beside.
        const QRect inWindow(map.mapTo(window.get(), QPoint(0, 0)), map.size());
        EXPECT_EQ(inWindow.bottom() + window->statusBar()->height(), window->height() - 1);
        EXPECT_EQ(inWindow.left(), 0);
        EXPECT_EQ(inWindow.width(), window->width());
        EXPECT_GT(inWindow.top(), 0);
        EXPECT_EQ(shownTitle(*window), "Morvath Map Construction Helper");
        EXPECT_FALSE(window->windowIcon().isNull());
    }
}

}  // namespace
}  // namespace mapedit::test

namespace mapedit::test {
namespace {

// At zoom 2 the menu bar, the menus, the property dialogs and the message
// boxes are drawn with fonts twice as large as at zoom 1.
TEST(WindowZoom, FontsOfMenusDialogsAndMessagesFollowTheZoom) {
    struct Seen {
        qreal menuBar = 0, menu = 0, message = 0;
        int dialogWidth = 0;
    };
    Seen seen[2];
    for (const int zoom : {1, 2}) {
        auto window = startWindow(zoom);
        Seen& s = seen[zoom - 1];
        s.menuBar = window->menuBar()->font().pointSizeF();
        s.menu = window->actions().popups.front().menu->font().pointSizeF();
        QtShell shell(*window, window->actions());
        ModalAnswerer answer([&](QWidget& w) {
            if (auto* box = qobject_cast<QMessageBox*>(&w)) {
                s.message = box->font().pointSizeF();
                box->reject();
            } else {
                s.dialogWidth = w.width();
                QTest::keyClick(&w, Qt::Key_Escape);
            }
        });
        shell.showMessage("Saved", "Save", MessageKind::Information);
        TrapSpec trap;
        const auto dialog = makePropertyDialog(trap, Variant::Vanilla);
        shell.runDialog(*dialog);
        ASSERT_EQ(answer.seen(), 2);
    }
    EXPECT_DOUBLE_EQ(seen[1].menuBar, 2 * seen[0].menuBar);
    EXPECT_DOUBLE_EQ(seen[1].menu, 2 * seen[0].menu);
    EXPECT_DOUBLE_EQ(seen[1].message, 2 * seen[0].message);
    // Dialog units follow the font's metrics; at zoom 1 the indicators of
    // radio buttons, which keep their size, widen the units more.
    EXPECT_GT(seen[1].dialogWidth, 1.6 * seen[0].dialogWidth);
}

TEST(WindowZoom, DefaultIsTheLargestZoomAtWhichTheWindowFits) {
    struct Case {
        QSize available;
        qreal ratio;
        int zoom;
    };
    const Case cases[] = {
        {{1600, 870}, 1.0, 1},   // 1620 pixels of map do not fit 1600
        {{1920, 1040}, 1.0, 1},  // 900 rows of map and bars twice as high do not
        {{2560, 1400}, 1.0, 2},  // at 3, 1350 rows and the bars do not
        {{1920, 1040}, 2.0, 3},  // logical pixels of a screen of ratio 2
        {{3840, 2120}, 1.0, 3},  // 1800 rows and bars four times as high do not
        {{640, 480}, 1.0, 1},    // even zoom 1 overhangs: 1 all the same
    };
    for (const Case& c : cases) {
        EXPECT_EQ(largestZoomThatFits(c.available, c.ratio), c.zoom)
            << c.available.width() << "x" << c.available.height() << " ratio " << c.ratio;
    }
}

}  // namespace
}  // namespace mapedit::test
