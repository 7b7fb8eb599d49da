// A random record goes back into the part it was read into, where the
// reader looks for a cell for it again. A later map can have taken the
// ground it stood on (a second MAP for the part, a larger part laid over
// it): when the part as written cannot hold all of its random records of a
// kind, those read last are pinned to the cells they stand on, so that the
// saved file still opens.

#include <algorithm>
#include <array>
#include <vector>

#include "model/grid.h"
#include "writer/sections.h"

namespace mapedit::writer {

namespace {

// Random records that compete for the same cells when read back.
enum class Room { GroundMonster, WaterMonster, Object, Trap };
constexpr std::array<Room, 4> kRooms = {Room::GroundMonster, Room::WaterMonster, Room::Object,
                                        Room::Trap};

bool holds(Room room, const MapCell& cell) {
    return room == Room::WaterMonster ? isRandomWater(cell) : isRandomGround(cell);
}

// The kinds of record that may land on any cell of a part: those that find
// none of their ground on a part of nothing but water, air and cloud.
using AnyCell = std::array<bool, kRooms.size()>;

AnyCell anyCellOf(const WriteContext& ctx, int part) {
    const MapPart& p = ctx.parts[static_cast<std::size_t>(part)];
    AnyCell found{};
    bool waterAndAir = true;
    ctx.scanCells([&](int x, int y, const MapCell&) {
        if (!p.contains(x, y)) return;
        const MapCell ground = ctx.groundAsWritten(part, x, y);
        waterAndAir = waterAndAir && isWaterOrAir(ground);
        for (Room room : kRooms) found[static_cast<std::size_t>(room)] |= holds(room, ground);
    });
    AnyCell any{};
    for (std::size_t r = 0; r < any.size(); ++r) any[r] = waterAndAir && !found[r];
    return any;
}

bool holdsIn(Room room, const MapCell& ground, const AnyCell& any) {
    return any[static_cast<std::size_t>(room)] || holds(room, ground);
}

Room roomOfMonster(const MonsterSpec& m) {
    return m.symbol == ';' ? Room::WaterMonster : Room::GroundMonster;
}

struct Candidate {
    int order;
    const void* record;
};

// What one kind of random record of one part needs and finds.
struct PartRoom {
    int cells = 0;  // cells the reader may choose
    int taken = 0;  // of those, held by records that are no random ones of the part
    std::vector<Candidate> random;
};

// The random records read into the part, wherever they stand: one moved
// aside by a later statement may stand outside its part.
void collectRandom(const WriteContext& ctx, int part, const MapCell& cell,
                   std::array<PartRoom, kRooms.size()>& rooms) {
    auto at = [&rooms](Room room) -> PartRoom& { return rooms[static_cast<std::size_t>(room)]; };
    if (const MonsterSpec* m = recordIn(cell.monster); ctx.isReadRandomInto(m, part)) {
        at(roomOfMonster(*m)).random.push_back({m->readOrder, m});
    }
    if (const TrapSpec* t = recordIn(cell.trap); ctx.isReadRandomInto(t, part)) {
        at(Room::Trap).random.push_back({t->readOrder, t});
    }
    for (const ObjectSpec& o : cell.objects) {
        if (ctx.isReadRandomInto(&o, part)) at(Room::Object).random.push_back({o.readOrder, &o});
    }
}

// A cell of the part the reader may choose, unless a record written with
// this part or an earlier one stands in the way there: a monster or trap
// of this part makes a random one move aside; objects stack, and those of
// this part come after its random ones.
void countCell(const WriteContext& ctx, int part, int x, int y, const MapCell& cell,
               const AnyCell& any, std::array<PartRoom, kRooms.size()>& rooms) {
    auto at = [&rooms](Room room) -> PartRoom& { return rooms[static_cast<std::size_t>(room)]; };
    const MapCell ground = ctx.groundAsWritten(part, x, y);
    for (Room room : kRooms) {
        if (holdsIn(room, ground, any)) ++at(room).cells;
    }
    const MonsterSpec* m = recordIn(cell.monster);
    if (m != nullptr && !ctx.isReadRandom(m) && ctx.partOf(x, y, *m) <= part) {
        for (Room room : {Room::GroundMonster, Room::WaterMonster}) {
            if (holdsIn(room, ground, any)) ++at(room).taken;
        }
    }
    const TrapSpec* t = recordIn(cell.trap);
    if (t != nullptr && !ctx.isReadRandom(t) && ctx.partOf(x, y, *t) <= part &&
        holdsIn(Room::Trap, ground, any)) {
        ++at(Room::Trap).taken;
    }
    for (std::size_t i = 0; i < cell.objects.size(); ++i) {
        if (!ctx.isReadRandom(&cell.objects[i]) && ctx.partOfObject(x, y, cell, i) < part &&
            holdsIn(Room::Object, ground, any)) {
            ++at(Room::Object).taken;
            break;
        }
    }
}

// Pins the records beyond the room, those read last; answers how many stay
// random.
int pinWhatDoesNotFit(WriteContext& ctx, PartRoom& room) {
    std::stable_sort(room.random.begin(), room.random.end(),
                     [](const Candidate& a, const Candidate& b) { return a.order < b.order; });
    const auto fits = static_cast<std::size_t>(std::max(0, room.cells - room.taken));
    for (std::size_t i = fits; i < room.random.size(); ++i) ctx.pin(room.random[i].record);
    return static_cast<int>(std::min(fits, room.random.size()));
}

using RoomCounts = std::array<int, kRooms.size()>;

// The cells of both parts each kind of random record may land on, as the
// later part `b` (writing order) finds them.
RoomCounts sharedCells(const WriteContext& ctx, const MapPart& a, int b, const AnyCell& any) {
    RoomCounts counts{};
    const MapPart& later = ctx.parts[static_cast<std::size_t>(b)];
    ctx.scanCells([&](int x, int y, const MapCell&) {
        if (!a.contains(x, y) || !later.contains(x, y)) return;
        const MapCell ground = ctx.groundAsWritten(b, x, y);
        for (Room room : kRooms)
            counts[static_cast<std::size_t>(room)] += holdsIn(room, ground, any) ? 1 : 0;
    });
    return counts;
}

}  // namespace

namespace {

// One pass over the parts in writing order; answers whether it pinned any.
bool pinPass(WriteContext& ctx) {
    bool pinned = false;
    // How many random records of each kind every part written so far keeps.
    std::array<RoomCounts, kMaxMapParts> kept{};
    for (int part = 0; part < ctx.partCount; ++part) {
        const MapPart& p = ctx.parts[static_cast<std::size_t>(part)];
        std::array<PartRoom, kRooms.size()> rooms;
        const AnyCell any = anyCellOf(ctx, part);
        ctx.scanCells([&](int x, int y, const MapCell& cell) {
            collectRandom(ctx, part, cell, rooms);
            if (p.contains(x, y)) countCell(ctx, part, x, y, cell, any, rooms);
        });
        // Random records of an earlier part may land on the cells it shares
        // with this one.
        for (int earlier = 0; earlier < part; ++earlier) {
            const RoomCounts shared =
                sharedCells(ctx, ctx.parts[static_cast<std::size_t>(earlier)], part, any);
            for (std::size_t r = 0; r < kRooms.size(); ++r) {
                rooms[r].taken += std::min(kept[static_cast<std::size_t>(earlier)][r], shared[r]);
            }
        }
        for (std::size_t r = 0; r < kRooms.size(); ++r) {
            const int keeps = pinWhatDoesNotFit(ctx, rooms[r]);
            kept[static_cast<std::size_t>(part)][r] = keeps;
            pinned = pinned || keeps < static_cast<int>(rooms[r].random.size());
        }
    }
    return pinned;
}

}  // namespace

// A pinned record stands on its cell from then on, where it may take the
// room of a part already counted: passes repeat until none pins more.
void pinRandomWithoutRoom(WriteContext& ctx) {
    while (pinPass(ctx)) {
    }
}

}  // namespace mapedit::writer
