#include "app/edit_history.h"

namespace mapedit {

EditHistory::EditHistory(std::size_t maxSteps) : maxSteps_(maxSteps) {
    states_.emplace_back();
}

void EditHistory::start(const Level& level) {
    states_.clear();
    states_.push_back(level.clone());
    current_ = 0;
    saved_ = level.clone();
}

bool EditHistory::record(const Level& level) {
    if (level == states_[current_]) return false;
    states_.erase(states_.begin() + static_cast<std::ptrdiff_t>(current_) + 1, states_.end());
    states_.push_back(level.clone());
    // A step needs the state before it: maxSteps steps keep maxSteps + 1 states.
    if (states_.size() > maxSteps_ + 1) states_.pop_front();
    current_ = states_.size() - 1;
    return true;
}

const Level& EditHistory::undo() {
    if (canUndo()) --current_;
    return states_[current_];
}

const Level& EditHistory::redo() {
    if (canRedo()) ++current_;
    return states_[current_];
}

void EditHistory::markSaved(const Level& level) {
    saved_ = level.clone();
}

}  // namespace mapedit
