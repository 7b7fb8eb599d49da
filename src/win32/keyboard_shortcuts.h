#pragma once

#include <windows.h>

#include <optional>
#include <vector>

namespace mapedit {

// What a key of the accelerator table does: deliver a menu command as its
// accelerator (the menu-opening rule decides), or press a tool button.
struct ShortcutAction {
    int command = 0;
    bool toolButton = false;
};

// The keys of the window: Ctrl + a letter from the shared accelerator
// table, Ctrl+Shift+Z (redo), Ctrl+Shift+S (save as), Ctrl+Q (quit) and
// the digits 1-9 for the tools in toolbar order. Each key's WM_COMMAND id
// is its own, apart from the menu's ids: Windows would not deliver the key
// of an entry it last saw greyed, and whether it is greyed is the
// editor's to say at the time of the key.
class KeyboardShortcuts {
  public:
    KeyboardShortcuts();
    KeyboardShortcuts(const KeyboardShortcuts&) = delete;
    KeyboardShortcuts& operator=(const KeyboardShortcuts&) = delete;
    ~KeyboardShortcuts();

    HACCEL table() const { return table_; }
    // The action of a WM_COMMAND id from the table, or nothing.
    std::optional<ShortcutAction> action(int commandId) const;
    const std::vector<ACCEL>& keys() const { return keys_; }

  private:
    void add(BYTE modifiers, WORD key, ShortcutAction action);

    std::vector<ACCEL> keys_;
    std::vector<ShortcutAction> actions_;
    HACCEL table_ = nullptr;
};

}  // namespace mapedit
