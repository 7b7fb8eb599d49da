#pragma once

#include <QAction>
#include <QMenu>
#include <map>
#include <vector>

#include "resources/menu.h"

namespace mapedit {

// The window's commands as Qt actions, by command id: the menu entries and
// the toolbar buttons, with every popup and the table entry it was built
// from. The actions belong to the window.
struct CommandActions {
    struct Popup {
        QMenu* menu;
        const MenuEntry* entry;
    };

    std::map<int, QAction*> menu;
    std::map<int, QAction*> tools;
    std::vector<Popup> popups;

    QAction* menuAction(int id) const;
    QAction* toolAction(int id) const;
};

}  // namespace mapedit
