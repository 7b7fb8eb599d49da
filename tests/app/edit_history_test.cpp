// How many steps the edit history keeps: edit scripts cannot make hundreds
// of steps, and random sessions make fewer than the history holds.
#include "app/edit_history.h"

#include <gtest/gtest.h>

#include "model/terrain.h"

namespace mapedit {
namespace {

// Level n has corridor on its first n cells, row by row.
Level levelNumber(int n) {
    Level level;
    for (int i = 0; i < n; ++i)
        level.setTerrain(1 + i % (kMapWidth - 1), i / (kMapWidth - 1), kCorridor);
    return level;
}

int undoAll(EditHistory& history, Level& level) {
    int steps = 0;
    for (; history.canUndo(); ++steps) level = history.undo().clone();
    return steps;
}

TEST(EditHistory, KeepsTheNewestStepsUpToItsLimit) {
    struct Case {
        std::size_t limit;
        int recorded;
        int undoable;
    };
    for (const Case& c : {Case{3, 2, 2}, Case{3, 3, 3}, Case{3, 7, 3},
                          Case{EditHistory::kDefaultSteps, 200, 200}}) {
        SCOPED_TRACE(c.recorded);
        EditHistory history(c.limit);
        history.start(levelNumber(0));
        for (int n = 1; n <= c.recorded; ++n) EXPECT_TRUE(history.record(levelNumber(n)));
        Level level = levelNumber(c.recorded);
        EXPECT_EQ(undoAll(history, level), c.undoable);
        EXPECT_TRUE(level == levelNumber(c.recorded - c.undoable));
    }
}

}  // namespace
}  // namespace mapedit
