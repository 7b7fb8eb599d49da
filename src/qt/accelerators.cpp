#include "qt/accelerators.h"

#include <QShortcut>

#include "resources/command_ids.h"
#include "resources/menu.h"
#include "resources/toolbar.h"

namespace mapedit {

void installAccelerators(QWidget& window, const std::function<void(int id)>& deliver) {
    for (const Accelerator& a : accelerators()) {
        const auto key = static_cast<Qt::Key>(Qt::Key_A + (a.letter - 'A'));
        auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | key), &window);
        shortcut->setContext(Qt::WindowShortcut);
        const int id = a.id;
        QObject::connect(shortcut, &QShortcut::activated, &window, [deliver, id] { deliver(id); });
    }
}

std::vector<DesktopShortcut> desktopShortcuts() {
    std::vector<DesktopShortcut> keys = {
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), command::kRedo, false},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), command::kSaveAs, false},
        {QKeySequence(Qt::CTRL | Qt::Key_Q), command::kQuit, false},
    };
    // The digits choose the tools in toolbar order.
    int digit = 1;
    for (const ToolButton& b : toolbarButtons()) {
        if (digit > 9) break;
        keys.push_back({QKeySequence(Qt::Key_0 + digit), b.id, true});
        ++digit;
    }
    return keys;
}

void installDesktopShortcuts(QWidget& window, const std::function<void(int id)>& deliverCommand,
                             const std::function<void(int id)>& pressTool) {
    for (const DesktopShortcut& s : desktopShortcuts()) {
        auto* shortcut = new QShortcut(s.keys, &window);
        shortcut->setContext(Qt::WindowShortcut);
        const auto& deliver = s.toolButton ? pressTool : deliverCommand;
        QObject::connect(shortcut, &QShortcut::activated, &window,
                         [deliver, id = s.command] { deliver(id); });
    }
}

}  // namespace mapedit
