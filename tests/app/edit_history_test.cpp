// The edit history on its own: how many steps it keeps, when a state is a
// step, and what counts as saved.
#include "app/edit_history.h"

#include <gtest/gtest.h>

#include <vector>

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

TEST(EditHistory, AStateEqualToTheLastIsNoStep) {
    EditHistory history;
    history.start(levelNumber(0));
    EXPECT_FALSE(history.record(levelNumber(0)));
    EXPECT_FALSE(history.canUndo());
    EXPECT_TRUE(history.record(levelNumber(1)));
    EXPECT_FALSE(history.record(levelNumber(1)));
    Level level = levelNumber(1);
    EXPECT_EQ(undoAll(history, level), 1);
}

TEST(EditHistory, ANewStepDropsTheStepsThatCouldBeRedone) {
    EditHistory history;
    history.start(levelNumber(0));
    history.record(levelNumber(1));
    history.record(levelNumber(2));
    history.undo();
    EXPECT_TRUE(history.canRedo());
    history.record(levelNumber(5));
    EXPECT_FALSE(history.canRedo());
    EXPECT_TRUE(history.undo() == levelNumber(1));
    EXPECT_TRUE(history.redo() == levelNumber(5));
}

TEST(EditHistory, TheSavedLevelIsTheOneLastOpenedOrSaved) {
    EditHistory history;
    history.start(levelNumber(2));
    EXPECT_FALSE(history.differsFromSaved(levelNumber(2)));
    EXPECT_TRUE(history.differsFromSaved(levelNumber(3)));
    history.record(levelNumber(3));
    history.markSaved(levelNumber(3));
    EXPECT_FALSE(history.differsFromSaved(levelNumber(3)));
    EXPECT_TRUE(history.differsFromSaved(history.undo()));
    history.start(levelNumber(7));
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.differsFromSaved(levelNumber(7)));
}

}  // namespace
}  // namespace mapedit
