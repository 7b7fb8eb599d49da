#pragma once

#include <QMainWindow>
#include <QMenuBar>
#include <vector>

#include "qt/command_actions.h"

namespace mapedit {

// Builds the window's menu bar from the menu table: popups, submenus,
// texts with their mnemonics, the shortcuts shown at the right, separators
// and checkable entries (radio entries in one exclusive group per popup).
// A popup marked right-justified goes to the far end of the bar. Nothing
// is connected yet; every action starts enabled and unchecked.
void buildMenuBar(QMainWindow& window, CommandActions& actions);

// The menu bar's popups in the order the user sees them, left to right.
std::vector<QMenu*> menuBarPopups(QMainWindow& window);

}  // namespace mapedit
