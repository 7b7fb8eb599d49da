#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>

namespace mapedit {

// Where a window of `size` goes to sit in the middle of `desktop`: half
// the room left over on each side, rounded toward zero, so a window larger
// than the desktop overhangs it by half on each side.
QPoint centredOrigin(const QRect& desktop, QSize size);

// Moves a top-level window, keeping its size, to the middle of its screen.
void centreOnScreen(QWidget& window);

// Moves a dialog not yet shown, at the size its contents ask for, to the
// middle of the window it belongs to, where the designer is looking (on
// whichever screen that is).
void centreOnWindow(QWidget& dialog, const QWidget& owner);

}  // namespace mapedit
