// Every property dialog built from its template by the desktop host: the
// controls lie inside the box with their texts and radio groups, a click
// reaches the procedure, OK writes the subject and Cancel does not.
#include <gtest/gtest.h>
#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cstdlib>

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

// The texts of a dialog's controls that their controls cut off, each with
// the pixels it lacks.
QStringList clippedTexts(const QWidget& box) {
    QStringList clipped;
    auto check = [&](const QString& text, int needed, int has) {
        if (needed > has) clipped << QString("%1 (%2 > %3)").arg(text).arg(needed).arg(has);
    };
    for (const auto* l : box.findChildren<QLabel*>()) {
        if (!l->text().isEmpty()) check(l->text(), l->sizeHint().width(), l->width());
    }
    for (const auto* r : box.findChildren<QRadioButton*>()) {
        check(r->text(), r->sizeHint().width(), r->width());
    }
    for (const auto* c : box.findChildren<QCheckBox*>()) {
        check(c->text(), c->sizeHint().width(), c->width());
    }
    for (const auto* b : box.findChildren<QPushButton*>()) {
        const int margin = b->style()->pixelMetric(QStyle::PM_ButtonMargin);
        check(b->text(), b->fontMetrics().horizontalAdvance(b->text()) + 2 * margin, b->width());
    }
    for (const auto* g : box.findChildren<QGroupBox*>()) {
        check(g->title(), g->fontMetrics().horizontalAdvance(g->title()), g->width());
    }
    return clipped;
}

// The rows of an open drop-down's list that can be seen, whole or in part.
int rowsShown(const QComboBox& list) {
    const QAbstractItemView& view = *list.view();
    const QRect visible = view.viewport()->rect();
    int rows = 0;
    for (int row = 0; row < list.count(); ++row) {
        const QRect r = view.visualRect(list.model()->index(row, 0));
        if (!r.isEmpty() && r.intersects(visible)) ++rows;
    }
    return rows;
}

TEST(DialogHost, EveryTextFitsAndEveryListKeepsToItsRows) {
    for (const int zoom : {1, 2}) {
        auto window = startWindow(zoom);
        for (const DialogTemplate* t : dialogTemplates()) {
            SCOPED_TRACE(testing::Message() << "zoom " << zoom << ", dialog " << t->id);
            DialogSubjects subjects;
            const auto dialog = subjects.dialogFor(t->id, Variant::Vanilla);
            ASSERT_TRUE(dialog);
            QStringList clipped, tooLong;
            ModalAnswerer answer([&](QWidget& box) {
                clipped = clippedTexts(box);
                for (auto* list : box.findChildren<QComboBox*>()) {
                    if (list->count() == 0) continue;
                    list->showPopup();
                    const int rows = rowsShown(*list);
                    if (rows > list->maxVisibleItems() || rows == 0) {
                        tooLong << QString("%1 rows of %2, limit %3")
                                       .arg(rows)
                                       .arg(list->count())
                                       .arg(list->maxVisibleItems());
                    }
                    list->hidePopup();
                }
                QTest::keyClick(&box, Qt::Key_Escape);
            });
            runPropertyDialog(*window, *dialog);
            EXPECT_EQ(answer.seen(), 1);
            EXPECT_TRUE(clipped.isEmpty()) << clipped.join(", ").toStdString();
            EXPECT_TRUE(tooLong.isEmpty()) << tooLong.join(", ").toStdString();
        }
    }
}

// Every dialog opens over the middle of the editor window, wherever the
// window is on the screen.
TEST(DialogHost, EveryDialogOpensCentredOnTheEditorWindow) {
    auto window = startWindow(1);
    window->move(window->pos() + QPoint(41, 29));
    const QPoint windowCentre = window->frameGeometry().center();
    for (const DialogTemplate* t : dialogTemplates()) {
        SCOPED_TRACE(t->id);
        DialogSubjects subjects;
        const auto dialog = subjects.dialogFor(t->id, Variant::Vanilla);
        ASSERT_TRUE(dialog);
        QPoint centre;
        ModalAnswerer answer([&](QWidget& box) {
            centre = box.frameGeometry().center();
            QTest::keyClick(&box, Qt::Key_Escape);
        });
        runPropertyDialog(*window, *dialog);
        ASSERT_EQ(answer.seen(), 1);
        // Within the rounding of odd sizes.
        EXPECT_LE(std::abs(centre.x() - windowCentre.x()), 2) << centre.x();
        EXPECT_LE(std::abs(centre.y() - windowCentre.y()), 2) << centre.y();
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
