// The window's menu bar against the menu table, the greying rule as the
// popups open, and the accelerators.
#include <QActionGroup>
#include <QFileDialog>
#include <QMenuBar>

#include "qt/byte_text.h"
#include "qt/window_fixture.h"

namespace mapedit::test {
namespace {

using namespace command;

void expectCommandMatches(const QAction& shown, const MenuEntry& e, const CommandActions& actions) {
    EXPECT_EQ(&shown, actions.menuAction(e.id)) << e.id;
    EXPECT_EQ(shown.text().section('\t', 0, 0), fromBytes(e.text));
    EXPECT_EQ(shown.text().section('\t', 1), fromBytes(e.shortcut));
    EXPECT_EQ(shown.isCheckable(), e.mark != MenuMark::None);
    const QActionGroup* group = shown.actionGroup();
    EXPECT_EQ(group != nullptr && group->isExclusive(), e.mark == MenuMark::Radio);
}

void expectPopupMatches(QMenu& menu, const MenuEntry& popup, const CommandActions& actions) {
    SCOPED_TRACE(std::string(popup.text));
    EXPECT_EQ(menu.title(), fromBytes(popup.text));
    const QList<QAction*> shown = menu.actions();
    ASSERT_EQ(static_cast<std::size_t>(shown.size()), popup.entries.size());
    for (std::size_t i = 0; i < popup.entries.size(); ++i) {
        const MenuEntry& e = popup.entries[i];
        QAction& a = *shown[static_cast<qsizetype>(i)];
        switch (e.kind) {
            case MenuEntryKind::Separator:
                EXPECT_TRUE(a.isSeparator()) << i;
                break;
            case MenuEntryKind::Popup:
                ASSERT_NE(a.menu(), nullptr) << i;
                expectPopupMatches(*a.menu(), e, actions);
                break;
            case MenuEntryKind::Command:
                expectCommandMatches(a, e, actions);
                break;
        }
    }
}

TEST(MenuBar, ShowsEveryPopupEntryAndSeparatorOfTheMenuTableInOrder) {
    auto window = startWindow(1);
    const std::vector<QMenu*> popups = menuBarPopups(*window);
    ASSERT_EQ(popups.size(), mainMenu().size());
    for (std::size_t i = 0; i < popups.size(); ++i) {
        expectPopupMatches(*popups[i], mainMenu()[i], window->actions());
    }
}

TEST(MenuBar, ReadsAsTheUserSeesIt) {
    auto window = startWindow(1);
    QStringList titles;
    for (QMenu* m : menuBarPopups(*window)) titles << m->title();
    EXPECT_EQ(titles, QStringList({"File(&F)", "Edit(&E)", "View(&V)", "Maze(&M)", "Region(&R)",
                                   "Variant(&Z)", "Help(&H)"}));
    const CommandActions& a = window->actions();
    EXPECT_EQ(a.menuAction(kOpen)->text(), "Open...(&O)");
    EXPECT_EQ(a.menuAction(kSave)->text(), "Save\tCtrl+S");
    EXPECT_EQ(a.menuAction(kDelete)->text(), "Delete\tDel");
    EXPECT_EQ(a.menuAction(kShowObject)->text(), "Show object\tCtrl+O");
    EXPECT_EQ(a.menuAction(kAbout)->text(), "About(&A)...");
    // Help sits apart at the far end of the bar.
    for (QAction* top : window->menuBar()->actions()) EXPECT_NE(top->text(), "Help(&H)");
}

TEST(MenuBar, StartsWithTheViewEntriesCheckedVanillaMarkedAndThePenDown) {
    auto window = startWindow(1);
    const CommandActions& a = window->actions();
    for (int id : {kShowRegion, kShowMonster, kShowObject})
        EXPECT_TRUE(a.menuAction(id)->isChecked());
    EXPECT_TRUE(a.menuAction(290)->isChecked());
    EXPECT_FALSE(a.menuAction(291)->isChecked());
    EXPECT_FALSE(a.menuAction(292)->isChecked());
    for (const auto& [id, tool] : a.tools) EXPECT_EQ(tool->isChecked(), id == 2002) << id;
    for (const auto& [id, entry] : a.menu) EXPECT_TRUE(entry->isEnabled()) << id;
}

// Selects a cell holding a monster: the monster kind from the palette, a
// pen click, then the select tool's click on it.
void selectCellWithMonster(MainWindow& window) {
    QWidget& map = window.mapWidget();
    QTest::mouseClick(&map, Qt::LeftButton, {}, logicalOf(window, 105, 400));
    QTest::mouseClick(&map, Qt::LeftButton, {}, logicalOf(window, 105, 207));
    QTest::keyClick(&map, Qt::Key_Escape);
    QTest::mouseClick(&map, Qt::LeftButton, {}, logicalOf(window, 105, 207));
}

TEST(MenuBar, EditGreysCutCopyPasteAlwaysAndDeleteWithoutASelection) {
    auto window = startWindow(1);
    const CommandActions& a = window->actions();
    EXPECT_FALSE(openMenusTo(*window, kDelete));
    for (int id : {kCut, kCopy, kPaste}) EXPECT_FALSE(a.menuAction(id)->isEnabled()) << id;

    selectCellWithMonster(*window);
    ASSERT_EQ(window->editor().state().selectedCell, (CellPos{10, 11}));
    EXPECT_TRUE(openMenusTo(*window, kDelete));
    for (int id : {kCut, kCopy, kPaste}) EXPECT_FALSE(a.menuAction(id)->isEnabled()) << id;

    // Delete takes the monster and the selection with it.
    a.menuAction(kDelete)->trigger();
    EXPECT_FALSE(openMenusTo(*window, kDelete));
}

TEST(MenuBar, EveryPopupGreysWhatIsNeverOfferedAsItOpens) {
    auto window = startWindow(1);
    const CommandActions& a = window->actions();
    struct Case {
        int id;
        bool offered;
    };
    const std::vector<Case> cases = {
        {kOpen, true},       {kTest, false},       {kTest2, false}, {kQuit, true},
        {kShowObject, true}, {kNewGeometry, true}, {403, true},     {414, true},
        {290, true},         {292, false},         {kAbout, true},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(a.menuAction(c.id)->isEnabled()) << c.id << " before any popup opened";
    }
    for (const Case& c : cases) EXPECT_EQ(openMenusTo(*window, c.id), c.offered) << c.id;
}

TEST(Accelerators, CtrlRMAndOToggleTheViewEntriesAndNothingElse) {
    auto window = startWindow(1);
    ModalAnswerer dialogs([](QWidget& w) { w.close(); });
    const EditorState& state = window->editor().state();
    struct Case {
        Qt::Key key;
        int id;
        const bool* flag;
    };
    for (const Case& c : {Case{Qt::Key_R, kShowRegion, &state.showRegions},
                          Case{Qt::Key_M, kShowMonster, &state.showMonsters},
                          Case{Qt::Key_O, kShowObject, &state.showObjects}}) {
        SCOPED_TRACE(c.id);
        QAction* entry = window->actions().menuAction(c.id);
        QTest::keyClick(window.get(), c.key, Qt::ControlModifier);
        EXPECT_FALSE(*c.flag);
        EXPECT_FALSE(entry->isChecked());
        QTest::keyClick(window.get(), c.key, Qt::ControlModifier);
        EXPECT_TRUE(*c.flag);
        EXPECT_TRUE(entry->isChecked());
    }
    EXPECT_EQ(dialogs.seen(), 0) << "Ctrl+O opened a dialog";
    EXPECT_EQ(window->editor().document().path(), "");
}

TEST(Accelerators, CutCopyAndPasteChangeNothing) {
    auto window = startWindow(1);
    const std::vector<std::uint32_t> before = window->editor().canvas().pixels();
    QTest::mouseClick(&window->mapWidget(), Qt::LeftButton, {}, logicalOf(*window, 105, 207));
    const std::vector<std::uint32_t> painted = window->editor().canvas().pixels();
    ASSERT_NE(before, painted);
    for (Qt::Key key : {Qt::Key_X, Qt::Key_C, Qt::Key_V}) {
        QTest::keyClick(window.get(), key, Qt::ControlModifier);
    }
    EXPECT_EQ(window->editor().canvas().pixels(), painted);
}

TEST(Accelerators, AreNotDeliveredForAGreyedEntry) {
    auto window = startWindow(1);
    window->actions().menuAction(kShowObject)->setEnabled(false);
    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_TRUE(window->editor().state().showObjects);
}

TEST(Accelerators, CtrlSWithoutAFileAsksWhereToSave) {
    auto window = startWindow(1);
    QString title;
    ModalAnswerer dialogs([&](QWidget& w) {
        title = w.windowTitle();
        w.close();
    });
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(dialogs.seen(), 1);
    EXPECT_EQ(title, "Save As");
}

}  // namespace
}  // namespace mapedit::test
