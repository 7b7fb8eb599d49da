// The MONSTER, OBJECT and TRAP sections of a part. Records read from the
// file into the part come first, in the order they were read: the game
// places them in that order, and a random one lands on a cell that changes
// at every read, so its cell must not decide where its line goes. Then the
// records made in the editor, row by row.

#include <algorithm>
#include <vector>

#include "writer/placement_lines.h"
#include "writer/sections.h"

namespace mapedit::writer {

namespace {

struct KeptRecord {
    int order;
    int x, y;
    std::size_t index;  // in the cell's object list
};

void sortByOrder(std::vector<KeptRecord>& records) {
    std::stable_sort(records.begin(), records.end(),
                     [](const KeptRecord& a, const KeptRecord& b) { return a.order < b.order; });
}

template <class Record>
bool keptInPart(const WriteContext& ctx, int x, int y, const Record* r) {
    return ctx.isKept(x, y, r) && ctx.partOf(x, y, *r) == ctx.writePart;
}

// The records of one slot of the cells: a cell holds at most one.
template <class Record>
bool writeCellRecords(WriteContext& ctx, Boxed<Record> MapCell::*slot,
                      void (*write)(WriteContext&, int, int, const Record&)) {
    std::vector<KeptRecord> kept;
    ctx.scanCells([&](int x, int y, const MapCell& cell) {
        const Record* r = recordIn(cell.*slot);
        if (keptInPart(ctx, x, y, r)) kept.push_back({r->readOrder, x, y, 0});
    });
    sortByOrder(kept);
    for (const KeptRecord& r : kept) write(ctx, r.x, r.y, *(ctx.level.cell(r.x, r.y).*slot));
    bool wrote = !kept.empty();
    ctx.scanHomeCells([&](int x, int y, const MapCell& cell) {
        const Record* r = recordIn(cell.*slot);
        if (r == nullptr || ctx.isKept(x, y, r)) return;
        write(ctx, x, y, *r);
        wrote = true;
    });
    return wrote;
}

// An object and the objects contained in it, which follow it in the cell's
// list and in the file.
void writeObjectRun(WriteContext& ctx, int x, int y, const MapCell& cell, std::size_t head) {
    for (std::size_t i = head;
         i < cell.objects.size() && WriteContext::containerOf(cell, i) == head; ++i) {
        writeObject(ctx, x, y, cell.objects[i], i == head);
    }
}

}  // namespace

bool writeObjects(WriteContext& ctx) {
    std::vector<KeptRecord> kept;
    ctx.scanCells([&](int x, int y, const MapCell& cell) {
        for (std::size_t i = 0; i < cell.objects.size(); ++i) {
            const ObjectSpec& o = cell.objects[i];
            if (WriteContext::containerOf(cell, i) == i && keptInPart(ctx, x, y, &o)) {
                kept.push_back({o.readOrder, x, y, i});
            }
        }
    });
    sortByOrder(kept);
    for (const KeptRecord& r : kept)
        writeObjectRun(ctx, r.x, r.y, ctx.level.cell(r.x, r.y), r.index);
    bool wrote = !kept.empty();
    ctx.scanHomeCells([&](int x, int y, const MapCell& cell) {
        for (std::size_t i = 0; i < cell.objects.size(); ++i) {
            const std::size_t head = WriteContext::containerOf(cell, i);
            if (head != i || ctx.isKept(x, y, &cell.objects[head])) continue;
            writeObjectRun(ctx, x, y, cell, head);
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
