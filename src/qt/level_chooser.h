#pragma once

#include <QListWidget>
#include <QWidget>
#include <optional>

#include "platform/level_choice.h"

namespace mapedit {

// Fills the list with one entry per level; levels that cannot be edited
// are shown but cannot be selected. The first editable level is current.
void fillLevelList(QListWidget& list, const LevelChoiceRequest& request);

// The modal "which level" dialog over `parent`: the chosen level from 0,
// or nothing when cancelled.
std::optional<int> chooseLevel(QWidget& parent, const LevelChoiceRequest& request);

}  // namespace mapedit
