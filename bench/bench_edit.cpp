// Cost of the fill tool over the whole map, drawn into the headless canvas
// as the editor does it.
#include <benchmark/benchmark.h>

#include "edit/paint.h"
#include "edit/shapes.h"
#include "model/level.h"
#include "model/terrain.h"
#include "platform/canvas.h"

namespace mapedit {
namespace {

struct Scene {
    Canvas canvas;
    Level level;
    ViewState shown;
    Templates templates;
    PaintContext ctx{canvas, level, shown, templates};
};

// Each iteration fills the whole region with the other of two kinds, so the
// map never needs resetting between iterations.
void fillBackAndForth(benchmark::State& state, Scene& s, int x, int y) {
    int kind = kFountain;
    for (auto _ : state) {
        PaintContext p = s.ctx.withMode(static_cast<int>(state.range(0)));
        floodFill(p, x, y, kind);
        kind = kind == kFountain ? kFloor : kFountain;
    }
    benchmark::DoNotOptimize(s.level.cell(x, y).terrain);
}

void BM_FloodFillWholeMap(benchmark::State& state) {
    Scene s;
    fillBackAndForth(state, s, 40, 10);
}
// 1: stored and drawn cell by cell; 9: stored only.
BENCHMARK(BM_FloodFillWholeMap)->Arg(kPaintStore)->Arg(kPaintStore | kPaintDefer);

// Full rows joined by combs of single cells: the most spans on the stack.
void BM_FloodFillComb(benchmark::State& state) {
    Scene s;
    for (int y = 1; y < kMapHeight; y += 2) {
        for (int x = 2; x < kMapWidth; x += 2) s.level.setTerrain(x, y, kHorizontalWall);
    }
    fillBackAndForth(state, s, 1, 0);
}
BENCHMARK(BM_FloodFillComb)->Arg(kPaintStore)->Arg(kPaintStore | kPaintDefer);

}  // namespace
}  // namespace mapedit
