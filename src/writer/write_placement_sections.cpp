// The MONSTER, OBJECT and TRAP sections of a part. Records read at random
// into the part come first, in the order they were read: the cell each
// landed on changes at every read, so it must not decide where its line
// goes. Then the others, row by row.

#include <algorithm>
#include <vector>

#include "writer/placement_lines.h"
#include "writer/sections.h"

namespace mapedit::writer {

namespace {

struct ReadRandom {
    int order;
    int x, y;
    std::size_t index;  // in the cell's object list
};

void sortByOrder(std::vector<ReadRandom>& records) {
    std::stable_sort(records.begin(), records.end(),
                     [](const ReadRandom& a, const ReadRandom& b) { return a.order < b.order; });
}

}  // namespace

bool writeMonsters(WriteContext& ctx) {
    std::vector<ReadRandom> random;
    ctx.scanCells([&](int x, int y, const MapCell& cell) {
        const MonsterSpec* m = cell.monster.get();
        if (ctx.isReadRandomInto(m, ctx.writePart)) random.push_back({m->readOrder, x, y, 0});
    });
    sortByOrder(random);
    for (const ReadRandom& r : random)
        writeMonster(ctx, r.x, r.y, *ctx.level.cell(r.x, r.y).monster);
    bool wrote = !random.empty();
    ctx.scanCells([&](int x, int y, const MapCell& cell) {
        const MonsterSpec* m = cell.monster.get();
        if (m == nullptr || ctx.isReadRandom(m) || ctx.homeOf(x, y) != ctx.writePart) return;
        writeMonster(ctx, x, y, *m);
        wrote = true;
    });
    return wrote;
}

// A random container takes the objects contained in it along.
bool writeObjects(WriteContext& ctx) {
    std::vector<ReadRandom> random;
    ctx.scanCells([&](int x, int y, const MapCell& cell) {
        for (std::size_t i = 0; i < cell.objects.size(); ++i) {
            const ObjectSpec* o = cell.objects[i].get();
            if (ctx.isReadRandomInto(o, ctx.writePart)) random.push_back({o->readOrder, x, y, i});
        }
    });
    sortByOrder(random);
    for (const ReadRandom& r : random) {
        const MapCell& cell = ctx.level.cell(r.x, r.y);
        for (std::size_t i = r.index;
             i < cell.objects.size() && WriteContext::containerOf(cell, i) == r.index; ++i) {
            writeObject(ctx, r.x, r.y, *cell.objects[i]);
        }
    }
    bool wrote = !random.empty();
    ctx.scanCells([&](int x, int y, const MapCell& cell) {
        for (std::size_t i = 0; i < cell.objects.size(); ++i) {
            const ObjectSpec* o = cell.objects[i].get();
            if (o == nullptr ||
                ctx.isReadRandom(cell.objects[WriteContext::containerOf(cell, i)].get())) {
                continue;
            }
            if (ctx.homeOf(x, y) != ctx.writePart) continue;
            writeObject(ctx, x, y, *o);
            wrote = true;
        }
    });
    return wrote;
}

bool writeTraps(WriteContext& ctx) {
    std::vector<ReadRandom> random;
    ctx.scanCells([&](int x, int y, const MapCell& cell) {
        const TrapSpec* t = cell.trap.get();
        if (ctx.isReadRandomInto(t, ctx.writePart)) random.push_back({t->readOrder, x, y, 0});
    });
    sortByOrder(random);
    for (const ReadRandom& r : random) writeTrap(ctx, r.x, r.y, *ctx.level.cell(r.x, r.y).trap);
    bool wrote = !random.empty();
    ctx.scanCells([&](int x, int y, const MapCell& cell) {
        const TrapSpec* t = cell.trap.get();
        if (t == nullptr || ctx.isReadRandom(t) || ctx.homeOf(x, y) != ctx.writePart) return;
        writeTrap(ctx, x, y, *t);
        wrote = true;
    });
    return wrote;
}

}  // namespace mapedit::writer
