#include "reader/map_placement.h"

#include "model/level.h"

namespace mapedit {

namespace {

// Right shifts of negative values round toward minus infinity here (C++20
// defines >> on negative numbers as arithmetic).
int horizontalStart(int halign, int width) {
    const int room = 76 - width;
    switch (halign) {
        case 0:
            return 3;
        case 1:
            return (room >> 2) + 2;
        case 2:
            return (room >> 1) + 2;
        case 3:
            return ((3 * room) >> 2) + 2;
        default:
            return 77 - width;
    }
}

int verticalStart(int valign, int height) {
    switch (valign) {
        case 0:
            return 3;
        case 1:
            return ((18 - height) >> 1) + 2;
        default:
            return 19 - height;
    }
}

}  // namespace

PartOrigin mapPartOrigin(int halign, int valign, int width, int height) {
    PartOrigin o{horizontalStart(halign, width), verticalStart(valign, height)};
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

}  // namespace mapedit
