// The window's side of Undo, Redo and the question about unsaved changes:
// the close box and Quit ask once, and the keys of Undo and Redo follow
// the history, not the state their entries had when the menu last opened.
#include <QMessageBox>
#include <filesystem>
#include <functional>

#include "qt/qt_shell.h"
#include "qt/window_fixture.h"

namespace mapedit::test {
namespace {

using namespace command;

// A pen click of corridor on cell (40, 10).
void paintCorridor(MainWindow& window) {
    QWidget& map = window.mapWidget();
    QTest::mouseClick(&map, Qt::LeftButton, {}, logicalOf(window, 155, 420));
    QTest::mouseClick(&map, Qt::LeftButton, {}, logicalOf(window, 405, 198));
}

int terrainAt(MainWindow& window) {
    return window.editor().level().cell(40, 10).terrain;
}

// Answers the question with the button and remembers its text.
ModalAnswerer answering(QMessageBox::StandardButton button, QString& text) {
    return ModalAnswerer([button, &text](QWidget& w) {
        auto& box = dynamic_cast<QMessageBox&>(w);
        text = box.text();
        box.button(button)->click();
    });
}

TEST(UnsavedChanges, TheCloseBoxAsksAndCancelKeepsTheWindowOpen) {
    auto window = startWindow(1);
    paintCorridor(*window);
    QString text;
    {
        const ModalAnswerer cancel = answering(QMessageBox::Cancel, text);
        EXPECT_FALSE(window->close());
        EXPECT_EQ(cancel.seen(), 1);
    }
    EXPECT_EQ(text, "Save changes to Untitled?");
    EXPECT_TRUE(window->isVisible());
    const ModalAnswerer no = answering(QMessageBox::No, text);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(no.seen(), 1);
    EXPECT_FALSE(window->isVisible());
}

TEST(UnsavedChanges, QuitAsksOnceAndClosesAfterNo) {
    auto window = startWindow(1);
    paintCorridor(*window);
    QString text;
    const ModalAnswerer no = answering(QMessageBox::No, text);
    chooseMenu(*window, kQuit);
    EXPECT_EQ(no.seen(), 1);
    EXPECT_FALSE(window->isVisible());
}

// The title marks unsaved changes as long as the level differs from what
// was last opened or saved.
TEST(UnsavedChanges, TheTitleMarksThemUntilUndoneOrSaved) {
    auto window = startWindow(1);
    EXPECT_EQ(shownTitle(*window), "Morvath Map Construction Helper");
    const std::filesystem::path level =
        std::filesystem::temp_directory_path() / "mapedit-marked.des";
    std::filesystem::copy_file(MAPEDIT_SOURCE_DIR "/samples/keep.des", level,
                               std::filesystem::copy_options::overwrite_existing);
    window->openStartFile(level.string());
    struct Step {
        const char* name;
        std::function<void()> act;
        const char* mark;
    };
    const Step steps[] = {
        {"opened", [] {}, ""},
        {"painted", [&] { paintCorridor(*window); }, "*"},
        {"undone", [&] { chooseMenu(*window, kUndo); }, ""},
        {"redone", [&] { chooseMenu(*window, kRedo); }, "*"},
        {"saved", [&] { chooseMenu(*window, kSave); }, ""},
    };
    for (const Step& s : steps) {
        s.act();
        EXPECT_EQ(shownTitle(*window).toStdString(),
                  std::string("mapedit-marked.des") + s.mark + " - Morvath Map Construction Helper")
            << s.name;
    }
    std::filesystem::remove(level);
}

TEST(TitleMark, StandsAfterTheFileNameAndKeepsTheNamesOwnMarks) {
    const std::pair<const char*, const char*> cases[] = {
        {"a.des - Morvath", "a.des[*] - Morvath"},
        {"a - b.des - Morvath", "a - b.des[*] - Morvath"},
        {"Morvath Map Construction Helper", "Morvath Map Construction Helper[*]"},
        {"x[*].des - Morvath", "x[*][*].des[*] - Morvath"},
    };
    for (const auto& [title, marked] : cases) EXPECT_EQ(titleWithModifiedMark(title), marked);
}

TEST(UnsavedChanges, NothingChangedClosesWithoutAQuestion) {
    auto window = startWindow(1);
    const ModalAnswerer any([](QWidget& w) { w.close(); });
    EXPECT_TRUE(window->close());
    EXPECT_EQ(any.seen(), 0);
}

TEST(UndoKeys, WorkOnceThereIsAStepThoughTheMenuOpenedGreyed) {
    auto window = startWindow(1);
    const int before = terrainAt(*window);
    EXPECT_FALSE(openMenusTo(*window, kUndo));
    EXPECT_FALSE(openMenusTo(*window, kRedo));
    paintCorridor(*window);
    ASSERT_NE(terrainAt(*window), before);
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(terrainAt(*window), before);
    QTest::keyClick(window.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_NE(terrainAt(*window), before);
    // Nothing left to redo: the entry is greyed as the key is pressed.
    QTest::keyClick(window.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_FALSE(window->actions().menuAction(kRedo)->isEnabled());
}

}  // namespace
}  // namespace mapedit::test
