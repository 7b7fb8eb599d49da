#pragma once

#include <QWidget>
#include <functional>

namespace mapedit {

// Calls `then` once, as soon as the widget's first paint is done and on
// its way to the screen.
void afterFirstFrame(QWidget& widget, std::function<void()> then);

}  // namespace mapedit
