#pragma once

#include <QKeySequence>
#include <QWidget>
#include <functional>
#include <vector>

namespace mapedit {

// Binds the accelerator table to the window: Ctrl + each letter of the
// table calls `deliver` with its command id while the window is active.
void installAccelerators(QWidget& window, const std::function<void(int id)>& deliver);

// The keys a desktop user expects besides the accelerators, none of them
// one the accelerators or the client area use: each with the menu command
// it chooses, or the toolbar button it presses.
struct DesktopShortcut {
    QKeySequence keys;
    int command;
    bool toolButton;
};
std::vector<DesktopShortcut> desktopShortcuts();

// Binds them to the window: a menu command goes to `deliverCommand` as an
// accelerator does, a tool button to `pressTool`.
void installDesktopShortcuts(QWidget& window, const std::function<void(int id)>& deliverCommand,
                             const std::function<void(int id)>& pressTool);

}  // namespace mapedit
