#include "qt/accelerators.h"

#include <QShortcut>

#include "resources/menu.h"

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

}  // namespace mapedit
