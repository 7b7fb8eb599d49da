#include "qt/qt_dialog_controls.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

#include "qt/byte_text.h"
#include "qt/window_placement.h"

namespace mapedit {

QWidget* QtDialogControls::control(int id) const {
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}

template <typename W>
W* QtDialogControls::find(int id) const {
    return qobject_cast<W*>(control(id));
}

// Unchecking a radio of an exclusive group is refused by Qt; the group's
// exclusivity is lifted for that one change.
void QtDialogControls::setChecked(int id, bool checked) {
    auto* button = find<QAbstractButton>(id);
    if (button == nullptr) return;
    const QSignalBlocker quiet(button);
    QButtonGroup* group = button->group();
    if (!checked && group != nullptr && group->exclusive()) {
        group->setExclusive(false);
        button->setChecked(false);
        group->setExclusive(true);
        return;
    }
    button->setChecked(checked);
}

bool QtDialogControls::isChecked(int id) const {
    const auto* button = find<QAbstractButton>(id);
    return button != nullptr && button->isChecked();
}

void QtDialogControls::setText(int id, std::string_view text) {
    if (auto* edit = find<QLineEdit>(id)) {
        const QSignalBlocker quiet(edit);
        edit->setText(fromBytes(text));
    }
}

std::string QtDialogControls::text(int id) const {
    const auto* edit = find<QLineEdit>(id);
    return edit != nullptr ? toBytes(edit->text()) : std::string();
}

void QtDialogControls::clearList(int id) {
    if (auto* list = find<QComboBox>(id)) {
        const QSignalBlocker quiet(list);
        list->clear();
    }
}

void QtDialogControls::addEntry(int id, std::string_view text) {
    if (auto* list = find<QComboBox>(id)) {
        const QSignalBlocker quiet(list);
        list->addItem(fromBytes(text));
        // A new list selects nothing until the procedure says so.
        if (list->count() == 1) list->setCurrentIndex(-1);
    }
}

int QtDialogControls::entryCount(int id) const {
    const auto* list = find<QComboBox>(id);
    return list != nullptr ? list->count() : 0;
}

std::string QtDialogControls::entryText(int id, int index) const {
    const auto* list = find<QComboBox>(id);
    if (list == nullptr || index < 0 || index >= list->count()) return {};
    return toBytes(list->itemText(index));
}

void QtDialogControls::select(int id, int index) {
    if (auto* list = find<QComboBox>(id)) {
        const QSignalBlocker quiet(list);
        list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
    }
}

int QtDialogControls::selection(int id) const {
    const auto* list = find<QComboBox>(id);
    return list != nullptr ? list->currentIndex() : -1;
}

// Styles that open a drop-down as a menu over the screen ignore the row
// limit; as a scrolling list it keeps to it.
void QtDialogControls::setDropDownRows(int id, int rows) {
    if (auto* list = find<QComboBox>(id)) {
        list->setStyleSheet("QComboBox { combobox-popup: 0; }");
        list->setMaxVisibleItems(rows > 0 ? rows : 1);
    }
}

void QtDialogControls::setEnabled(int id, bool enabled) {
    if (QWidget* w = control(id)) w->setEnabled(enabled);
}

// Where the designer looks, on a large or a second screen: over the middle
// of the editor window rather than of the screen.
void QtDialogControls::centerOnScreen() {
    if (const QWidget* owner = box_.parentWidget()) {
        centreOnWindow(box_, *owner);
    } else {
        centreOnScreen(box_);
    }
}

}  // namespace mapedit
