// The MONSTER, OBJECT and TRAP sections of a part. Records read at random
// into the part come first, in the order they were read: the cell each
// landed on changes at every read, so it must not decide where its line
// goes. Then the others, row by row.

#include <algorithm>
#include <memory>
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

// The records of one slot of the cells: a cell holds at most one.
template <class Record>
bool writeCellRecords(WriteContext& ctx, std::unique_ptr<Record> MapCell::*slot,
                      void (*write)(WriteContext&, int, int, const Record&)) {
    std::vector<ReadRandom> random;
    ctx.scanCells([&](int x, int y, const MapCell& cell) {
        const Record* r = (cell.*slot).get();
        if (ctx.isReadRandomInto(r, ctx.writePart)) random.push_back({r->readOrder, x, y, 0});
    });
    sortByOrder(random);
    for (const ReadRandom& r : random) write(ctx, r.x, r.y, *(ctx.level.cell(r.x, r.y).*slot));
    bool wrote = !random.empty();
    ctx.scanHomeCells([&](int x, int y, const MapCell& cell) {
        const Record* r = (cell.*slot).get();
        if (r == nullptr || ctx.isReadRandom(r)) return;
        write(ctx, x, y, *r);
        wrote = true;
    });
    return wrote;
}

}  // namespace

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
    ctx.scanHomeCells([&](int x, int y, const MapCell& cell) {
        for (std::size_t i = 0; i < cell.objects.size(); ++i) {
            const ObjectSpec* o = cell.objects[i].get();
            if (o == nullptr ||
                ctx.isReadRandom(cell.objects[WriteContext::containerOf(cell, i)].get())) {
                continue;
            }
            writeObject(ctx, x, y, *o);
            wrote = true;
        }
    });
    return wrote;
}

bool writeMonsters(WriteContext& ctx) {
    return writeCellRecords(ctx, &MapCell::monster, writeMonster);
}

bool writeTraps(WriteContext& ctx) {
    return writeCellRecords(ctx, &MapCell::trap, writeTrap);
}

}  // namespace mapedit::writer
