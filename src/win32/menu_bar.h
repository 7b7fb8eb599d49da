#pragma once

#include <windows.h>

#include <map>

#include "resources/menu.h"

namespace mapedit {

// The window's menu bar built from the shared menu table: each popup's
// handle with the entry it was made from, for the menu-opening rule.
struct MenuBar {
    HMENU bar = nullptr;
    std::map<HMENU, const MenuEntry*> popups;
};

// Entries keep their "&" mnemonics and show their shortcut text after a
// tab; radio entries carry a bullet when checked; right-justified popups
// stand at the far end of the bar.
MenuBar buildMenuBar();

}  // namespace mapedit
