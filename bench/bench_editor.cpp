// What one user action costs through the editor's message handlers, on the
// headless canvas: a pen step with its wall redraw, a shape preview step,
// a fill of the whole map, an area drag step, a full repaint, and on a busy
// level an undo and a redo, a click that makes a step and a move that
// makes none.
#include <benchmark/benchmark.h>

#include "app/editor.h"
#include "model/terrain.h"
#include "platform/headless_shell.h"
#include "view/map_view.h"

namespace mapedit {
namespace {

struct Scene {
    HeadlessShell shell;
    Editor editor{shell, 1};

    void chooseTool(Tool tool) { editor.onCommand(toolCommand(tool)); }
    void chooseKind(int kind) { editor.state().currentKind = kind; }

    // One step an iteration: the mouse moves between two cells of a row,
    // with the button held or not.
    void moveToAndFro(benchmark::State& state, int cxA, int cxB, int cy, bool held) {
        int cx = cxA;
        for (auto _ : state) {
            editor.onMouseMove(cellCentreX(cx), cellCentreY(cy), held);
            cx = cx == cxA ? cxB : cxA;
        }
    }

    // One click an iteration on the same cell, with the kind switched
    // between corridor and floor so that every click changes it.
    void clickAlternatingKinds(benchmark::State& state, int cx, int cy) {
        int kind = kCorridor;
        for (auto _ : state) {
            chooseKind(kind);
            editor.onLeftDown(cellCentreX(cx), cellCentreY(cy));
            editor.onLeftUp(cellCentreX(cx), cellCentreY(cy));
            kind = kind == kCorridor ? kFloor : kCorridor;
        }
    }
};

// The pen dragged to and fro between two neighbouring cells: each step
// paints a wall cell and settles the walls around it.
void BM_PenStep(benchmark::State& state) {
    Scene s;
    s.chooseKind(kHorizontalWall);
    s.editor.onLeftDown(cellCentreX(40), cellCentreY(10));
    s.moveToAndFro(state, 41, 40, 10, true);
}
BENCHMARK(BM_PenStep);

// One preview step of a 78-column rectangle: the old outline is wiped and
// settled, the new one drawn.
void BM_RectanglePreviewStep(benchmark::State& state) {
    Scene s;
    s.chooseTool(Tool::Rectangle);
    s.chooseKind(kVerticalWall);
    s.editor.onLeftDown(cellCentreX(1), cellCentreY(1));
    int cy = 18;
    for (auto _ : state) {
        s.editor.onMouseMove(cellCentreX(78), cellCentreY(cy), true);
        cy = cy == 18 ? 19 : 18;
    }
}
BENCHMARK(BM_RectanglePreviewStep);

// The fill tool over the whole (open) map, alternating two kinds.
void BM_FillWholeMap(benchmark::State& state) {
    Scene s;
    s.chooseTool(Tool::Fill);
    s.clickAlternatingKinds(state, 40, 10);
}
BENCHMARK(BM_FillWholeMap);

// A selected area dragged to and fro by its body.
void BM_AreaDragStep(benchmark::State& state) {
    Scene s;
    s.editor.onCommand(command::kFirstAreaCommand);
    s.chooseTool(Tool::Select);
    s.editor.onLeftDown(cellCentreX(22), cellCentreY(8));
    s.moveToAndFro(state, 30, 31, 8, true);
}
BENCHMARK(BM_AreaDragStep);

void BM_FullRepaint(benchmark::State& state) {
    Scene s;
    s.editor.openFile(MAPEDIT_TEST_DATA "/levels/large.des");
    for (auto _ : state) s.editor.onPaint();
}
BENCHMARK(BM_FullRepaint);

// The largest level, with a pen click of wall on it as the step to undo.
struct BusyScene : Scene {
    BusyScene() {
        editor.openFile(MAPEDIT_TEST_DATA "/levels/large.des");
        chooseKind(kHorizontalWall);
        editor.onLeftDown(cellCentreX(40), cellCentreY(10));
        editor.onLeftUp(cellCentreX(40), cellCentreY(10));
    }
};

// Each iteration is one Undo or one Redo, by turns; with the argument 1,
// also the repaint it asks for.
void BM_UndoOrRedoOnBusyLevel(benchmark::State& state) {
    BusyScene s;
    const bool repaint = state.range(0) != 0;
    bool undo = true;
    for (auto _ : state) {
        s.editor.onCommand(undo ? command::kUndo : command::kRedo);
        if (repaint && s.shell.takeInvalidation()) s.editor.onPaint();
        undo = !undo;
    }
}
BENCHMARK(BM_UndoOrRedoOnBusyLevel)->Arg(0)->Arg(1);

// A pen click that changes a cell: the history records a step.
void BM_ClickMakingAStepOnBusyLevel(benchmark::State& state) {
    BusyScene s;
    s.clickAlternatingKinds(state, 40, 10);
}
BENCHMARK(BM_ClickMakingAStepOnBusyLevel);

// A move without the button: the history finds the level unchanged.
void BM_MoveMakingNoStepOnBusyLevel(benchmark::State& state) {
    BusyScene s;
    s.moveToAndFro(state, 30, 31, 10, false);
}
BENCHMARK(BM_MoveMakingNoStepOnBusyLevel);

}  // namespace
}  // namespace mapedit
