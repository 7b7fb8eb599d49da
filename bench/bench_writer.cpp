// Writing a large level: four map parts, a hundred placements, a dozen areas.
#include <benchmark/benchmark.h>

#include <string>
#include <utility>

#include "model/level.h"
#include "model/terrain.h"
#include "writer/writer.h"

namespace {

using namespace mapedit;

void addPart(Level& level, PartAlignment alignment, int x1, int y1, int width, int height) {
    const int index = level.settings.partCount++;
    MapPart& p = level.mapParts[static_cast<std::size_t>(index)];
    p = MapPart{alignment, width, height, x1, y1, x1 + width - 1, y1 + height - 1};
    AreaRecord* outline = level.newArea(p.x1, p.y1, p.x2, p.y2);
    outline->kind = kMapPartArea;
    outline->param = index;
    for (int x = p.x1; x <= p.x2; ++x) {
        level.setTerrain(x, p.y1, kHorizontalWall);
        level.setTerrain(x, p.y2, kHorizontalWall);
    }
    for (int y = p.y1 + 1; y < p.y2; ++y) {
        level.setTerrain(p.x1, y, kVerticalWall);
        level.setTerrain(p.x2, y, kVerticalWall);
    }
}

void addArea(Level& level, int kind, int x1, int y1, int x2, int y2, int param) {
    AreaRecord* area = level.newArea(x1, y1, x2, y2);
    area->kind = kind;
    area->param = param;
}

void addPlacement(MapCell& c, int n) {
    switch (n % 3) {
        case 0:
            c.monster.emplace();
            c.monster->symbol = 'D';
            c.monster->name.assign("red dragon");
            c.monster->attitude = kHostile;
            c.monster->alignment = 3;
            break;
        case 1: {
            ObjectSpec& o = c.objects.emplace_back();
            o.symbol = ')';
            o.name.assign("long sword");
            o.buc = 1;
            o.spe = 2;
            break;
        }
        default:
            c.trap.emplace();
            c.trap->trapType = 11;
            c.trap->chance = 50;
            break;
    }
}

void buildLargeLevel(Level& level) {
    level.settings.mazeName.assign("large");
    level.settings.levelFlags = kNoTeleport | kHardFloor;
    addPart(level, {HorizontalAlignment::Left, VerticalAlignment::Top}, 3, 1, 36, 10);
    addPart(level, {HorizontalAlignment::Right, VerticalAlignment::Top}, 41, 1, 36, 10);
    addPart(level, {HorizontalAlignment::Left, VerticalAlignment::Bottom}, 3, 11, 36, 10);
    addPart(level, {HorizontalAlignment::Right, VerticalAlignment::Bottom}, 41, 11, 36, 10);
    int placed = 0;
    for (int y = 2; y <= 19 && placed < 100; ++y) {
        if (y == 10 || y == 11) continue;  // the walls between the parts
        for (int x = 5 + y % 3; x <= 75 && placed < 100; x += 6) {
            addPlacement(level.cell(x, y), placed++);
        }
    }
    level.setTerrain(10, 5, kFountain);
    level.setTerrain(50, 5, kAltar);
    level.setTerrain(12, 1, kDoorway);
    for (int i = 0; i < 4; ++i) {
        addArea(level, i, 5 + 38 * (i % 2), 3 + 10 * (i / 2), 15 + 38 * (i % 2), 7 + 10 * (i / 2),
                1);
        addArea(level, kNonDiggableArea, 3 + 38 * (i % 2), 1 + 10 * (i / 2), 38 + 38 * (i % 2),
                10 + 10 * (i / 2), 0);
    }
    addArea(level, kTeleportArea, 20, 3, 30, 8, 0);
    addArea(level, kStairArea, 60, 13, 70, 18, 1);
}

void BM_WriteLargeLevel(benchmark::State& state) {
    Level level;
    buildLargeLevel(level);
    std::string out;
    for (auto _ : state) {
        Result<WrittenLevel> written = writeLevel(level, Variant::Vanilla);
        if (!written) {
            state.SkipWithError("level refused");
            return;
        }
        out = std::move(written->text);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * out.size()));
    state.counters["bytes"] = static_cast<double>(out.size());
}
BENCHMARK(BM_WriteLargeLevel)->Unit(benchmark::kMicrosecond);

}  // namespace
