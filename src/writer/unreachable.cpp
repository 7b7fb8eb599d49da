// The statements that no map part can reach: they stand above or left of
// every part, and coordinates are written relative to a part's corner.

#include <fmt/format.h>

#include <cstddef>
#include <string>

#include "model/format_words.h"
#include "model/grid.h"
#include "model/terrain.h"
#include "writer/sections.h"

namespace mapedit::writer {

namespace {

struct Unreachable {
    const WriteContext& ctx;
    std::vector<std::string> lines;

    void add(std::string_view keyword, std::string_view name, int x, int y) {
        lines.push_back(noteOf(keyword, name, x, y));
    }

    void records(int x, int y, const MapCell& cell) {
        if (const MonsterSpec* m = recordIn(cell.monster)) {
            if (ctx.partOf(x, y, *m) == kNoPart) {
                add("MONSTER", m->name.view(), x, y);
            }
        }
        for (std::size_t i = 0; i < cell.objects.size(); ++i) {
            const ObjectSpec& o = cell.objects[i];
            if (ctx.partOfObject(x, y, cell, i) != kNoPart) continue;
            add(o.isContainer != 0 ? "CONTAINER" : "OBJECT", o.name.view(), x, y);
        }
        if (const TrapSpec* t = recordIn(cell.trap)) {
            if (ctx.partOf(x, y, *t) == kNoPart) {
                add("TRAP", t->trapName.view(), x, y);
            }
        }
    }

    // Doors, features and markers, which only ever stand where a statement
    // or the editor put them.
    void cellStatements(int x, int y, const MapCell& cell) {
        if (ctx.homeOf(x, y) != kNoPart) return;
        if (cell.terrain == kDoorway || cell.terrain == kSecretDoor) add("DOOR", "", x, y);
        if (cell.terrain == kFountain) add("FOUNTAIN", "", x, y);
        if (cell.terrain == kKitchenSink) add("SINK", "", x, y);
        if (cell.terrain == kAltar) add("ALTAR", "", x, y);
        if (markerType(cell.overlay) == MarkerType::Drawbridge) add("DRAWBRIDGE", "", x, y);
        if (markerType(cell.overlay) == MarkerType::Mazewalk) add("MAZEWALK", "", x, y);
    }

    void stairs() {
        for (const StairSpotKind& k : kStairSpots) {
            const StairSpot& spot = ctx.settings.*k.spot;
            if (spot.state == kNoStair || !isOnGrid(spot.x, spot.y)) continue;
            if (ctx.level.cell(spot.x, spot.y).terrain != k.terrain) continue;
            if (ctx.homeOf(spot.x, spot.y) == kNoPart &&
                ctx.stairSpotPart(spot, k.terrain) == kNoPart) {
                const std::string what = fmt::format("{} {}", k.ladder ? "LADDER" : "STAIR",
                                                     words::kUpDown[k.down ? 1 : 0]);
                add(what, "", spot.x, spot.y);
            }
        }
    }
};

}  // namespace

std::vector<std::string> unreachableStatements(const WriteContext& ctx) {
    Unreachable u{ctx, {}};
    ctx.scanCells([&u](int x, int y, const MapCell& cell) {
        u.records(x, y, cell);
        u.cellStatements(x, y, cell);
    });
    u.stairs();
    for (const Engraving& e : ctx.level.engravings) {
        if (ctx.partOfEngraving(e) == kNoPart) u.add("ENGRAVING", e.text.view(), e.x, e.y);
    }
    for (const AreaEntry& e : ctx.areas) {
        if (!isUnwrittenPlainRegion(e)) continue;
        const int kind = e.area->kind;
        u.add(kind == kNonDiggableArea   ? "NON_DIGGABLE"
              : kind == kNonPasswallArea ? "NON_PASSWALL"
                                         : "REGION",
              "", e.area->x1, e.area->y1);
    }
    return u.lines;
}

}  // namespace mapedit::writer
