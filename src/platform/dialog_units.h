#pragma once

#include <span>

#include "platform/dialog_template.h"

namespace mapedit {

// Dialog layouts are given in dialog units: a quarter of the dialog
// font's average character width across and an eighth of its height down,
// so that a dialog grows with its font.
struct DialogBaseUnits {
    int x;  // average character width in pixels
    int y;  // character height in pixels
};

// A rectangle in pixels.
struct PixelRect {
    int x = 0, y = 0, width = 0, height = 0;

    bool operator==(const PixelRect&) const = default;
};

// A rectangle in dialog units as pixels. The edges are converted rather
// than the size, so controls that touch in units touch in pixels.
PixelRect dialogRect(const DialogBaseUnits& units, int x, int y, int width, int height);
inline PixelRect dialogRect(const DialogBaseUnits& units, const DialogRect& r) {
    return dialogRect(units, r.x, r.y, r.width, r.height);
}

// A control whose text must fit it: its rectangle in dialog units and the
// pixels its text takes across and down (0 where nothing is asked).
struct TextPlace {
    DialogRect rect;
    int width = 0;
    int height = 0;
};

// The smallest units, no smaller than `base`, at which every place is as
// wide and as high in pixels as its text needs. The desktop font is often
// wider than the one the layouts were made for; growing the units grows
// the dialog and its controls together, so the layout keeps its shape.
DialogBaseUnits unitsToFit(DialogBaseUnits base, std::span<const TextPlace> places);

}  // namespace mapedit
