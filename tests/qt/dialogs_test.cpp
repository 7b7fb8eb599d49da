// The window's file dialogs, message boxes and the About box.
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <functional>

#include "app/file_io.h"
#include "dialogs/property_dialogs.h"
#include "qt/dialog_host.h"
#include "qt/framebuffer_image.h"
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
// Saving offers the writer's own layout as well.
const QStringList kSaveFilters = kLevelFilters + QStringList{"Level files, fixed layout(*.des)"};

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
    EXPECT_EQ(shownTitle(*window), "Morvath Map Construction Helper");
}

// The user picks the type in the dialog's type list, then types a name
// without an extension: the file gets the type's extension.
TEST(FileDialogs, SaveAsGivesANameWithoutExtensionTheChosenTypes) {
    struct Case {
        int type;
        const char* saved;
    };
    const Case cases[] = {{0, "level.txt"}, {1, "level.txt"}, {2, "level.des"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.saved);
        auto window = startWindow(1);
        const std::filesystem::path dir =
            std::filesystem::temp_directory_path() / "mapedit-saveas-type";
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        window->openStartFile(MAPEDIT_SOURCE_DIR "/samples/keep.des");
        ModalAnswerer answer([&](QWidget& w) {
            auto& dialog = dynamic_cast<QFileDialog&>(w);
            auto* types = dialog.findChild<QComboBox*>("fileTypeCombo");
            ASSERT_NE(types, nullptr);
            types->setCurrentIndex(c.type);
            // What choosing an entry with the mouse or the keys sends.
            emit types->activated(c.type);
            emit types->textActivated(types->itemText(c.type));
            dialog.selectFile(QString::fromStdString((dir / "level").string()));
            static_cast<QDialog&>(dialog).accept();
        });
        chooseMenu(*window, kSaveAs);
        ASSERT_EQ(answer.seen(), 1);
        EXPECT_TRUE(std::filesystem::exists(dir / c.saved));
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir),
                                std::filesystem::directory_iterator()),
                  1);
    }
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
    EXPECT_EQ(seen.filters, kSaveFilters);
    EXPECT_EQ(seen.selectedFilter, "text(*.txt)");
    EXPECT_EQ(seen.accept, QFileDialog::AcceptSave);
    EXPECT_TRUE(seen.confirmsOverwrite);
    EXPECT_TRUE(std::filesystem::exists(dir / "copy.txt"));
    EXPECT_EQ(shownTitle(*window), "copy.txt - Morvath Map Construction Helper");
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
    EXPECT_EQ(shownTitle(*window), "bad_no_maze.des - Morvath Map Construction Helper");
}

// A message box carries the icon of what it tells: a failure, a question,
// or anything else.
TEST(MessageBoxes, CarryTheIconOfTheirKind) {
    auto window = startWindow(1);
    QtShell shell(*window, window->actions());
    struct Case {
        const char* name;
        std::function<void()> show;
        QMessageBox::Icon icon;
    };
    const Case cases[] = {
        {"error", [&] { shell.showMessage("Cannot write", "Save", MessageKind::Error); },
         QMessageBox::Critical},
        {"information", [&] { shell.showMessage("Saved", "Save", MessageKind::Information); },
         QMessageBox::Information},
        {"question",
         [&] { shell.askMessage("Save changes to x?", "M", MessageButtons::YesNoCancel); },
         QMessageBox::Question},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        ModalAnswerer answer([&](QWidget& w) {
            auto& box = dynamic_cast<QMessageBox&>(w);
            icon = box.icon();
            box.reject();
        });
        c.show();
        ASSERT_EQ(answer.seen(), 1);
        EXPECT_EQ(icon, c.icon);
    }
}

// After a file that does not read, the window shows the level the editor
// holds, exactly as a full repaint draws it, not the level before.
TEST(MessageBoxes, AfterAParseErrorTheWindowShowsTheLevelHeld) {
    auto window = startWindow(1);
    window->openStartFile(MAPEDIT_SOURCE_DIR "/samples/keep.des");
    const QImage before = window->mapWidget().grab().toImage();
    ModalAnswerer ok([](QWidget& w) { dynamic_cast<QMessageBox&>(w).accept(); });
    window->openStartFile(MAPEDIT_TEST_DATA "/cli/bad_trap.des");
    ASSERT_EQ(ok.seen(), 1);
    const QImage shown = window->mapWidget().grab().toImage().convertToFormat(QImage::Format_RGB32);
    window->editor().onPaint();
    const QImage held = framebufferImage(window->editor().canvas(), 1);
    EXPECT_EQ(shown, held.convertToFormat(QImage::Format_RGB32));
    EXPECT_NE(shown, before.convertToFormat(QImage::Format_RGB32));
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
