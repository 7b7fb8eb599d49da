// The window's file dialogs, message boxes and the About box.
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "app/file_io.h"
#include "dialogs/property_dialogs.h"
#include "qt/dialog_host.h"
#include "qt/qt_shell.h"
#include "qt/window_fixture.h"
#include "reader/reader.h"

namespace mapedit::test {
namespace {

using namespace command;

struct FileDialogSeen {
    QString title;
    QStringList filters;
    QString selectedFilter;
    QString suffix;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    QFileDialog::AcceptMode accept = QFileDialog::AcceptOpen;
    bool confirmsOverwrite = false;
};

FileDialogSeen look(const QFileDialog& d) {
    return {d.windowTitle(),
            d.nameFilters(),
            d.selectedNameFilter(),
            d.defaultSuffix(),
            d.fileMode(),
            d.acceptMode(),
            !d.testOption(QFileDialog::DontConfirmOverwrite)};
}

const QStringList kLevelFilters = {"text(*.txt)", "All files(*.*)", "Level files(*.des)"};

TEST(FileDialogs, OpenAsksForAnExistingLevelFileAndCancellingChangesNothing) {
    auto window = startWindow(1);
    FileDialogSeen seen;
    ModalAnswerer answer([&](QWidget& w) {
        auto& dialog = dynamic_cast<QFileDialog&>(w);
        seen = look(dialog);
        dialog.reject();
    });
    chooseMenu(*window, kOpen);
    ASSERT_EQ(answer.seen(), 1);
    EXPECT_EQ(seen.title, "Open File");
    EXPECT_EQ(seen.filters, kLevelFilters);
    EXPECT_EQ(seen.selectedFilter, "text(*.txt)");
    EXPECT_EQ(seen.suffix, "txt");
    EXPECT_EQ(seen.mode, QFileDialog::ExistingFile);
    EXPECT_EQ(seen.accept, QFileDialog::AcceptOpen);
    EXPECT_EQ(window->windowTitle(), "Morvath Map Construction Helper");
}

TEST(FileDialogs, SaveAsAsksWithAnOverwritePromptAndSavesWhereTheUserSaid) {
    auto window = startWindow(1);
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "mapedit-saveas";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    window->openStartFile(MAPEDIT_SOURCE_DIR "/samples/keep.des");
    FileDialogSeen seen;
    ModalAnswerer answer([&](QWidget& w) {
        auto& dialog = dynamic_cast<QFileDialog&>(w);
        seen = look(dialog);
        // A name typed without an extension gets the default one.
        dialog.selectFile(QString::fromStdString((dir / "copy").string()));
        static_cast<QDialog&>(dialog).accept();
    });
    chooseMenu(*window, kSaveAs);
    ASSERT_EQ(answer.seen(), 1);
    EXPECT_EQ(seen.title, "Save As");
    EXPECT_EQ(seen.filters, kLevelFilters);
    EXPECT_EQ(seen.selectedFilter, "text(*.txt)");
    EXPECT_EQ(seen.accept, QFileDialog::AcceptSave);
    EXPECT_TRUE(seen.confirmsOverwrite);
    EXPECT_TRUE(std::filesystem::exists(dir / "copy.txt"));
    EXPECT_EQ(window->windowTitle(), "copy.txt - Morvath Map Construction Helper");
    std::filesystem::remove_all(dir);
}

TEST(MessageBoxes, AParseErrorIsShownUnderParseErrorWithTheReadersReport) {
    auto window = startWindow(1);
    QString caption, text;
    ModalAnswerer answer([&](QWidget& w) {
        auto& box = dynamic_cast<QMessageBox&>(w);
        caption = box.windowTitle();
        text = box.text();
        box.button(QMessageBox::Ok)->click();
    });
    window->openStartFile(MAPEDIT_TEST_DATA "/cli/bad_no_maze.des");
    ASSERT_EQ(answer.seen(), 1);
    EXPECT_EQ(caption, "Parse Error");
    const auto file = readWholeFile(MAPEDIT_TEST_DATA "/cli/bad_no_maze.des");
    ASSERT_TRUE(file) << file.error();
    Random random;
    const auto read = readLevel(*file, random, Variant::Vanilla);
    ASSERT_FALSE(read);
    EXPECT_EQ(text.toStdString(), read.error().message);
    EXPECT_EQ(window->windowTitle(), "bad_no_maze.des - Morvath Map Construction Helper");
}

// Every control lies inside the box's client area.
void expectInside(const QWidget& box, const QWidget& control) {
    EXPECT_TRUE(box.rect().contains(control.geometry())) << control.metaObject()->className();
}

TEST(AboutBox, ShowsTheIconNameAndVersionWithADefaultOkInsideIt) {
    auto window = startWindow(1);
    QString caption;
    QStringList texts;
    bool defaultOk = false;
    ModalAnswerer answer([&](QWidget& box) {
        caption = box.windowTitle();
        for (const QLabel* label : box.findChildren<QLabel*>()) {
            expectInside(box, *label);
            EXPECT_GE(label->width(), label->sizeHint().width()) << "cut off";
            if (!label->text().isEmpty()) texts << label->text();
            if (label->text().isEmpty()) {
                EXPECT_FALSE(label->pixmap().isNull());
            }
        }
        const auto buttons = box.findChildren<QPushButton*>();
        ASSERT_EQ(buttons.size(), 1);
        expectInside(box, *buttons[0]);
        defaultOk = buttons[0]->isDefault() && buttons[0]->text() == "OK";
        QTest::keyClick(buttons[0], Qt::Key_Return);
    });
    chooseMenu(*window, kAbout);
    ASSERT_EQ(answer.seen(), 1);
    EXPECT_EQ(caption, "About");
    EXPECT_EQ(texts, QStringList{"Morvath Map Construction Helper  v0.02"});
    EXPECT_TRUE(defaultOk);
}

TEST(AboutBox, EndsAsOkWithOkAndAsCancelWithEscapeOrTheCloseBox) {
    auto window = startWindow(1);
    struct Case {
        const char* how;
        std::function<void(QWidget&)> answer;
        DialogResult result;
    };
    const std::vector<Case> cases = {
        {"OK", [](QWidget& b) { b.findChild<QPushButton*>()->click(); }, DialogResult::Ok},
        {"Escape", [](QWidget& b) { QTest::keyClick(&b, Qt::Key_Escape); }, DialogResult::Cancel},
        {"close box", [](QWidget& b) { b.close(); }, DialogResult::Cancel},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        ModalAnswerer answer(c.answer);
        const auto about = makePropertyDialog(AboutBox{}, Variant::Vanilla);
        ASSERT_TRUE(about);
        EXPECT_EQ(runPropertyDialog(*window, *about), c.result);
        EXPECT_EQ(answer.seen(), 1);
    }
}

}  // namespace
}  // namespace mapedit::test
