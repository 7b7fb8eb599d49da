#pragma once

#include <QWidget>
#include <optional>

#include "platform/level_choice.h"

namespace mapedit {

// The modal "which level" dialog over `parent`: the chosen level from 0,
// or nothing when cancelled.
std::optional<int> chooseLevel(QWidget& parent, const LevelChoiceRequest& request);

}  // namespace mapedit
