// The region statements. Areas read from the file come first, with the part
// they were read into and in the order they were read: where regions
// overlap or touch, the later one wins in the game, and each keeps its own
// exclusion in the form it was given. The areas made in the editor follow.

#include <algorithm>
#include <vector>

#include "model/format_words.h"
#include "writer/sections.h"

namespace mapedit::writer {

namespace {

// Direction classes of teleport and stair regions.
constexpr unsigned kUp = 1;
constexpr unsigned kDown = 2;

unsigned directionClass(int param) {
    return param == 0 ? kUp : param == 1 ? kDown : kUp | kDown;
}

// Nothing for a region of both directions.
void addDirection(WriteContext& ctx, unsigned cls) {
    if (cls != kUp && cls != kDown) return;
    ctx.line.push_back(',');
    ctx.line.append(words::kUpDown[cls == kUp ? 0 : 1]);
}

// The areas whose statements take an area and its exclusion, each of which
// may be given in level coordinates.
bool isLevelRegion(int kind) {
    return kind == kTeleportArea || kind == kBranchArea || kind == kPortalArea ||
           kind == kStairArea;
}

// REGION, NON_DIGGABLE and NON_PASSWALL take a region of the part only.
bool isPlainRegion(int kind) {
    return isRoomKind(kind) || kind == kNonDiggableArea || kind == kNonPasswallArea;
}

// A read exclusion belongs to the area of its statement; the editor's own
// exclusions go with the area they touch.
bool isReadExclusion(const AreaRecord& a) {
    return a.readOrder != 0;
}

// The first editor-made exclusion record, in list order, that touches the area.
const AreaRecord* touchingExclusion(const WriteContext& ctx, const AreaRecord& area, int kind) {
    for (const AreaEntry& e : ctx.areas) {
        if (e.area->kind == kind && !isReadExclusion(*e.area) && touches(*e.area, area)) {
            return e.area;
        }
    }
    return nullptr;
}

// The exclusion read with the area, from the same statement.
AreaEntry* ownExclusion(WriteContext& ctx, const AreaRecord& area) {
    for (AreaEntry& e : ctx.areas) {
        const AreaRecord& x = *e.area;
        if (x.kind == area.kind + 1 && x.readOrder == area.readOrder &&
            x.readPart == area.readPart) {
            return &e;
        }
    }
    return nullptr;
}

void addExclusionOrNone(WriteContext& ctx, const AreaRecord* exclusion) {
    if (exclusion != nullptr) {
        ctx.addExclusionRegion(*exclusion);
    } else {
        ctx.line.append("(0,0,0,0)");
    }
}

// The part (writing order) a read area goes with, or kNoPart. A region of
// the part only is written relative to the part's corner, which must not
// lie right of or below it.
int keptAreaPart(const WriteContext& ctx, const AreaRecord& a) {
    const int part = ctx.writingIndexOf(a.readPart);
    if (part == kNoPart || a.readOrder == 0) return kNoPart;
    const MapPart& p = ctx.parts[static_cast<std::size_t>(part)];
    return isLevelRegion(a.kind) || (p.x1 <= a.x1 && p.y1 <= a.y1) ? part : kNoPart;
}

// The read areas of the part being written that `wanted` accepts, in
// reading order.
template <class Wanted>
std::vector<AreaEntry*> keptAreas(WriteContext& ctx, Wanted wanted) {
    std::vector<AreaEntry*> kept;
    for (AreaEntry& e : ctx.areas) {
        if (!e.written && wanted(e.area->kind) && keptAreaPart(ctx, *e.area) == ctx.writePart) {
            kept.push_back(&e);
        }
    }
    std::stable_sort(kept.begin(), kept.end(), [](const AreaEntry* a, const AreaEntry* b) {
        return a->area->readOrder < b->area->readOrder;
    });
    return kept;
}

// An area the editor made, or one whose statement's part is gone, goes
// with the first part it belongs to; a read one waits for its own part.
bool writesHere(const WriteContext& ctx, const AreaRecord& a) {
    return keptAreaPart(ctx, a) == kNoPart && ctx.belongsToPart(a);
}

// A region of the part only goes with such a part whose corner reaches it.
bool writesPlainHere(const WriteContext& ctx, const AreaRecord& a) {
    return writesHere(ctx, a) && ctx.part().x1 <= a.x1 && ctx.part().y1 <= a.y1;
}

void addLevelRegionStatement(WriteContext& ctx, const AreaRecord& area,
                             const AreaRecord* exclusion) {
    switch (area.kind) {
        case kTeleportArea:
            ctx.line.append("TELEPORT_REGION: ");
            break;
        case kStairArea:
            ctx.line.append("STAIR: ");
            break;
        case kBranchArea:
            ctx.line.append("BRANCH: ");
            break;
        default:
            ctx.line.append("PORTAL: ");
            break;
    }
    ctx.addRegion(area);
    ctx.line.push_back(',');
    addExclusionOrNone(ctx, exclusion);
    if (area.kind == kTeleportArea || area.kind == kStairArea) {
        addDirection(ctx, directionClass(area.param));
    }
    if (area.kind == kPortalArea) {
        // The destination level; the reader takes the bare word as no name.
        ctx.line.push_back(',');
        if (area.destination.empty()) {
            ctx.line.append("random");
        } else {
            ctx.addQuoted(area.destination.view());
        }
    }
    ctx.endLine();
}

void addRoomStatement(WriteContext& ctx, const AreaRecord& room) {
    ctx.line.append("REGION: ");
    ctx.addPlainRegion(room);
    ctx.line.push_back(',');
    ctx.line.append(words::wordOf(words::kLighting, room.param, "random"));
    ctx.line.push_back(',');
    ctx.addQuoted(words::kRoomTypes[static_cast<std::size_t>(room.kind)]);
    if (room.filled != 0) {
        // Any other value than 1 is written as filled.
        ctx.line.push_back(',');
        ctx.line.append(words::wordAt(words::kFillStates, room.filled, "filled"));
        if (room.irregular != 0) {
            ctx.line.push_back(',');
            ctx.line.append(words::kBooleans[1]);
        }
    }
    ctx.endLine();
}

void addWallAreaStatement(WriteContext& ctx, const AreaRecord& area) {
    ctx.line.append(area.kind == kNonPasswallArea ? "NON_PASSWALL: " : "NON_DIGGABLE: ");
    ctx.addPlainRegion(area);
    ctx.endLine();
}

}  // namespace

bool writeKeptLevelRegions(WriteContext& ctx) {
    const std::vector<AreaEntry*> kept = keptAreas(ctx, isLevelRegion);
    for (AreaEntry* e : kept) {
        AreaEntry* exclusion = ownExclusion(ctx, *e->area);
        addLevelRegionStatement(ctx, *e->area, exclusion != nullptr ? exclusion->area : nullptr);
        e->written = true;
        if (exclusion != nullptr) exclusion->written = true;
    }
    return !kept.empty();
}

bool writeDirectedRegions(WriteContext& ctx, int areaKind, int exclusionKind) {
    bool wrote = false;
    for (AreaEntry* e = ctx.findArea(nullptr, areaKind); e != nullptr;
         e = ctx.findArea(e, areaKind)) {
        const AreaRecord& area = *e->area;
        // STAIR must name a direction; a stair region for both directions
        // has no statement the reader takes, and writing one would make the
        // whole file unreadable, so such regions are passed over.
        if (areaKind == kStairArea && directionClass(area.param) == (kUp | kDown)) continue;
        if (!writesHere(ctx, area)) continue;
        addLevelRegionStatement(ctx, area, touchingExclusion(ctx, area, exclusionKind));
        e->written = true;
        wrote = true;
    }
    return wrote;
}

void writeBranchOrPortal(WriteContext& ctx, int areaKind, int exclusionKind) {
    AreaEntry* found = ctx.findArea(nullptr, areaKind);
    while (found != nullptr && !writesHere(ctx, *found->area)) {
        found = ctx.findArea(found, areaKind);
    }
    if (found == nullptr) return;
    const AreaRecord& area = *found->area;
    // Only the first exclusion of the kind is considered, touching or not.
    const AreaEntry* exclusion = ctx.findArea(nullptr, exclusionKind);
    while (exclusion != nullptr && isReadExclusion(*exclusion->area)) {
        exclusion = ctx.findArea(exclusion, exclusionKind);
    }
    const bool touching = exclusion != nullptr && touches(*exclusion->area, area);
    addLevelRegionStatement(ctx, area, touching ? exclusion->area : nullptr);
    found->written = true;
}

void writeWallAreas(WriteContext& ctx, int areaKind) {
    for (AreaEntry* e : keptAreas(ctx, [areaKind](int kind) { return kind == areaKind; })) {
        addWallAreaStatement(ctx, *e->area);
        e->written = true;
    }
    for (AreaEntry* e = ctx.findArea(nullptr, areaKind); e != nullptr;
         e = ctx.findArea(e, areaKind)) {
        if (!writesPlainHere(ctx, *e->area)) continue;
        addWallAreaStatement(ctx, *e->area);
        e->written = true;
    }
}

bool writeRooms(WriteContext& ctx) {
    const std::vector<AreaEntry*> kept = keptAreas(ctx, [](int kind) { return isRoomKind(kind); });
    for (AreaEntry* e : kept) {
        addRoomStatement(ctx, *e->area);
        e->written = true;
    }
    bool wrote = !kept.empty();
    for (int type = kOrdinaryRoom; type < kRoomKindCount; ++type) {
        for (AreaEntry* e = ctx.findArea(nullptr, type); e != nullptr; e = ctx.findArea(e, type)) {
            if (!writesPlainHere(ctx, *e->area)) continue;
            addRoomStatement(ctx, *e->area);
            e->written = true;
            wrote = true;
        }
    }
    return wrote;
}

bool isUnwrittenPlainRegion(const AreaEntry& e) {
    return !e.written && isPlainRegion(e.area->kind);
}

}  // namespace mapedit::writer
