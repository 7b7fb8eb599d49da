#include "edit/paint.h"

#include <new>

#include "edit/random_places.h"
#include "model/grid.h"
#include "model/terrain.h"
#include "model/wall_joins.h"
#include "view/cell_look.h"
#include "view/map_view.h"

namespace mapedit {

namespace {

constexpr int kHighlightBackground = 15;

Appearance kindLook(int kind) {
    const TerrainKind& k = terrainKind(kind);
    return Appearance{k.glyph, k.color};
}

Appearance lookOf(const PaintContext& p, int x, int y) {
    return cellAppearance(p.level, p.viewState, x, y);
}

// Monsters and traps need a cell that can hold them and a free slot; either
// way the cell is then shown as it is. A record that cannot be allocated is
// not placed and the kind's own glyph stays until the cell is redrawn.
template <typename Record>
Appearance placeSingle(PaintContext& p, int x, int y, int kind, Boxed<Record>& slot,
                       const Record& brush) {
    if (canHoldPlacement(p.level, x, y) && !slot) {
        try {
            slot.emplace(brush).readPart = kNoReadPart;  // painted, not read into a part
        } catch (const std::bad_alloc&) {
            return kindLook(kind);
        }
    }
    return lookOf(p, x, y);
}

Appearance placeObject(PaintContext& p, int x, int y) {
    ObjectSpec record = p.templates.objectTemplate;
    record.readPart = kNoReadPart;
    auto& objects = p.level.cell(x, y).objects;
    try {
        // Newest first: the head of the list is what the cell shows.
        objects.insert(objects.begin(), record);
    } catch (const std::bad_alloc&) {
        return kindLook(kObjectKind);
    }
    return lookOf(p, x, y);
}

// Each stair and ladder exists once: painting it elsewhere turns the old
// cell back into floor, drawn at once whatever the paint mode says.
void moveStair(PaintContext& p, int x, int y, int kind) {
    StairSpot& spot = *stairSpotOf(p.level.settings, kind);
    if (isOnGrid(spot.x, spot.y) && p.level.cell(spot.x, spot.y).terrain == kind) {
        p.level.setTerrain(spot.x, spot.y, kFloor);
        if (isEditableCell(spot.x, spot.y)) {
            ViewContext v = p.view();
            const Appearance old = lookOf(p, spot.x, spot.y);
            drawGlyph(v, spot.x, spot.y, old.ch, old.color, 0);
        }
    }
    spot = StairSpot{kStairAtPosition, x, y};
    p.level.setTerrain(x, y, kind);
    p.level.cell(x, y).detail = 0;
}

Appearance putMarker(PaintContext& p, int x, int y, std::uint8_t overlay) {
    p.level.cell(x, y).overlay = overlay;
    return markerAppearance(overlay);
}

// A random place is stored once per cell and at most ten times in all; the
// cell is redrawn with its highlight unless it already was one.
void addRandomPlace(PaintContext& p, int x, int y) {
    if (randomPlaceAt(p.level, x, y) >= 0) return;
    appendRandomPlace(p.level.settings, x, y);
    ViewContext v = p.view();
    redrawCell(v, x, y);
}

// Stores the kind into the cell. Returns false when the caller must not draw.
bool storeKind(PaintContext& p, int x, int y, int kind, Appearance& look) {
    // Maze stones live only on cells whose two coordinates are odd.
    if (kind == kMazewalkStone && (x % 2 == 0 || y % 2 == 0)) kind = kStone;
    MapCell& cell = p.level.cell(x, y);
    switch (kind) {
        case kDoorway:
        case kSecretDoor:
            p.level.setTerrain(x, y, kind);
            cell.detail = 1;  // closed
            break;
        case kMonsterKind:
            look = placeSingle(p, x, y, kind, cell.monster, p.templates.monsterTemplate);
            break;
        case kObjectKind:
            look = placeObject(p, x, y);
            break;
        case kTrapKind:
            look = placeSingle(p, x, y, kind, cell.trap, p.templates.trapTemplate);
            break;
        case kUpstairs:
        case kDownstairs:
        case kLadderUp:
        case kLadderDown:
            moveStair(p, x, y, kind);
            break;
        case kDrawbridgeKind:
            look = putMarker(p, x, y, drawbridgeOverlay(0, true));
            break;
        case kMazewalkKind:
            look = putMarker(p, x, y, mazewalkOverlay(0));
            break;
        case kRandomPlaceKind:
            addRandomPlace(p, x, y);
            return false;
        default:
            p.level.setTerrain(x, y, kind);
            cell.detail = 0;
            break;
    }
    return true;
}

}  // namespace

void paintCell(PaintContext& p, int x, int y, int kind) {
    const int mode = p.mode;
    Appearance look = kindLook(kind);
    if ((mode & kPaintStore) != 0 && !storeKind(p, x, y, kind, look)) return;
    if ((mode & kPaintShowCell) != 0) look = lookOf(p, x, y);
    if ((mode & kPaintDefer) != 0) return;
    const int background = (mode & kPaintHighlight) != 0 ? kHighlightBackground : 0;
    ViewContext v = p.view();
    drawGlyph(v, x, y, look.ch, look.color, background);
}

}  // namespace mapedit
