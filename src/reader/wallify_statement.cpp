// WALLIFY: walls around the open ground of the current map part's map text.

#include "model/terrain.h"
#include "reader/map_text.h"
#include "reader/messages.h"
#include "reader/statements.h"

namespace mapedit {

bool readWallifyStatement(ReaderState& s) {
    skipBlanks(s);
    s.message = msg::kSyntaxError;
    if (!atLineEnd(s)) return false;
    s.level.settings.levelFlags2 |= kWallify;
    MapPart* open = s.openPart();
    if (open == nullptr) return true;
    MapPart& part = *open;
    part.wallified = 1;
    for (const WallifiedCell& c : wallify(s.mapText)) {
        const int x = part.x1 + c.column;
        const int y = part.y1 + c.row;
        // A statement since the map may have put something else there.
        if (!isOnGrid(x, y) || s.level.cell(x, y).terrain != kStone) continue;
        s.level.setTerrain(x, y, kindOfSymbol(c.wall));
    }
    return true;
}

}  // namespace mapedit
