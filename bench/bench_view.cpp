// Costs of the two largest drawing jobs of the map view on the headless
// canvas: the window's full paint and the wall redraw of the whole map.

#include <benchmark/benchmark.h>

#include "edit/paint.h"
#include "edit/wall_redraw.h"
#include "model/area_style.h"
#include "model/level.h"
#include "model/terrain.h"
#include "platform/canvas.h"
#include "view/map_view.h"
#include "view/view_context.h"
#include "view/view_state.h"

namespace mapedit {
namespace {

// Rooms of walls on stone joined by corridors, with placements on most
// room floors, random places, two map parts and a few dozen areas.
struct BusyLevel {
    Level level;
    ViewState shown;
    Templates templates;
    Canvas canvas;

    BusyLevel() {
        level.clearLevel(kStone);
        for (int room = 0; room < 8; ++room) addRoom(2 + room * 10, room % 2 == 0 ? 1 : 9);
        for (int x = 1; x < kMapWidth; ++x) level.setTerrain(x, 18, kCorridor);
        addMapPart(0, 1, 0, 39, 20);
        addMapPart(1, 40, 0, 79, 20);
        for (int i = 0; i < 10; ++i) {
            level.settings.randomPlaces[static_cast<std::size_t>(i)] = {
                static_cast<std::int8_t>(4 + 7 * i), 19};
        }
        level.settings.randomPlaceCount = 10;
        for (int i = 0; i < 40; ++i) {
            AreaRecord* area = level.newArea(2 + i, 1 + i % 8, 10 + i, 4 + i % 12);
            area->kind = i % 33;
            styleArea(*area);
        }
        level.sortAreasAscending();
        shown.selectArea(level.areas().front().get());
    }

    void addMapPart(int index, int x1, int y1, int x2, int y2) {
        MapPart& part = level.mapParts[static_cast<std::size_t>(index)];
        part.x1 = x1;
        part.y1 = y1;
        part.x2 = x2;
        part.y2 = y2;
        level.settings.partCount = index + 1;
    }

    void addRoom(int left, int top) {
        for (int x = left; x < left + 8; ++x) {
            for (int y = top; y < top + 7; ++y) {
                const bool edge = x == left || x == left + 7 || y == top || y == top + 6;
                level.setTerrain(x, y, edge ? kHorizontalWall : kFloor);
                if (!edge && (x + y) % 3 == 0) placeSomething(x, y);
            }
        }
        level.setTerrain(left + 3, top + 6, kDoorway);
    }

    void placeSomething(int x, int y) {
        MapCell& cell = level.cell(x, y);
        switch ((x * 7 + y) % 3) {
            case 0:
                cell.monster = templates.monsterTemplate;
                break;
            case 1:
                cell.objects.push_back(templates.objectTemplate);
                break;
            default:
                cell.trap = templates.trapTemplate;
                break;
        }
    }

    ViewContext view() { return ViewContext{canvas, level, shown, templates}; }
    PaintContext paint() { return PaintContext{canvas, level, shown, templates}; }
};

void BM_PaintClientArea(benchmark::State& state) {
    BusyLevel busy;
    PaintContext p = busy.paint();
    wallRedraw(p, kEditableCells, Settle::Kinds);
    ViewContext v = busy.view();
    for (auto _ : state) {
        paintClientArea(v);
        benchmark::DoNotOptimize(busy.canvas.pixels().data());
    }
}
BENCHMARK(BM_PaintClientArea)->Unit(benchmark::kMicrosecond);

void BM_WallRedrawWholeMap(benchmark::State& state) {
    BusyLevel busy;
    PaintContext p = busy.paint();
    // As opening, refreshing and filling redraw the whole map.
    for (auto _ : state) {
        wallRedraw(p, kEditableCells, Settle::GlyphsOnly);
        benchmark::DoNotOptimize(busy.canvas.pixels().data());
    }
}
BENCHMARK(BM_WallRedrawWholeMap)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace mapedit
