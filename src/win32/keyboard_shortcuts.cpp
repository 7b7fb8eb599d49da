#include "win32/keyboard_shortcuts.h"

#include "resources/command_ids.h"
#include "resources/menu.h"
#include "resources/toolbar.h"

namespace mapedit {

namespace {

// Above every menu and toolbar id.
constexpr int kFirstKeyId = 0x7000;

}  // namespace

KeyboardShortcuts::KeyboardShortcuts() {
    for (const Accelerator& a : accelerators()) {
        add(FCONTROL, static_cast<WORD>(a.letter), {a.id, false});
    }
    add(FCONTROL | FSHIFT, 'Z', {command::kRedo, false});
    add(FCONTROL | FSHIFT, 'S', {command::kSaveAs, false});
    add(FCONTROL, 'Q', {command::kQuit, false});
    WORD digit = '1';
    for (const ToolButton& b : toolbarButtons()) {
        if (digit > '9') break;
        add(0, digit++, {b.id, true});
    }
    table_ = CreateAcceleratorTableW(keys_.data(), static_cast<int>(keys_.size()));
}

KeyboardShortcuts::~KeyboardShortcuts() {
    if (table_ != nullptr) DestroyAcceleratorTable(table_);
}

void KeyboardShortcuts::add(BYTE modifiers, WORD key, ShortcutAction action) {
    const auto id = static_cast<WORD>(kFirstKeyId + static_cast<int>(actions_.size()));
    keys_.push_back({static_cast<BYTE>(FVIRTKEY | modifiers), key, id});
    actions_.push_back(action);
}

std::optional<ShortcutAction> KeyboardShortcuts::action(int commandId) const {
    const int index = commandId - kFirstKeyId;
    if (index < 0 || index >= static_cast<int>(actions_.size())) return std::nullopt;
    return actions_[static_cast<std::size_t>(index)];
}

}  // namespace mapedit
