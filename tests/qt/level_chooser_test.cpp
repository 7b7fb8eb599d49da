// The question which level of a file to edit, as the window asks it.
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>

#include "qt/level_chooser.h"
#include "qt/window_fixture.h"

namespace mapedit::test {
namespace {

const std::string kTowers = std::string(MAPEDIT_TEST_DATA) + "/multi/watchtowers.des";

// Looks at the list, then picks `row` (or cancels when it is negative).
ModalAnswerer choosing(int row, QStringList& shown, std::vector<bool>& enabled, int& current) {
    return ModalAnswerer([=, &shown, &enabled, &current](QWidget& w) {
        auto* list = w.findChild<QListWidget*>();
        auto* buttons = w.findChild<QDialogButtonBox*>();
        current = list->currentRow();
        for (int i = 0; i < list->count(); ++i) {
            shown << list->item(i)->text();
            enabled.push_back((list->item(i)->flags() & Qt::ItemIsEnabled) != 0);
        }
        if (row < 0) {
            buttons->button(QDialogButtonBox::Cancel)->click();
            return;
        }
        list->setCurrentRow(row);
        buttons->button(QDialogButtonBox::Ok)->click();
    });
}

TEST(LevelChooser, ListsEveryLevelAndOpensTheChosenOne) {
    auto window = startWindow(1);
    QStringList shown;
    std::vector<bool> enabled;
    int current = -1;
    const ModalAnswerer answer = choosing(2, shown, enabled, current);
    EXPECT_TRUE(window->editor().openFile(kTowers));
    EXPECT_EQ(answer.seen(), 1);
    EXPECT_EQ(shown, QStringList({"1 \"tower-1\"",
                                  "2 \"scriptorium\" (rooms and corridors: cannot be edited)",
                                  "3 \"tower-2\"", "4 \"fields\""}));
    EXPECT_EQ(enabled, std::vector<bool>({true, false, true, true}));
    EXPECT_EQ(current, 0);
    EXPECT_EQ(shownTitle(*window).toStdString(),
              "watchtowers.des (tower-2) - Morvath Map Construction Helper");
}

TEST(LevelChooser, CancelOpensNothing) {
    auto window = startWindow(1);
    const QString before = shownTitle(*window);
    QStringList shown;
    std::vector<bool> enabled;
    int current = -1;
    const ModalAnswerer answer = choosing(-1, shown, enabled, current);
    EXPECT_FALSE(window->editor().openFile(kTowers));
    EXPECT_EQ(answer.seen(), 1);
    EXPECT_EQ(shownTitle(*window), before);
}

}  // namespace
}  // namespace mapedit::test
