#pragma once

#include <QFont>
#include <QRect>

namespace mapedit {

// Dialog layouts are given in dialog units: a quarter of the dialog
// font's average character width across and an eighth of its height down,
// so that a dialog grows with its font.
struct DialogBaseUnits {
    int x;  // average character width in pixels
    int y;  // character height in pixels
};

DialogBaseUnits dialogBaseUnits(const QFont& font);

// The font property dialogs use: the application's, at 9 points.
QFont dialogFont();

// A rectangle in dialog units as pixels. The edges are converted rather
// than the size, so controls that touch in units touch in pixels.
QRect dialogRect(const DialogBaseUnits& units, int x, int y, int width, int height);

}  // namespace mapedit
