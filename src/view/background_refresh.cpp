#include "view/background_refresh.h"

#include "generate/background.h"
#include "view/map_view.h"

namespace mapedit {

void refreshBackground(ViewContext& v, Random& random) {
    regenerateBackground(v.level, random);
    const LevelSettings& s = v.level.settings;
    if (s.fillMode == kPlainFill && s.filling == ' ') {
        for (int i = 0; i < s.partCount && i < kMaxMapParts; ++i) {
            const MapPart& p = v.level.mapParts[static_cast<std::size_t>(i)];
            wallRedraw(v, p.x1 + 1, p.y1 + 1, p.x2 - 1, p.y2 - 1);
        }
    } else {
        wallRedraw(v, 1, 0, 79, 20);
    }
}

}  // namespace mapedit
