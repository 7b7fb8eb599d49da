#include "app/background_refresh.h"

#include "edit/wall_redraw.h"
#include "generate/background.h"

namespace mapedit {

void refreshBackground(PaintContext& p, Random& random) {
    regenerateBackground(p.level, random);
    const LevelSettings& s = p.level.settings;
    if (s.fillMode == kPlainFill && s.filling == ' ') {
        for (const MapPart& part : p.level.usedParts()) {
            wallRedraw(p, CellRect{part.x1 + 1, part.y1 + 1, part.x2 - 1, part.y2 - 1},
                       Settle::GlyphsOnly);
        }
    } else {
        wallRedraw(p, kEditableCells, Settle::GlyphsOnly);
    }
}

}  // namespace mapedit
