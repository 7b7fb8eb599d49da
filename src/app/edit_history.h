#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

#include "model/level.h"

namespace mapedit {

// The states of the level between the designer's actions, for Undo and
// Redo, and the state last opened or saved. Each state is a copy of its
// own, so stepping back and forth never depends on how a step was made;
// each step carries the name of the action that made it.
class EditHistory {
  public:
    static constexpr std::size_t kDefaultSteps = 256;

    explicit EditHistory(std::size_t maxSteps = kDefaultSteps);

    // An empty history on the level just opened, which counts as saved.
    void start(const Level& level);
    // The step `name` ends with the level as it is: recorded when the level
    // differs from the state recorded last, and the steps that could have
    // been redone go. True when a step was recorded.
    bool record(const Level& level, std::string_view name);

    bool canUndo() const { return current_ > 0; }
    bool canRedo() const { return current_ + 1 < states_.size(); }
    // The name of the step Undo would take back, or Redo make again.
    std::string_view undoName() const;
    std::string_view redoName() const;
    // The state before the current step, or after it; the caller replaces
    // its level with a copy. Only while canUndo() or canRedo().
    const Level& undo();
    const Level& redo();

    void markSaved(const Level& level);
    // Whether the level differs from what was last opened or saved.
    bool differsFromSaved(const Level& level) const { return !(level == saved_); }

  private:
    struct State {
        Level level;
        std::string name;  // of the step that led here; empty for the first
    };

    std::size_t maxSteps_;
    std::deque<State> states_;  // the oldest kept first; never empty
    std::size_t current_ = 0;   // the state the level is in
    Level saved_;
};

}  // namespace mapedit
