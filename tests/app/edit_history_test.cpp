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
    for (; history.canUndo(); ++steps) level = history.undo();
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
        for (int n = 1; n <= c.recorded; ++n) {
            EXPECT_TRUE(history.record(levelNumber(n), "Pen"));
        }
        Level level = levelNumber(c.recorded);
        EXPECT_EQ(undoAll(history, level), c.undoable);
        EXPECT_TRUE(level == levelNumber(c.recorded - c.undoable));
    }
}

// Each step keeps the name it was recorded with; a step that changes
// nothing is none, and a new step drops what could have been redone.
TEST(EditHistory, StepsCarryTheirNames) {
    EditHistory history;
    history.start(levelNumber(0));
    EXPECT_EQ(history.undoName(), "");
    EXPECT_TRUE(history.record(levelNumber(1), "Pen"));
    EXPECT_FALSE(history.record(levelNumber(1), "Fill"));
    EXPECT_TRUE(history.record(levelNumber(2), "Move area"));
    EXPECT_EQ(history.undoName(), "Move area");
    history.undo();
    EXPECT_EQ(history.undoName(), "Pen");
    EXPECT_EQ(history.redoName(), "Move area");
    EXPECT_TRUE(history.record(levelNumber(3), "Fill"));
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.redoName(), "");
    EXPECT_EQ(history.undoName(), "Fill");
}

}  // namespace
}  // namespace mapedit
