#include "reader/map_text.h"

#include <string_view>

namespace mapedit {

namespace {

// The map characters a wall is built around: floor, fountain, throne, sink,
// ice, open air and cloud.
constexpr std::string_view kOpenGround = ".{\\KIAC";

bool isOpenGround(unsigned char c) {
    return kOpenGround.find(static_cast<char>(c)) != std::string_view::npos;
}

// The wall a blank becomes, or 0 when no neighbour is open ground.
unsigned char wallFor(const MapText& text, int column, int row) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int k = column + dx, j = row + dy;
            if ((dx == 0 && dy == 0) || k < 0 || j < 0 || k >= text.width || j >= text.height) {
                continue;
            }
            if (isOpenGround(text.at(k, j))) return dy != 0 ? '-' : '|';
        }
    }
    return 0;
}

}  // namespace

void MapText::clear() {
    for (auto& row : rows) row.fill(' ');
    width = 0;
    height = 0;
}

std::vector<WallifiedCell> wallify(MapText& text) {
    std::vector<WallifiedCell> changed;
    for (int j = 0; j < text.height; ++j) {
        for (int k = 0; k < text.width; ++k) {
            if (text.at(k, j) != ' ') continue;
            const unsigned char wall = wallFor(text, k, j);
            if (wall != 0) changed.push_back({k, j, wall});
        }
    }
    // Walls are no open ground, so changing the text as we go would give the
    // same result; changing it afterwards makes that plain.
    for (const WallifiedCell& c : changed) text.at(c.column, c.row) = c.wall;
    return changed;
}

}  // namespace mapedit
