#include "app/edit_history.h"

namespace mapedit {

EditHistory::EditHistory(std::size_t maxSteps) : maxSteps_(maxSteps) {
    states_.emplace_back();
}

void EditHistory::start(const Level& level) {
    states_.clear();
    states_.push_back(State{level, {}});
    current_ = 0;
    saved_ = level;
}

bool EditHistory::record(const Level& level, std::string_view name) {
    if (level == states_[current_].level) return false;
    states_.erase(states_.begin() + static_cast<std::ptrdiff_t>(current_) + 1, states_.end());
    states_.push_back(State{level, std::string(name)});
    // A step needs the state before it: maxSteps steps keep maxSteps + 1 states.
    if (states_.size() > maxSteps_ + 1) states_.pop_front();
    current_ = states_.size() - 1;
    return true;
}

std::string_view EditHistory::undoName() const {
    return canUndo() ? std::string_view(states_[current_].name) : std::string_view();
}

std::string_view EditHistory::redoName() const {
    return canRedo() ? std::string_view(states_[current_ + 1].name) : std::string_view();
}

const Level& EditHistory::undo() {
    if (canUndo()) --current_;
    return states_[current_].level;
}

const Level& EditHistory::redo() {
    if (canRedo()) ++current_;
    return states_[current_].level;
}

void EditHistory::markSaved(const Level& level) {
    saved_ = level;
}

}  // namespace mapedit
