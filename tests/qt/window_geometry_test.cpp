// The arithmetic of the window: client pixels from mouse positions,
// dialog units, centring on the screen, the file dialog's type list,
// the fixed window size and the crispness of drawn images.
#include "qt/dialog_units.h"
#include "qt/map_widget.h"
#include "qt/pixel_art_image.h"
#include "qt/qt_shell.h"
#include "qt/window_fixture.h"
#include "qt/window_placement.h"

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

TEST(DialogUnits, ConvertEdgesRoundedSoTouchingControlsStillTouch) {
    const DialogBaseUnits units{7, 15};
    struct Case {
        int x, y, w, h;
        QRect pixels;
    };
    const std::vector<Case> cases = {
        {0, 0, 163, 43, {0, 0, 285, 81}},  // 163 * 7 / 4 = 285.25, 43 * 15 / 8 = 80.6
        {7, 7, 18, 21, {12, 13, 32, 40}},  // edges 12.25..43.75 and 13.1..52.5
        {119, 22, 37, 14, {208, 41, 65, 27}},
        {1, 1, 1, 1, {2, 2, 2, 2}},  // 1.75 -> 2, 3.5 -> 4; 1.9 -> 2, 3.75 -> 4
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y << " " << c.w << "x" << c.h);
        EXPECT_EQ(dialogRect(units, c.x, c.y, c.w, c.h), c.pixels);
    }
    // Side by side in units, side by side in pixels, where converting the
    // width alone would make them overlap.
    EXPECT_EQ(dialogRect(units, 2, 0, 1, 1).right() + 1, dialogRect(units, 3, 0, 1, 1).left());
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
        // Menu bar and toolbar above, nothing below or beside.
        const QRect inWindow(map.mapTo(window.get(), QPoint(0, 0)), map.size());
        EXPECT_EQ(inWindow.bottom(), window->height() - 1);
        EXPECT_GT(inWindow.top(), 0);
        EXPECT_EQ(window->windowTitle(), "Morvath Map Construction Helper");
        EXPECT_FALSE(window->windowIcon().isNull());
    }
}

}  // namespace
}  // namespace mapedit::test
