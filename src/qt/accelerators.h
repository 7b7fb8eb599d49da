#pragma once

#include <QWidget>
#include <functional>

namespace mapedit {

// Binds the accelerator table to the window: Ctrl + each letter of the
// table calls `deliver` with its command id while the window is active.
void installAccelerators(QWidget& window, const std::function<void(int id)>& deliver);

}  // namespace mapedit
