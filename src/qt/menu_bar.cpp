#include "qt/menu_bar.h"

#include <QActionGroup>

#include "qt/byte_text.h"

namespace mapedit {

namespace {

// The text an entry shows: its own text, then a tab and the shortcut
// shown at the right, if it has one.
QString entryText(const MenuEntry& entry) {
    QString text = fromBytes(entry.text);
    if (!entry.shortcut.empty()) text += '\t' + fromBytes(entry.shortcut);
    return text;
}

void addEntries(QMenu& menu, const MenuEntry& popup, CommandActions& actions);

void addCommand(QMenu& menu, const MenuEntry& entry, QActionGroup*& radios,
                CommandActions& actions) {
    QAction* action = menu.addAction(entryText(entry));
    if (entry.mark != MenuMark::None) action->setCheckable(true);
    if (entry.mark == MenuMark::Radio) {
        if (radios == nullptr) radios = new QActionGroup(&menu);
        radios->addAction(action);
    }
    actions.menu[entry.id] = action;
}

QMenu* addPopup(QWidget& parent, const MenuEntry& entry, CommandActions& actions) {
    auto* menu = new QMenu(fromBytes(entry.text), &parent);
    // A popup is a window of its own, which does not inherit the font.
    menu->setFont(parent.font());
    actions.popups.push_back({menu, &entry});
    addEntries(*menu, entry, actions);
    return menu;
}

void addEntries(QMenu& menu, const MenuEntry& popup, CommandActions& actions) {
    QActionGroup* radios = nullptr;
    for (const MenuEntry& e : popup.entries) {
        switch (e.kind) {
            case MenuEntryKind::Separator:
                menu.addSeparator();
                break;
            case MenuEntryKind::Popup:
                menu.addMenu(addPopup(menu, e, actions));
                break;
            case MenuEntryKind::Command:
                addCommand(menu, e, radios, actions);
                break;
        }
    }
}

// The bar that holds the right-justified popups, at the far end of the
// main bar; made on first use.
QMenuBar& farEndBar(QMenuBar& bar) {
    if (auto* far = qobject_cast<QMenuBar*>(bar.cornerWidget(Qt::TopRightCorner))) return *far;
    auto* far = new QMenuBar(&bar);
    far->setNativeMenuBar(false);
    bar.setCornerWidget(far, Qt::TopRightCorner);
    return *far;
}

}  // namespace

void buildMenuBar(QMainWindow& window, CommandActions& actions) {
    QMenuBar* bar = window.menuBar();
    // Inside the window, so the window's size is the same on every desktop.
    bar->setNativeMenuBar(false);
    for (const MenuEntry& e : mainMenu()) {
        QMenuBar& holder = e.rightJustified ? farEndBar(*bar) : *bar;
        holder.addMenu(addPopup(holder, e, actions));
    }
}

std::vector<QMenu*> menuBarPopups(QMainWindow& window) {
    std::vector<QMenu*> popups;
    QMenuBar* bar = window.menuBar();
    auto collect = [&](QMenuBar& from) {
        for (QAction* a : from.actions()) {
            if (a->menu() != nullptr) popups.push_back(a->menu());
        }
    };
    collect(*bar);
    if (auto* far = qobject_cast<QMenuBar*>(bar->cornerWidget(Qt::TopRightCorner))) collect(*far);
    return popups;
}

}  // namespace mapedit
