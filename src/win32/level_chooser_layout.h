#pragma once

#include "platform/dialog_units.h"

namespace mapedit {

// What the level question's contents need, in pixels of its font.
struct LevelChooserSizes {
    DialogBaseUnits units;
    int questionWidth = 0;
    int widestEntry = 0;
    int rowHeight = 0;
    int entries = 0;
    int buttonTextWidth = 0;  // the wider of OK and Cancel, with margins
    int scrollBarWidth = 0;
};

// The question on one line over the list, OK and Cancel side by side at the
// bottom right; the list as wide as its widest entry beside its scroll
// bar and as high as its entries, up to ten rows.
struct LevelChooserLayout {
    PixelRect question, list, ok, cancel;
    int width = 0, height = 0;  // the client area
};

LevelChooserLayout levelChooserLayout(const LevelChooserSizes& sizes);

}  // namespace mapedit
