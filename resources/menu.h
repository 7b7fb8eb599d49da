#pragma once

#include <span>
#include <string_view>

#include "resources/command_ids.h"

namespace mapedit {

enum class MenuEntryKind { Command, Separator, Popup };

// The mark a command entry can carry.
enum class MenuMark { None, Check, Radio };

// When the menu-opening rule greys an entry.
enum class MenuAvailability {
    Unchanged,       // left as it is
    NeverOffered,    // greyed every time its popup opens
    NeedsSelection,  // enabled only while a cell or an area is selected
    NeedsUndo,       // enabled only while there is a step to undo
    NeedsRedo,       // enabled only while there is a step to redo
};

// One entry of a menu: a command, a separator or a popup with entries of
// its own. Texts keep their "&" mnemonics; `shortcut` is the text shown at
// the right, not a binding (the accelerator table binds keys).
struct MenuEntry {
    MenuEntryKind kind = MenuEntryKind::Command;
    int id = 0;  // command id; 0 for separators and popups
    std::string_view text;
    std::string_view shortcut;
    MenuMark mark = MenuMark::None;
    MenuAvailability availability = MenuAvailability::Unchanged;
    std::span<const MenuEntry> entries;  // popups only
    bool rightJustified = false;         // set apart at the far end of its bar or popup
};

// The menu bar: its popups in order.
std::span<const MenuEntry> mainMenu();

// The popups from the menu bar down to the one holding command `id`,
// outermost first; empty when no entry has that id.
struct MenuPath {
    const MenuEntry* popups[3] = {};
    int depth = 0;
};
MenuPath popupsHolding(int id);

// The accelerators: Ctrl + a letter delivers a command.
struct Accelerator {
    char letter;  // upper case
    int id;
};
std::span<const Accelerator> accelerators();
// The command of Ctrl+letter (either case), or 0.
int acceleratorCommand(char letter);

}  // namespace mapedit
