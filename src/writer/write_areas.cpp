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

// The first exclusion record, in list order, that touches the area.
const AreaRecord* touchingExclusion(WriteContext& ctx, const AreaRecord& area, int kind) {
    for (const AreaEntry& e : ctx.areas) {
        if (e.area->kind == kind && touches(*e.area, area)) return e.area;
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

}  // namespace

bool writeDirectedRegions(WriteContext& ctx, int areaKind, int exclusionKind,
                          std::string_view prefix) {
    // STAIR must name a direction; a stair region for both directions has no
    // statement the reader takes, and writing one would make the whole file
    // unreadable, so such regions are passed over.
    const bool directionRequired = areaKind == kStairArea;
    auto classOf = [directionRequired](const AreaRecord& area) {
        const unsigned cls = directionClass(area.param);
        return directionRequired && cls == (kUp | kDown) ? 0u : cls;
    };
    bool wrote = false;
    unsigned open = kUp | kDown;
    while (open != 0) {
        AreaEntry* found = ctx.findArea(nullptr, areaKind);
        while (found != nullptr && (classOf(*found->area) & open) == 0) {
            found = ctx.findArea(found, areaKind);
        }
        if (found == nullptr) break;
        const AreaRecord& area = *found->area;
        const unsigned cls = classOf(area);
        open &= ~cls;
        // The largest region of a class decides: when it waits for a later
        // part, this part gets none of that class.
        if (!ctx.belongsToPart(area)) continue;
        ctx.line.append(prefix);
        ctx.addRegion(area);
        ctx.line.push_back(',');
        addExclusionOrNone(ctx, touchingExclusion(ctx, area, exclusionKind));
        addDirection(ctx, cls);
        ctx.endLine();
        found->written = true;
        wrote = true;
    }
    return wrote;
}

void writeBranchOrPortal(WriteContext& ctx, int areaKind, int exclusionKind,
                         std::string_view keyword) {
    AreaEntry* found = ctx.findArea(nullptr, areaKind);
    while (found != nullptr && !ctx.belongsToPart(*found->area)) {
        found = ctx.findArea(found, areaKind);
    }
    if (found == nullptr) return;
    const AreaRecord& area = *found->area;
    ctx.line.append(keyword);
    ctx.line.append(": ");
    ctx.addRegion(area);
    ctx.line.push_back(',');
    // Only the first exclusion of the kind is considered, touching or not.
    const AreaEntry* exclusion = ctx.findArea(nullptr, exclusionKind);
    const bool touching = exclusion != nullptr && touches(*exclusion->area, area);
    addExclusionOrNone(ctx, touching ? exclusion->area : nullptr);
    if (areaKind == kPortalArea) {
        // The destination level; the reader takes the bare word as no name.
        ctx.line.push_back(',');
        if (area.destination.empty()) {
            ctx.line.append("random");
        } else {
            ctx.addQuoted(area.destination.view());
        }
    }
    ctx.endLine();
    found->written = true;
}

void writeWallAreas(WriteContext& ctx, int areaKind, std::string_view keyword) {
    for (AreaEntry* e = ctx.findArea(nullptr, areaKind); e != nullptr;
         e = ctx.findArea(e, areaKind)) {
        if (!ctx.belongsToPart(*e->area)) continue;
        ctx.line.append(keyword);
        ctx.line.append(": ");
        ctx.addRegion(*e->area);
        ctx.endLine();
        e->written = true;
    }
}

bool writeRooms(WriteContext& ctx) {
    bool wrote = false;
    for (int type = 0; type < static_cast<int>(words::kRoomTypes.size()); ++type) {
        for (AreaEntry* e = ctx.findArea(nullptr, type); e != nullptr; e = ctx.findArea(e, type)) {
            const AreaRecord& room = *e->area;
            if (!ctx.belongsToPart(room)) continue;
            ctx.line.append("REGION: ");
            ctx.addRegion(room);
            ctx.line.push_back(',');
            ctx.line.append(words::wordOf(words::kLighting, room.param, "random"));
            ctx.line.push_back(',');
            ctx.addQuoted(words::kRoomTypes[static_cast<std::size_t>(type)]);
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
            e->written = true;
            wrote = true;
        }
    }
    return wrote;
}

}  // namespace mapedit::writer
