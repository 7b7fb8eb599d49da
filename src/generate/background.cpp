#include "generate/background.h"

#include "generate/cave.h"
#include "generate/mazewalk.h"
#include "model/grid.h"
#include "model/terrain.h"

namespace mapedit {

namespace {

// Stone cells on odd-odd positions with walls between them; mazewalks
// carve the passages later.
void buildMazeGrid(BackgroundGrid& grid) {
    fillBackground(grid, ' ');
    for (int x = 2; x <= kMapWidth - 2; ++x) {
        for (int y = 2; y < kMapHeight; ++y) {
            grid.symbol(x, y) = (x % 2 == 1 && y % 2 == 1) ? ' ' : '-';
        }
    }
}

void buildBackground(BackgroundGrid& grid, const LevelSettings& settings, Random& random) {
    switch (settings.fillMode) {
        case kPlainFill:
            fillBackground(grid, static_cast<std::uint8_t>(settings.filling));
            break;
        case kCaveFill: {
            const std::uint8_t flags = settings.levelFlags;
            generateCave(grid, random, settings.initBackground, settings.initForeground,
                         (flags & kSmoothed) != 0, (flags & kJoined) != 0, (flags & kWalled) != 0);
            break;
        }
        default:
            buildMazeGrid(grid);
            break;
    }
}

}  // namespace

void applyBackground(Level& level, Random& random, bool keepParts) {
    BackgroundGrid grid;
    buildBackground(grid, level.settings, random);
    for (int y = 0; y < kMapHeight; ++y) {
        for (int x = 1; x < kMapWidth; ++x) {
            if (keepParts && inMapText(level, x, y)) continue;
            level.setTerrain(x, y, kindOfSymbol(grid.symbol(x, y)));
        }
    }
}

void regenerateBackground(Level& level, Random& random) {
    applyBackground(level, random, true);
    for (int y = 0; y < kMapHeight; ++y) {
        for (int x = 1; x < kMapWidth; ++x) {
            const std::uint8_t overlay = level.cell(x, y).overlay;
            if (markerType(overlay) != MarkerType::Mazewalk) continue;
            startMazewalk(level, random, x, y, markerSetting(overlay));
        }
    }
}

}  // namespace mapedit
