// Mouse and keys on the client area reach the editor in framebuffer
// pixels at every zoom: the same gestures made with QTest on the window
// and played as an edit script on the headless editor leave the same map,
// the same state and the same picture.
#include <QMouseEvent>

#include "cli/edit_script.h"
#include "cli/script_looks.h"
#include "cli/script_player.h"
#include "qt/pixel_art_image.h"
#include "qt/window_fixture.h"

namespace mapedit::test {
namespace {

using cli::Step;
using cli::StepKind;

void sendMoveWithoutButtons(QWidget& map, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, QPointF(at), map.mapToGlobal(QPointF(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&map, &move);
}

Qt::Key letterKey(char letter) {
    return static_cast<Qt::Key>(Qt::Key_A + (letter - 'a'));
}

void pressKey(MainWindow& window, const std::string& name) {
    if (name == "escape") {
        QTest::keyClick(&window.mapWidget(), Qt::Key_Escape);
    } else if (name == "delete") {
        QTest::keyClick(&window.mapWidget(), Qt::Key_Delete);
    } else {
        QTest::keyClick(&window, letterKey(name.back()), Qt::ControlModifier);
    }
}

// The user's side of one script step, made on the window.
void makeOnWindow(MainWindow& window, const Step& step) {
    QWidget& map = window.mapWidget();
    const QPoint at = logicalOf(window, step.point.x, step.point.y);
    switch (step.kind) {
        case StepKind::Down:
            return QTest::mousePress(&map, Qt::LeftButton, {}, at);
        case StepKind::Up:
            return QTest::mouseRelease(&map, Qt::LeftButton, {}, at);
        case StepKind::Drag:
            return QTest::mouseMove(&map, at);
        case StepKind::Move:
            return sendMoveWithoutButtons(map, at);
        case StepKind::Click:
            return QTest::mouseClick(&map, Qt::LeftButton, {}, at);
        case StepKind::Double:
            QTest::mousePress(&map, Qt::LeftButton, {}, at);
            QTest::mouseRelease(&map, Qt::LeftButton, {}, at);
            QTest::mouseDClick(&map, Qt::LeftButton, {}, at);
            return QTest::mouseRelease(&map, Qt::LeftButton, {}, at);
        case StepKind::Right:
            return QTest::mouseClick(&map, Qt::RightButton, {}, at);
        case StepKind::Key:
            return pressKey(window, step.word);
        case StepKind::Menu:
            return chooseMenu(window, step.id);
        case StepKind::Tool:
            return QTest::mouseClick(toolButton(window, step.id), Qt::LeftButton);
        default:
            FAIL() << "not a user gesture";
    }
}

std::vector<Step> parse(const std::vector<std::string>& lines) {
    std::vector<Step> steps;
    for (const std::string& line : lines) {
        cli::ParsedLine parsed = cli::parseScriptLine(line);
        EXPECT_EQ(parsed.error, "") << line;
        for (Step& s : parsed.steps) steps.push_back(std::move(s));
    }
    return steps;
}

// What a user can see of the editor: the picture, every cell and the
// editor state, in the script log's words.
struct Seen {
    std::vector<std::uint32_t> pixels;
    std::vector<std::string> cells;
    std::string state;
};

Seen seenIn(const Editor& editor) {
    Seen seen{editor.canvas().pixels(), {}, cli::stateLine(editor)};
    for (int x = 0; x < kMapWidth; ++x) {
        for (int y = 0; y < kMapHeight; ++y)
            seen.cells.push_back(cli::cellLine(editor.level(), x, y));
    }
    return seen;
}

void expectSameAsScript(MainWindow& window, const std::vector<std::string>& script) {
    cli::ScriptPlayer player(7, Variant::Vanilla);
    for (const Step& step : parse(script)) {
        std::string error;
        ASSERT_TRUE(player.run(step, error)) << error;
        makeOnWindow(window, step);
    }
    const Seen shown = seenIn(window.editor());
    const Seen played = seenIn(player.editor());
    EXPECT_EQ(shown.state, played.state);
    EXPECT_EQ(shown.cells, played.cells);
    EXPECT_TRUE(shown.pixels == played.pixels) << "the pictures differ";
}

// Pen strokes (slow and fast) in a wall kind, a rectangle and a filled
// rectangle with previews and a release away from the last preview, a
// pick with the right button, and points on cell edges, where a
// conversion that rounds instead of flooring picks the next cell.
const std::vector<std::string> kDrawing = {
    "click 125 420", "down @5,3",     "drag @6,3",    "drag @12,3",   "drag 129 26",  "drag 130 63",
    "up 130 63",     "tool 2005",     "down @20,4",   "drag @25,8",   "drag @30,10",  "up @28,9",
    "tool 2006",     "click 155 420", "down 409 296", "drag 410 296", "drag 459 333", "up 459 333",
    "right @5,3",    "move @50,15",   "move 809 449",
};

class ClientInputAtZoom : public testing::TestWithParam<int> {};

TEST_P(ClientInputAtZoom, GesturesLandWhereTheEditScriptPutsThem) {
    auto window = startWindow(GetParam());
    expectSameAsScript(*window, kDrawing);
}

// The select tool: an item picked up, dragged and dropped, a double click
// on it, Escape and Delete.
TEST_P(ClientInputAtZoom, SelectToolGesturesLandWhereTheEditScriptPutsThem) {
    auto window = startWindow(GetParam());
    // The double click opens the monster's dialog; the script's goes unanswered.
    ModalAnswerer cancel([](QWidget& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    expectSameAsScript(*window, {"click 135 400", "click @5,5", "click 105 400", "click @9,9",
                                 "key escape", "down @5,5", "drag @6,6", "drag @7,7", "up @7,7",
                                 "double @9,9", "click @9,9", "key delete", "click @7,7"});
}

INSTANTIATE_TEST_SUITE_P(Zoom, ClientInputAtZoom, testing::Values(1, 2),
                         [](const testing::TestParamInfo<int>& paramInfo) {
                             return "Zoom" + std::to_string(paramInfo.param);
                         });

// Past the client area's edges the editor hears nothing, as without a
// mouse grab: a shape released outside stays pending until the next move
// without the button, which commits it at its last preview.
TEST(ClientInput, ARectangleReleasedOutsideTheMapEndsAtTheNextMove) {
    auto window = startWindow(2);
    QWidget& map = window->mapWidget();
    cli::ScriptPlayer player(7, Variant::Vanilla);
    auto play = [&](const std::vector<std::string>& script) {
        for (const Step& step : parse(script)) {
            std::string error;
            ASSERT_TRUE(player.run(step, error)) << error;
        }
    };
    play({"tool 2005", "down @20,4", "drag @25,8"});
    QTest::mouseClick(toolButton(*window, 2005), Qt::LeftButton);
    QTest::mousePress(&map, Qt::LeftButton, {}, logicalOf(*window, 205, 90));
    QTest::mouseMove(&map, logicalOf(*window, 255, 162));
    // Just above the map, over the toolbar: client row 0 if it were heard.
    const QPoint outside(logicalOf(*window, 255, 0).x(), -3);
    QTest::mouseMove(&map, outside);
    QTest::mouseRelease(&map, Qt::LeftButton, {}, outside);
    EXPECT_EQ(window->editor().gesture(), kStrokeGesture);
    EXPECT_EQ(seenIn(window->editor()).pixels, seenIn(player.editor()).pixels);

    play({"move @40,12"});
    sendMoveWithoutButtons(map, logicalOf(*window, 405, 234));
    EXPECT_EQ(window->editor().gesture(), kNoGesture);
    EXPECT_EQ(seenIn(window->editor()).cells, seenIn(player.editor()).cells);
}

TEST(ClientInput, EscapeTheRightButtonAndToolbarClicksMoveTheToolbarMark) {
    auto window = startWindow(1);
    QWidget& map = window->mapWidget();
    const CommandActions& a = window->actions();
    auto down = [&] {
        std::vector<int> ids;
        for (const auto& [id, tool] : a.tools) {
            if (tool->isChecked()) ids.push_back(id);
        }
        return ids;
    };
    QTest::keyClick(&map, Qt::Key_Escape);
    EXPECT_EQ(down(), std::vector<int>{2000});
    EXPECT_EQ(window->editor().state().currentTool, Tool::Select);

    QTest::mouseClick(toolButton(*window, 2007), Qt::LeftButton);
    EXPECT_EQ(down(), std::vector<int>{2007});
    EXPECT_EQ(window->editor().state().currentTool, Tool::MazeRectangle);

    // A right click on a monster takes it as the brush and puts the pen down.
    window->editor().level().cell(30, 10).monster.emplace();
    QTest::mouseClick(&map, Qt::RightButton, {}, logicalOf(*window, 305, 189));
    EXPECT_EQ(down(), std::vector<int>{2002});
    EXPECT_EQ(window->editor().state().currentTool, Tool::Pen);
}

TEST(ClientInput, ToolButtonsNameTheirToolsAndShowTheirImagesPixelForPixel) {
    for (int zoom : {1, 2, 3}) {
        auto window = startWindow(zoom);
        for (const ToolButton& b : toolbarButtons()) {
            SCOPED_TRACE(b.id);
            QAction* action = window->actions().toolAction(b.id);
            EXPECT_EQ(action->toolTip().toStdString(), b.name);
            EXPECT_TRUE(action->text().isEmpty());
            const QImage shown = action->icon().pixmap(QSize(16, 15) * zoom).toImage();
            EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32),
                      pixelArtImage(toolImage(b.image), zoom));
        }
    }
}

}  // namespace
}  // namespace mapedit::test
