#include "model/map_placement.h"

#include "model/level.h"

namespace mapedit {

namespace {

// The alignments share out the room a map leaves between the level's
// border columns and rows. Right shifts of negative values round toward
// minus infinity here (C++20 defines >> on negative numbers as arithmetic).
int horizontalStart(HorizontalAlignment alignment, int width) {
    const int room = kMapWidth - 4 - width;
    switch (alignment) {
        case HorizontalAlignment::Left:
            return 3;
        case HorizontalAlignment::HalfLeft:
            return (room >> 2) + 2;
        case HorizontalAlignment::Center:
            return (room >> 1) + 2;
        case HorizontalAlignment::HalfRight:
            return ((3 * room) >> 2) + 2;
        default:
            return kMapWidth - 3 - width;
    }
}

int verticalStart(VerticalAlignment alignment, int height) {
    switch (alignment) {
        case VerticalAlignment::Top:
            return 3;
        case VerticalAlignment::Center:
            return ((kMapHeight - 3 - height) >> 1) + 2;
        default:
            return kMapHeight - 2 - height;
    }
}

}  // namespace

PartOrigin mapPartOrigin(PartAlignment alignment, int width, int height) {
    PartOrigin o{horizontalStart(alignment.horizontal, width),
                 verticalStart(alignment.vertical, height)};
    if (o.x % 2 == 0) ++o.x;
    if (o.y % 2 == 0) ++o.y;
    if (o.y < 0 || o.y + height > kMapHeight) {
        o.y += o.y > 0 ? -2 : 2;
        if (height == kMapHeight) o.y = 0;
    }
    return o;
}

bool mapPartFits(PartOrigin origin, int width, int height) {
    return origin.x >= 0 && origin.x + width <= kMapWidth && origin.y >= 0 &&
           origin.y + height <= kMapHeight;
}

bool placeMapPart(MapPart& part, PartAlignment alignment, int width, int height) {
    const PartOrigin origin = mapPartOrigin(alignment, width, height);
    if (!mapPartFits(origin, width, height)) return false;
    part.alignment = alignment;
    part.width = width;
    part.height = height;
    part.x1 = origin.x;
    part.y1 = origin.y;
    part.x2 = origin.x + width - 1;
    part.y2 = origin.y + height - 1;
    return true;
}

}  // namespace mapedit
