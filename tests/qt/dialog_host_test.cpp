// Every property dialog built from its template by the desktop host: the
// controls lie inside the box with their texts and radio groups, a click
// reaches the procedure, OK writes the subject and Cancel does not.
#include <gtest/gtest.h>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/property_dialogs.h"
#include "qt/dialog_host.h"
#include "qt/window_fixture.h"
#include "resources/dialog_templates.h"
#include "support/dialog_subjects.h"

namespace mapedit::test {
namespace {

int radioGroupsOf(const DialogTemplate& t) {
    int groups = 0;
    bool open = false;  // a radio group runs until the next control that starts a group
    for (const ControlTemplate& c : t.controls) {
        if (c.has(kGroupStart)) open = false;
        if (c.kind == ControlKind::Radio && !open) {
            ++groups;
            open = true;
        }
    }
    return groups;
}

TEST(DialogHost, EveryTemplateBuildsInsideItsBoxWithItsTextsAndGroups) {
    auto window = startWindow(1);
    for (const DialogTemplate* t : dialogTemplates()) {
        SCOPED_TRACE(t->id);
        DialogSubjects subjects;
        subjects.altar = 0x11;
        subjects.value = 0x21;
        subjects.alignment = {HorizontalAlignment::Center, VerticalAlignment::Center};
        subjects.marker = 0x21;
        const auto dialog = subjects.dialogFor(t->id, Variant::Vanilla);
        ASSERT_TRUE(dialog);
        QString caption;
        int outside = 0, groups = 0, buttons = 0;
        QStringList texts;
        ModalAnswerer answer([&](QWidget& box) {
            caption = box.windowTitle();
            for (const QWidget* w : box.findChildren<QWidget*>()) {
                if (w->parentWidget() == &box && !box.rect().contains(w->geometry())) ++outside;
            }
            for (const auto* b : box.findChildren<QAbstractButton*>()) texts << b->text();
            groups = static_cast<int>(box.findChildren<QButtonGroup*>().size());
            buttons = static_cast<int>(box.findChildren<QPushButton*>().size());
            QTest::keyClick(&box, Qt::Key_Escape);
        });
        EXPECT_EQ(runPropertyDialog(*window, *dialog), DialogResult::Cancel);
        EXPECT_EQ(answer.seen(), 1);
        EXPECT_EQ(caption.toStdString(), t->caption);
        EXPECT_EQ(outside, 0);
        EXPECT_EQ(groups, radioGroupsOf(*t));
        EXPECT_GE(buttons, 1);
        for (const ControlTemplate& c : t->controls) {
            const bool clickable = c.kind == ControlKind::Radio ||
                                   c.kind == ControlKind::CheckBox || c.kind == ControlKind::Button;
            if (clickable) {
                EXPECT_TRUE(texts.contains(QString::fromLatin1(c.text))) << c.text;
            }
        }
    }
}

// The trap dialog: OK writes the chosen trap; Cancel leaves the record.
TEST(DialogHost, OkWritesTheSubjectAndCancelDoesNot) {
    auto window = startWindow(1);
    for (const bool ok : {true, false}) {
        SCOPED_TRACE(ok ? "OK" : "Cancel");
        TrapSpec trap;
        trap.chance = 100;
        const auto dialog = makePropertyDialog(trap, Variant::Vanilla);
        ModalAnswerer answer([&](QWidget& box) {
            auto* list = box.findChild<QComboBox*>();
            ASSERT_NE(list, nullptr);
            list->setCurrentIndex(3);
            emit list->activated(3);
            for (auto* b : box.findChildren<QPushButton*>()) {
                if (b->text() == (ok ? "OK" : "Cancel")) b->click();
            }
        });
        EXPECT_EQ(runPropertyDialog(*window, *dialog),
                  ok ? DialogResult::Ok : DialogResult::Cancel);
        EXPECT_EQ(trap.trapType != 0, ok);
    }
}

}  // namespace
}  // namespace mapedit::test
